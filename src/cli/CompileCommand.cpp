#include <iostream>

#include "app/Korvex.h"
#include "app/ProgramOptions.h"
#include "app/QuakeLocation.h"
#include "app/StartUp.h"
#include "cli/CliCommands.h"
#include "compiler/ConfigCompiler.h"
#include "macros/MacroCatalogue.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"
#include "platform/Text.h"
#include "players/PlayerDirs.h"

namespace korvex {

bool IsPlayerCfg(const Korvex& app, const std::string& player, const std::string& typedName) {
    if (StaysInPlayersDir(player) && DirectoryExists(JoinPath(app.dirs.players, player))) return true;
    std::cerr << "There is no Player-CFG named " << typedName << ".\n";
    return false;
}

// The compile the launcher runs, into a directory of the caller's choice. The last
// Player-CFG is loaded first, as at start-up, and is the current one again afterwards.
int RunCompile(CliContext& context) {
    if (context.args.size() != 2) {
        std::cerr << "usage: korvex-cli compile PLAYER OUTDIR\n";
        return 2;
    }
    Korvex& app = context.app;
    const std::string player = Utf8ToCp1252(context.args[0]);
    const std::string outputDir = context.args[1];

    if (!UseStoredQuakeDir(app)) return 1;
    if (!IsPlayerCfg(app, player, context.args[0])) return 1;
    LoadProgramOptions(app);
    LoadMacroCatalogue(app, app.dirs.macros);
    LoadLastPlayer(app);
    if (app.shuttingDown || app.currentPlayerName.empty()) {
        std::cerr << "No Player-CFG is current; start Korvex once to choose one.\n";
        return 1;
    }
    return CompilePlayerConfig(app, player, outputDir, false) ? 0 : 1;
}

}  // namespace korvex
