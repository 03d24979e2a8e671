#include "app/StartUp.h"

#include "app/CfgBackup.h"
#include "app/DirectoryTools.h"
#include "app/InstanceGuard.h"
#include "app/Korvex.h"
#include "app/Messages.h"
#include "app/QuakeLocation.h"
#include "app/Recovery.h"
#include "macros/MacroCatalogue.h"
#include "macros/MacroErrors.h"
#include "mods/ModCatalogue.h"
#include "mods/ModIdentification.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"
#include "platform/Text.h"
#include "platform/TextFile.h"
#include "players/CharacterLists.h"
#include "players/PlayerCfgFiles.h"

namespace korvex {
namespace {

std::string FirstRunMarker(const ProgramPaths& paths) { return JoinPath(paths.program, "korvex.ini"); }

}  // namespace

namespace {

void ShowStartUpStep(Reporter& report, const std::string& text) {
    report.host.ShowStatus(StatusWindow::StartUp, text);
    report.host.ProcessPendingEvents();
}

}  // namespace

void InitProgramPaths(Korvex& app) {
    const auto cut = app.executablePath.find_last_of(kPathSeparator);
    if (cut == std::string::npos) {
        app.report.MacroLanguageError(0, "Initialization", MacroErr::InvalidInstallationDirectory);
        return;
    }
    SetProgramDirs(app.paths, app.executablePath.substr(0, cut + 1));
    if (!DirectoryExists(app.paths.mods) && !MakeDirectory(app.paths.mods)) {
        app.report.FatalError(Err::CouldntCreateDirectory, app.paths.mods);
        return;
    }
    LoadQuakeDir(app.report, app.paths, app.quakeSearchRoots);
    if (app.report.shuttingDown) return;
    LoadProgramOptions(app);
    RestoreCfgBackup(app, true);
    FinishInterruptedWork(app.report, app.paths);
}

bool CheckFirstRun(Korvex& app) {
    app.firstRun = false;
    if (!FileExists(FirstRunMarker(app.paths))) return true;
    if (!app.host.AskDisclaimer()) return false;
    if (!RemoveFile(FirstRunMarker(app.paths))) {
        app.report.FatalError(Err::CouldntDeleteFile, FirstRunMarker(app.paths));
        return true;
    }
    app.host.ShowMessage(Icon::Information,
                         "Welcome to Korvex!\r\n\nYou have started Korvex for the first time after installation. "
                         "Please read the handbook as it provides detailed information on how to work with Korvex "
                         "most efficiently.\r\n\nPress F1 in the main window to open it, or find it on the page "
                         "\"About / Credits\": " +
                             HandbookPath(app.paths),
                         Buttons::Ok);
    app.firstRun = true;
    return true;
}

void LoadEverything(Korvex& app) {
    if (app.report.shuttingDown) return;
    ShowMainPage(app, Page::ConfigEditor);
    app.view.visible = true;
    app.host.ShowMainWindow();
    ShowStartUpStep(app.report, "Adding macros...");
    LoadMacroCatalogue(app.report, app.macroCatalogue, app.macroLists, app.paths.macros);
    if (app.report.shuttingDown) {
        app.host.CloseStatus(StatusWindow::StartUp);
        return;
    }
    ShowStartUpStep(app.report, "Loading Player-CFG...");
    LoadLastPlayer(app);
    if (TrimBlanksAndNuls(app.currentPlayerDir).empty() || app.currentPlayerName.empty()) {
        app.host.CloseStatus(StatusWindow::StartUp);
        app.report.FatalError(Err::InitializationFailed, "You should re-install the program.");
        return;
    }
    ShowStartUpStep(app.report, "Adding Player-Models...");
    FillModelList(app.report, app.paths, app.player);
    ShowStartUpStep(app.report, "Adding modifications...");
    LoadModCatalogue(app.report, app.paths, app.modTree);
    if (app.report.shuttingDown) {
        app.host.CloseStatus(StatusWindow::StartUp);
        return;
    }
    app.host.CloseStatus(StatusWindow::StartUp);
    app.host.MainViewChanged();
    // Without a game the start has said so already.
    if (app.firstRun && !app.paths.quakeDir.empty()) RunFirstModScan(app);
}

void StartUp(Korvex& app) {
    InitProgramPaths(app);
    if (app.report.shuttingDown) return;
    if (!CheckFirstRun(app)) {
        app.report.shuttingDown = true;
        app.host.RequestClose();
        return;
    }
    LoadEverything(app);
}

std::string HandbookPath(const ProgramPaths& paths) { return JoinPath(JoinPath(paths.program, "docs"), "handbook.md"); }

std::string LastPlayerFile(const ProgramPaths& paths) { return JoinPath(paths.players, "lastplayer.dat"); }

void LoadLastPlayer(Korvex& app) {
    LineReader reader;
    if (reader.Open(LastPlayerFile(app.paths))) LoadPlayerCFG(app, reader.ReadLine());
}

bool SaveLastPlayer(Reporter& report, const ProgramPaths& paths, const std::string& name) {
    if (WriteLinesAtomically(LastPlayerFile(paths), {name})) return true;
    report.ShowError(Err::CouldntSaveFile, LastPlayerFile(paths));
    return false;
}

void ExitProgram(Korvex& app) {
    if (!app.report.shuttingDown) SavePlayerCFG(app);
    if (!app.report.shuttingDown) SaveLastPlayer(app.report, app.paths, app.currentPlayerName);
    if (app.report.shuttingDown) {
        RemoveFile(InstanceMarkerPath(app.executablePath));
        return;
    }
    SaveProgramOptions(app);
    if (!RemoveFile(InstanceMarkerPath(app.executablePath)))
        app.report.ShowError(Err::CouldntDeleteFile, "Program-Alive-Info-File");
}

void BitBtn11Click(Reporter& report) {
    report.shuttingDown = false;
    report.host.RequestClose();
}

}  // namespace korvex
