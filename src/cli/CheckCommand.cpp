#include <iostream>

#include "app/CfgBackup.h"
#include "app/InstanceGuard.h"
#include "app/Korvex.h"
#include "app/ProgramOptions.h"
#include "app/QuakeLocation.h"
#include "app/Recovery.h"
#include "cli/CliCommands.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"
#include "platform/Text.h"
#include "platform/TextFile.h"

namespace korvex {
namespace {

void PrintLine(const std::string& label, const std::string& value) {
    std::cout << label << '\t' << Cp1252ToUtf8(value) << '\n';
}

int CountLines(const std::string& path) {
    std::vector<std::string> lines;
    return ReadAllLines(path, lines) ? static_cast<int>(lines.size()) : 0;
}

}  // namespace

int ExitStatus(const CliContext& context) { return context.host.ErrorReported() ? 1 : 0; }

// The start-up checks without searching the disks. Only with --yes are pending backups put
// back (answering No would delete them) and a stale running-instance marker removed;
// otherwise nothing is written.
int RunCheck(CliContext& context) {
    Korvex& app = context.app;
    const ProgramPaths& dirs = app.paths;
    for (const auto& [label, dir] : {std::pair<const char*, const std::string&>{"program", dirs.program},
                                     {"macros", dirs.macros}, {"players", dirs.players}, {"mods", dirs.mods},
                                     {"manifests", dirs.manifests},
                                     {"automod", dirs.autoMod}, {"backup", dirs.backup}, {"temp", dirs.temp},
                                     {"dirsort", dirs.dirSort}})
        PrintLine(label, dir);

    if (UseStoredQuakeDir(app.report, app.paths)) PrintLine("quake2", app.paths.quakeDir);

    LoadProgramOptions(app);
    const ProgramOptions& options = app.options;
    PrintLine("options", BoolToText(options.showHints) + " " + BoolToText(options.quitAfterLaunching) + " " +
                             BoolToText(options.warnMultipleFunctionsWithinCfg) + " " +
                             BoolToText(options.warnMultipleFunctionsByInheritance));

    if (context.host.AnswersYes()) {
        RestoreCfgBackup(app, true);
        FinishInterruptedWork(app.report, app.paths);
        // The marker of a Korvex that no longer runs goes with the files it left.
        if (InstanceMarkerIsStale(app.executablePath)) RemoveFile(InstanceMarkerPath(app.executablePath));
    }
    PrintLine("pending-restore", std::to_string(CountLines(JoinPath(dirs.backup, "backup.dat"))));
    PrintLine("pending-delete", std::to_string(CountLines(JoinPath(dirs.backup, "delete.dat"))));
    return ExitStatus(context);
}

}  // namespace korvex
