// korvex-cli launch: the whole launch of the MOD-Launcher page, without a window.
#include <iostream>

#include "app/InstanceGuard.h"
#include "app/Korvex.h"
#include "app/ProgramOptions.h"
#include "app/QuakeLocation.h"
#include "app/StartUp.h"
#include "cli/CliCommands.h"
#include "macros/MacroCatalogue.h"
#include "mods/LaunchFiles.h"
#include "mods/Launcher.h"
#include "mods/ModCatalogue.h"
#include "mods/ModTree.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"
#include "platform/Text.h"
#include "players/PlayerDirs.h"

namespace korvex {
namespace {

constexpr const char* kUsage = "launch MOD PLAYER [--dry-run] [--quit-after]";

struct LaunchArguments {
    std::string mod;
    std::string player;
    bool dryRun = false;
    bool quitAfter = false;
};

bool ParseLaunch(const std::vector<std::string>& args, LaunchArguments& parsed) {
    std::vector<std::string> words;
    for (const std::string& arg : args) {
        if (arg == "--dry-run") parsed.dryRun = true;
        else if (arg == "--quit-after") parsed.quitAfter = true;
        else if (arg.rfind("--", 0) == 0) return false;
        else words.push_back(arg);
    }
    if (words.size() != 2) return false;
    parsed.mod = words[0];
    parsed.player = words[1];
    return true;
}

// What start-up loads before a launch can compile: options, macros, the last Player-CFG, the MODs.
bool LoadForLaunch(Korvex& app) {
    if (!UseStoredQuakeDir(app.report, app.paths)) return false;
    LoadProgramOptions(app);
    LoadMacroCatalogue(app.report, app.macroCatalogue, app.macroLists, app.paths.macros);
    LoadLastPlayer(app);
    if (app.report.shuttingDown || app.currentPlayerName.empty()) {
        std::cerr << "No Player-CFG is current; start Korvex once to choose one.\n";
        return false;
    }
    LoadModCatalogue(app.report, app.paths, app.modTree);
    return !app.report.shuttingDown;
}

int Preview(CliContext& context, const std::string& modText, const std::string& player) {
    Korvex& app = context.app;
    std::string commandLine;
    std::vector<std::string> autoexec;
    if (!PreviewLaunch(app, modText, player, commandLine, autoexec)) return 1;
    std::cout << Cp1252ToUtf8(commandLine) << '\n';
    const std::string modDir = ResolveCase(JoinPath(app.paths.quakeDir, ModDirOfNodeText(modText)));
    std::cout << "== " << Cp1252ToUtf8(AutoexecPath(modDir)) << '\n';
    for (const std::string& line : autoexec) std::cout << Cp1252ToUtf8(line) << '\n';
    return ExitStatus(context);
}

}  // namespace

// While the game runs, the running-instance marker keeps Korvex itself off the program
// directory; a launch that is killed leaves it, and the backups, for the next start. Its
// process id tells korvex-cli that it is stale.
int RunLaunch(CliContext& context) {
    LaunchArguments args;
    if (!ParseLaunch(context.args, args)) {
        std::cerr << "usage: korvex-cli " << kUsage << '\n';
        return 2;
    }
    Korvex& app = context.app;
    if (!LoadForLaunch(app)) return 1;
    const ModNode* mod = FindModByTextOrDirectory(app.modTree, args.mod);
    if (!mod) {
        std::cerr << "There is no MOD named " << Cp1252ToUtf8(args.mod) << ".\n";
        return 1;
    }
    const std::string modText = mod->text;
    if (!StaysInPlayersDir(args.player) || !PlayerDirExists(app.paths, args.player)) {
        std::cerr << "There is no Player-CFG named " << Cp1252ToUtf8(args.player) << ".\n";
        return 1;
    }
    if (args.dryRun) return Preview(context, modText, args.player);

    // The stored "Quit Korvex after launching" is the window's: the command line waits unless told.
    app.options.quitAfterLaunching = args.quitAfter;
    if (!OtherInstanceRunning(app.executablePath)) WriteInstanceMarker(app.executablePath);
    const bool started = LaunchPlayer(app, modText, args.player);
    if (!RemoveOwnInstanceMarker(app.report, app.executablePath) || !started) return 1;
    std::cout << Cp1252ToUtf8(app.launch.commandLine) << '\n';
    return ExitStatus(context);
}

}  // namespace korvex
