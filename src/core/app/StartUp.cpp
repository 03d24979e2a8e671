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

std::string FirstRunMarker(const Korvex& app) { return JoinPath(app.dirs.program, "korvex.ini"); }

}  // namespace

void SetProgramDirs(Korvex& app, const std::string& programDir) {
    ProgramDirs& dirs = app.dirs;
    dirs.program = WithTrailingSeparator(AbsolutePath(programDir));
    dirs.macros = JoinPath(dirs.program, "macros");
    dirs.players = JoinPath(dirs.program, "players");
    dirs.mods = JoinPath(dirs.program, "mods");
    dirs.manifests = JoinPath(dirs.program, "manifests");
    dirs.autoMod = JoinPath(dirs.program, "automod");
    dirs.backup = JoinPath(dirs.program, "backup");
    dirs.temp = JoinPath(dirs.program, "temp");
    dirs.dirSort = JoinPath(dirs.program, "dirsort");
}

namespace {

void ShowStartUpStep(Korvex& app, const std::string& text) {
    app.host.ShowStatus(StatusWindow::StartUp, text);
    app.host.ProcessPendingEvents();
}

}  // namespace

void InitProgramPaths(Korvex& app) {
    const auto cut = app.executablePath.find_last_of(kPathSeparator);
    if (cut == std::string::npos) {
        MacroLanguageError(app, 0, "Initialization", MacroErr::InvalidInstallationDirectory);
        return;
    }
    SetProgramDirs(app, app.executablePath.substr(0, cut + 1));
    if (!DirectoryExists(app.dirs.mods) && !MakeDirectory(app.dirs.mods)) {
        FatalError(app, Err::CouldntCreateDirectory, app.dirs.mods);
        return;
    }
    LoadQuakeDir(app);
    if (app.shuttingDown) return;
    LoadProgramOptions(app);
    RestoreCfgBackup(app, true);
    FinishInterruptedWork(app);
}

bool CheckFirstRun(Korvex& app) {
    app.firstRun = false;
    if (!FileExists(FirstRunMarker(app))) return true;
    if (!app.host.AskDisclaimer()) return false;
    if (!RemoveFile(FirstRunMarker(app))) {
        FatalError(app, Err::CouldntDeleteFile, FirstRunMarker(app));
        return true;
    }
    app.host.ShowMessage(Icon::Information,
                         "Welcome to Korvex!\r\n\nYou have started Korvex for the first time after installation. "
                         "Please read the handbook as it provides detailed information on how to work with Korvex "
                         "most efficiently.\r\n\nPress F1 in the main window to open it, or find it on the page "
                         "\"About / Credits\": " + HandbookPath(app),
                         Buttons::Ok);
    app.firstRun = true;
    return true;
}

void LoadEverything(Korvex& app) {
    if (app.shuttingDown) return;
    ShowMainPage(app, Page::ConfigEditor);
    app.view.visible = true;
    app.host.ShowMainWindow();
    ShowStartUpStep(app, "Adding macros...");
    LoadMacroCatalogue(app, app.dirs.macros);
    if (app.shuttingDown) {
        app.host.CloseStatus(StatusWindow::StartUp);
        return;
    }
    ShowStartUpStep(app, "Loading Player-CFG...");
    LoadLastPlayer(app);
    if (TrimBlanksAndNuls(app.currentPlayerDir).empty() || app.currentPlayerName.empty()) {
        app.host.CloseStatus(StatusWindow::StartUp);
        FatalError(app, Err::InitializationFailed, "You should re-install the program.");
        return;
    }
    ShowStartUpStep(app, "Adding Player-Models...");
    FillModelList(app);
    ShowStartUpStep(app, "Adding modifications...");
    LoadModCatalogue(app);
    if (app.shuttingDown) {
        app.host.CloseStatus(StatusWindow::StartUp);
        return;
    }
    app.host.CloseStatus(StatusWindow::StartUp);
    app.host.MainViewChanged();
    if (app.firstRun) RunCompleteModScan(app, false);
}

void StartUp(Korvex& app) {
    InitProgramPaths(app);
    if (app.shuttingDown) return;
    if (!CheckFirstRun(app)) {
        app.shuttingDown = true;
        app.host.RequestClose();
        return;
    }
    LoadEverything(app);
}

std::string HandbookPath(const Korvex& app) { return JoinPath(JoinPath(app.dirs.program, "docs"), "handbook.md"); }

std::string LastPlayerFile(const Korvex& app) { return JoinPath(app.dirs.players, "lastplayer.dat"); }

void LoadLastPlayer(Korvex& app) {
    LineReader reader;
    if (reader.Open(LastPlayerFile(app))) LoadPlayerCFG(app, reader.ReadLine());
}

bool SaveLastPlayer(Korvex& app, const std::string& name) {
    if (WriteLinesAtomically(LastPlayerFile(app), {name})) return true;
    ShowError(app, Err::CouldntSaveFile, LastPlayerFile(app));
    return false;
}

void ExitProgram(Korvex& app) {
    if (!app.shuttingDown) SavePlayerCFG(app);
    if (!app.shuttingDown) SaveLastPlayer(app, app.currentPlayerName);
    if (app.shuttingDown) {
        RemoveFile(InstanceMarkerPath(app));
        return;
    }
    SaveProgramOptions(app);
    if (!RemoveFile(InstanceMarkerPath(app))) ShowError(app, Err::CouldntDeleteFile, "Program-Alive-Info-File");
}

void BitBtn11Click(Korvex& app) {
    app.shuttingDown = false;
    app.host.RequestClose();
}

}  // namespace korvex
