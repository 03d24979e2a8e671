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

// The Quake II location, the options and the macro catalogue a compile needs; player becomes
// the Player-CFG the argument names, found without regard to case.
bool PrepareCompile(CliContext& context, const std::string& argument, std::string& player) {
    Korvex& app = context.app;
    if (!UseStoredQuakeDir(app.report, app.paths) || !FindPlayerArgument(context, argument, player)) return false;
    LoadProgramOptions(app);
    LoadMacroCatalogue(app.report, app.macroCatalogue, app.macroLists, app.paths.macros);
    return !app.report.shuttingDown;
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
    std::string player;
    if (!PrepareCompile(context, context.args[0], player)) return 1;
    const std::string& outputDir = context.args[1];
    const std::vector<std::string> foreign = ForeignScriptsIn(outputDir);
    if (!foreign.empty()) {
        std::cerr << Cp1252ToUtf8(outputDir + " holds scripts that Korvex did not write (" + foreign.front())
                  << (foreign.size() > 1 ? ", ..." : "") << "); choose a directory of its own for the compile.\n";
        return 1;
    }
    const bool compiled = CompileStoredPlayer(app, player, outputDir, false);
    return compiled ? ExitStatus(context) : 1;
}

}  // namespace korvex
