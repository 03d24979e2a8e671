#include <iostream>

#include "app/Korvex.h"
#include "app/ProgramOptions.h"
#include "app/QuakeLocation.h"
#include "cli/CliCommands.h"
#include "compiler/ConfigCompiler.h"
#include "compiler/ConfigFiles.h"
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

// The compile the launcher runs, into a directory of the caller's choice, from the files of
// the Player-CFG; no Player-CFG is saved. A directory with scripts that Korvex did not write
// is refused, as the compile would replace them.
int RunCompile(CliContext& context) {
    if (context.args.size() != 2) {
        std::cerr << "usage: korvex-cli compile PLAYER OUTDIR\n";
        return 2;
    }
    Korvex& app = context.app;
    const std::string player = Utf8ToCp1252(context.args[0]);
    const std::string outputDir = Utf8ToCp1252(context.args[1]);

    if (!UseStoredQuakeDir(app)) return 1;
    if (!IsPlayerCfg(app, player, context.args[0])) return 1;
    const std::vector<std::string> foreign = ForeignScriptsIn(outputDir);
    if (!foreign.empty()) {
        std::cerr << context.args[1] << " holds scripts that Korvex did not write (" << Cp1252ToUtf8(foreign.front())
                  << (foreign.size() > 1 ? ", ..." : "") << "); choose a directory of its own for the compile.\n";
        return 1;
    }
    LoadProgramOptions(app);
    LoadMacroCatalogue(app, app.dirs.macros);
    if (app.shuttingDown) return 1;
    const bool compiled = CompileStoredPlayer(app, player, outputDir, false);
    return compiled ? ExitStatus(context) : 1;
}

}  // namespace korvex
