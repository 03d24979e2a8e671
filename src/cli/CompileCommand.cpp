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

bool PrepareCompile(CliContext& context, const std::string& player) {
    Korvex& app = context.app;
    if (!UseStoredQuakeDir(app)) return false;
    if (!StaysInPlayersDir(player) || !DirectoryExists(JoinPath(app.dirs.players, player))) {
        std::cerr << "There is no Player-CFG named " << Cp1252ToUtf8(player) << ".\n";
        return false;
    }
    LoadProgramOptions(app);
    LoadMacroCatalogue(app, app.dirs.macros);
    LoadLastPlayer(app);
    if (app.shuttingDown || app.currentPlayerName.empty()) {
        std::cerr << "No Player-CFG is current; start Korvex once to choose one.\n";
        return false;
    }
    return true;
}

// The compile the launcher runs, into a directory of the caller's choice.
int RunCompile(CliContext& context) {
    if (context.args.size() != 2) {
        std::cerr << "usage: korvex-cli compile PLAYER OUTDIR\n";
        return 2;
    }
    const std::string player = Utf8ToCp1252(context.args[0]);
    if (!PrepareCompile(context, player)) return 1;
    return CompilePlayerConfig(context.app, player, context.args[1], false) ? 0 : 1;
}

}  // namespace korvex
