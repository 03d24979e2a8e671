#include "mods/Launcher.h"

#include <cstring>

#include "app/CfgBackup.h"
#include "app/DirectoryTools.h"
#include "app/Korvex.h"
#include "app/Messages.h"
#include "app/QuakeLocation.h"
#include "compiler/ChosenOptions.h"
#include "compiler/ConfigCompiler.h"
#include "mods/ModCatalogue.h"
#include "mods/ModTree.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"
#include "players/PlayerCfgFiles.h"

namespace korvex {
namespace {

void CloseWaitWindow(Reporter& report) { report.host.CloseStatus(StatusWindow::CreatingCfgFiles); }

// Saves the shown Player-CFG for the compile; a value still to be chosen is then the launch's
// one message, before the wait window opens and without that of a failed compile.
bool ReadyToCompile(Korvex& app, const std::string& player) {
    SavePlayerCFG(app);
    return !app.report.shuttingDown && CheckStoredOptionsChosen(app.report, app.paths, player);
}

// The compile of the launch; its key map gives what the launch says about shared keys.
bool CompileInto(Korvex& app, const std::string& player, const std::string& directory, std::string& sharedKeys) {
    KeyMap map;
    if (CompileStoredPlayer(app, player, directory, false, {}, &map)) {
        sharedKeys = SharedKeysNotice(map);
        return true;
    }
    CloseWaitWindow(app.report);
    if (!app.report.shuttingDown) app.report.ShowError(Err::CouldntCreateFile, "Config for MOD couldn't be compiled.");
    return false;
}

// The game's program and the parameters the MOD's entry gives; false (reported) when the
// entry cannot be read.
bool SetUpGameStart(Reporter& report, const ProgramPaths& paths, const std::string& directory, TExecFile& game) {
    const std::string entryPath = JoinPath(paths.mods, directory);
    ModEntry entry;
    bool atEnd = false;
    if (!ReadModEntry(ModEntryPath(paths, directory), entry, atEnd)) {
        report.ShowError(Err::CouldntOpenFile, entryPath);
        return false;
    }
    if (!atEnd) {
        report.FatalError(Err::EndOfFileNotReached, entryPath);
        return false;
    }
    SetQuakeProgram(game, paths.quakeDir);
    game.Parameters = QuakeParameters(GameDirectorySpelling(paths.quakeDir, directory), entry);
    game.Directory = paths.quakeDir;
    return true;
}

// A directory text from the tree names exactly one directory below the Quake II directory.
bool AcceptLaunchDirectory(Reporter& report, const std::string& directory) {
    if (IsPlainModDirectory(directory)) return true;
    report.ShowError(Err::InvalidPath, directory);
    return false;
}

// The preview compiles into a directory of its own below temp/, so that nothing an
// installation left there is touched; at its end temp/ holds what it held before.
class PreviewScratch {
public:
    explicit PreviewScratch(Korvex& app)
        : app_(app),
          hadTemp_(DirectoryExists(app.paths.temp)),
          hadAdditional_(FileExists(AdditionalCommandsFile(app.paths))) {
        if (!hadTemp_) MakeDirectory(app.paths.temp);
        for (int n = 0; directory_.empty() && n < 100; ++n) {
            const std::string path = JoinPath(app.paths.temp, "preview" + (n ? std::to_string(n) : std::string()));
            if (!PathExists(path) && MakeDirectory(path)) directory_ = path;
        }
    }
    ~PreviewScratch() {
        if (!directory_.empty()) RemoveDirectoryTree(app_.report, directory_);
        if (!hadAdditional_) RemoveFile(AdditionalCommandsFile(app_.paths));
        if (!hadTemp_) RemoveEmptyDirectory(app_.paths.temp);
    }
    PreviewScratch(const PreviewScratch&) = delete;
    PreviewScratch& operator=(const PreviewScratch&) = delete;

    const std::string& directory() const { return directory_; }

private:
    Korvex& app_;
    const bool hadTemp_;
    const bool hadAdditional_;
    std::string directory_;
};

void TellSharedKeys(Reporter& report, const std::string& sharedKeys) {
    if (!sharedKeys.empty()) report.host.ShowLaunchNotice(sharedKeys);
}

bool RunGame(Reporter& report, TExecFile& game) {
    if (game.Wait) report.host.ShowStatus(StatusWindow::GameRunning, "Quake II is running...");
    const bool started = game.Execute(report.host);
    if (game.Wait) report.host.CloseStatus(StatusWindow::GameRunning);
    if (started) return true;
    const std::string& program = game.Interpreter.empty() ? game.CommandLine : game.Interpreter;
    report.ShowError(Err::CouldntExecFile, program + ": " + std::strerror(game.ErrorCode));
    return false;
}

}  // namespace

bool LaunchSelectedPlayer(Korvex& app) {
    const auto& selected = app.modTree.selected;
    if (!selected || !selected->player) return false;
    return LaunchPlayer(app, selected->modText, *selected->player);
}

bool LaunchPlayer(Korvex& app, const std::string& modText, const std::string& player) {
    const std::string directory = ModDirOfNodeText(modText);
    if (!RequireQuakeDir(app.report, app.paths) || !AcceptLaunchDirectory(app.report, directory) ||
        !ReadyToCompile(app, player))
        return false;
    app.host.ShowStatus(StatusWindow::CreatingCfgFiles, "Creating configuration files...");
    const std::string korvexDir = JoinPath(app.paths.quakeDir, "korvex");
    if (!DirectoryExists(korvexDir) && !MakeDirectory(korvexDir)) {
        CloseWaitWindow(app.report);
        app.report.FatalError(Err::CouldntCreateDirectory, korvexDir);
        return false;
    }
    std::string sharedKeys;
    if (!CompileInto(app, player, korvexDir, sharedKeys)) return false;
    std::string modDirPath = ResolveCase(JoinPath(app.paths.quakeDir, directory));
    if (!DirectoryExists(modDirPath)) {
        if (MakeDirectory(modDirPath)) {
            modDirPath = ResolveCase(JoinPath(app.paths.quakeDir, LowerCaseAscii(directory)));
        } else {
            CloseWaitWindow(app.report);
            app.report.ShowError(Err::CouldntCreateDirectory, modDirPath);
        }
    }
    if (!PrepareLaunchFiles(app, modDirPath, directory)) {
        CloseWaitWindow(app.report);
        if (!app.report.shuttingDown) app.report.ShowError(Err::CouldntCreateFile, AutoexecPath(modDirPath));
        return false;
    }
    CloseWaitWindow(app.report);
    app.host.MainViewChanged();
    TellSharedKeys(app.report, sharedKeys);
    return StartQuake(app, modText);
}

bool StartQuake(Korvex& app, const std::string& modText) {
    TExecFile& game = app.launch.quakeExecFile;
    if (!SetUpGameStart(app.report, app.paths, ModDirOfNodeText(modText), game)) return false;
    // The game starts in the Quake II directory; Korvex's own working directory never changes.
    if (!DirectoryExists(app.paths.quakeDir)) {
        app.report.ShowError(Err::InvalidPath, app.paths.quakeDir);
        RestoreCfgBackup(app, false);
        return false;
    }
    game.Wait = !app.options.quitAfterLaunching;
    app.launch.commandLine = game.Command();
    // A game that never started leaves nothing to wait for: the files go back at once.
    if (!RunGame(app.report, game)) {
        RestoreCfgBackup(app, false);
        return false;
    }
    if (app.options.quitAfterLaunching) {
        app.host.RequestClose();
        return true;
    }
    RestoreCfgBackup(app, false);
    return true;
}

bool PreviewLaunch(Korvex& app, const std::string& modText, const std::string& player, std::string& commandLine,
                   std::vector<std::string>& autoexec) {
    const std::string directory = ModDirOfNodeText(modText);
    if (!AcceptLaunchDirectory(app.report, directory) || !ReadyToCompile(app, player)) return false;
    const PreviewScratch scratch(app);
    if (scratch.directory().empty()) {
        app.report.ShowError(Err::CouldntCreateDirectory, JoinPath(app.paths.temp, "preview"));
        return false;
    }
    std::string sharedKeys;
    if (!CompileInto(app, player, scratch.directory(), sharedKeys)) return false;
    TellSharedKeys(app.report, sharedKeys);
    TExecFile game;
    if (!BuildAutoexec(app.report, app.paths, directory, autoexec) ||
        !SetUpGameStart(app.report, app.paths, directory, game))
        return false;
    commandLine = game.Command();
    return true;
}

}  // namespace korvex
