#include <iostream>

#include "app/Korvex.h"
#include "app/Messages.h"
#include "app/StartUp.h"
#include "cli/CliCommands.h"
#include "platform/FileSystem.h"
#include "platform/ListLookup.h"
#include "platform/Text.h"
#include "platform/TextFile.h"
#include "players/ExchangeOperations.h"
#include "players/PlayerCfgFiles.h"
#include "players/PlayerDirs.h"

namespace korvex {
namespace {

// Each name as the list spells it; false, with a message, for a name the list does not hold.
bool SpellAsListed(const std::vector<std::string>& list, std::vector<std::string>& names, const std::string& where) {
    for (std::string& name : names) {
        const int index = IndexIgnoringCase(list, name);
        if (index < 0) {
            std::cerr << "There is no Player-CFG named " << Cp1252ToUtf8(name + where) << ".\n";
            return false;
        }
        name = list[index];
    }
    return true;
}

}  // namespace

// The Player-CFGs named, in the order the export list shows them, into one exchange file.
int RunExport(CliContext& context) {
    if (context.args.size() < 2) {
        std::cerr << "usage: korvex-cli export FILE PLAYER...\n";
        return 2;
    }
    Korvex& app = context.app;
    const std::vector<std::string> list = FillPlayerList(app.paths);
    std::vector<std::string> players(context.args.begin() + 1, context.args.end());
    if (!SpellAsListed(list, players, "")) return 1;
    const bool done = ExportToFile(app.report, app.paths, SelectedInListOrder(list, players), context.args[0]);
    return done ? ExitStatus(context) : 1;
}

// The blocks named, or all of them, as the import of the Config-Editor brings them in; the
// Player-CFG that Korvex opens next counts as the active one.
int RunImport(CliContext& context) {
    if (context.args.empty()) {
        std::cerr << "usage: korvex-cli import FILE [PLAYER...]\n";
        return 2;
    }
    Korvex& app = context.app;
    const std::string& path = context.args[0];
    const std::optional<std::vector<ExchangeBlock>> blocks = IndexExistingExchangeFile(app.report, path);
    if (!blocks) return 1;
    std::vector<std::string> inFile;
    for (const ExchangeBlock& block : *blocks) inFile.push_back(block.name);
    std::vector<std::string> players(context.args.begin() + 1, context.args.end());
    if (!SpellAsListed(inFile, players, " in " + path)) return 1;
    SetCurrentPlayer(app, ReadFirstLine(LastPlayerFile(app.paths)));
    const bool done =
        ImportFromFile(app, path, players.empty() ? InListOrder(*blocks) : BlocksInListOrder(*blocks, players));
    return done ? ExitStatus(context) : 1;
}

}  // namespace korvex
