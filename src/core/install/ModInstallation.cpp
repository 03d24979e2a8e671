#include "install/ModInstallation.h"

#include <algorithm>
#include <ctime>

#include "app/DirectoryTools.h"
#include "app/Korvex.h"
#include "app/Messages.h"
#include "app/QuakeLocation.h"
#include "install/ArchiveExtraction.h"
#include "install/InstallIdentification.h"
#include "install/NewFileSearch.h"
#include "mods/LaunchFiles.h"
#include "platform/FileSystem.h"
#include "platform/ListLookup.h"
#include "platform/Path.h"
#include "platform/Text.h"

namespace korvex {
namespace {

// A network path that no drive or mount point makes local.
bool IsUnmappedNetworkPath(const std::string& file) {
    return file.starts_with("\\\\") || file.starts_with("//") || file.find("://") != std::string::npos;
}

// False when the player cancelled the whole installation.
bool ChooseFiles(Host& host, InstallState& install, bool multiple) {
    for (;;) {
        const std::vector<std::string> chosen = host.ChooseInstallFiles({multiple});
        if (chosen.empty()) return true;
        for (const std::string& file : chosen) {
            if (IsUnmappedNetworkPath(file))
                host.ShowMessage(Icon::Error,
                                 "You cannot install a modification from unmapped network drives: " + file + ".",
                                 Buttons::Ok);
            else
                install.fileList.push_back(file);
        }
        if (!multiple) return true;
        const Button more =
            host.ShowMessage(Icon::Question, "Add more files to the installation list?", Buttons::YesNoCancel);
        if (more == Button::Cancel) return false;
        if (more == Button::No) return true;
    }
}

void ContinueInstallQueue(Korvex& app) {
    if (!app.install.fileList.empty())
        app.host.Post([&app] { InstallNextFile(app); });
    else
        app.host.Post([&app] { IdentifyInstallation(app, true); });
}

void ExtractIntoTemp(Reporter& report, const ProgramPaths& paths, InstallState& install, const std::string& file) {
    AddOnce(install.installDirs, paths.temp);
    report.host.ShowInstallWindow(InstallWindow::Extracting, FileName(file));
    report.host.ProcessPendingEvents();
    std::string refusal;
    const bool extracted = ExtractArchive(file, paths.temp, refusal, [&](const InstallProgress& progress) {
        report.host.ShowInstallWindow(InstallWindow::Extracting, FileName(file), progress);
        report.host.ProcessPendingEvents();
    });
    report.host.CloseInstallWindow(InstallWindow::Extracting);
    if (extracted) return;
    install.archiveRefused = true;
    report.ShowError(Err::CouldntExtractArchive, file + ": " + refusal);
}

void SearchForNewFiles(Host& host, InstallState& install, const std::vector<std::string>& searchRoots) {
    host.ShowInstallWindow(InstallWindow::Searching, "");
    NewFiles found;
    std::vector<std::string> roots = searchRoots;
    roots.push_back(WinePrefix());
    ScanForNewFiles(roots, install.setupStartTime, found, [&host](const std::string& directory) {
        host.ShowInstallWindow(InstallWindow::Searching, directory);
        host.ProcessPendingEvents();
        return !host.InstallWindowCancelled(InstallWindow::Searching);
    });
    host.CloseInstallWindow(InstallWindow::Searching);
    for (const std::string& directory : found.directories) AddOnce(install.installDirs, directory);
    auto& recent = install.recentFiles;
    recent.insert(recent.end(), found.files.begin(), found.files.end());
    std::sort(recent.begin(), recent.end());
    recent.erase(std::unique(recent.begin(), recent.end()), recent.end());
}

}  // namespace

void InstallNewMODButtonClick(Korvex& app) {
    if (app.install.running || !RequireQuakeDir(app.report, app.paths)) return;
    RemoveDirectoryTree(app.report, app.paths.temp);
    app.install.fileList.clear();
    const DistributionKind kind = app.host.AskDistributionKind();
    if (kind == DistributionKind::Cancel) return;
    if (!ChooseFiles(app.host, app.install, kind == DistributionKind::Multiple)) {
        app.install.fileList.clear();
        return;
    }
    StartInstallation(app);
}

bool StartInstallation(Korvex& app) {
    InstallState& install = app.install;
    if (DirectoryExists(app.paths.temp) && !RemoveDirectoryTree(app.report, app.paths.temp)) {
        app.report.ShowError(Err::CouldntRemoveDirectory, app.paths.temp);
        return false;
    }
    if (!MakeDirectory(app.paths.temp)) {
        app.report.ShowError(Err::CouldntCreateDirectory, app.paths.temp);
        return false;
    }
    install.running = true;
    install.archiveRefused = false;
    install.installedModDir.clear();
    install.installDirs.clear();
    install.recentFiles.clear();
    install.startTime = std::time(nullptr);
    ContinueInstallQueue(app);
    return true;
}

void InstallNextFile(Korvex& app) {
    InstallState& install = app.install;
    if (install.fileList.empty()) return ContinueInstallQueue(app);
    const std::string file = install.fileList.front();
    install.fileList.pop_front();
    if (EndsWithIgnoringCase(file, ".exe") && !IsPlainArchive(file)) return RunSetupProgram(app, file);
    ExtractIntoTemp(app.report, app.paths, app.install, file);
    ContinueInstallQueue(app);
}

void SetSetupProgram(TExecFile& exec, const std::string& file) {
    exec.CommandLine = ResolveCase(file);
    exec.Interpreter = IsWindowsProgram(file) && !FindOnPath("wine").empty() ? "wine" : "";
    exec.Parameters.clear();
}

void RunSetupProgram(Korvex& app, const std::string& file) {
    InstallState& install = app.install;
    const Button answer = app.host.ShowMessage(
        Icon::Question,
        "The file " + file + " is not a ZIP- or SFX-File. Maybe this is an InstallShield application. " +
            "Korvex will now run the this file. If you are asked for a location, enter a path containing *NO* files "
            "to help Korvex detecting what you've installed.",
        Buttons::OkCancel);
    install.setupStartTime = std::time(nullptr);
    install.setupWokenUp = false;
    install.setupOutcome = SetupOutcome::Declined;
    if (answer == Button::Ok) {
        TExecFile& exec = install.installShieldExecFile;
        SetSetupProgram(exec, file);
        exec.OnFail = [&app](TExecFile&) {
            app.install.setupOutcome = SetupOutcome::Failed;
            app.report.ShowError(Err::CouldntExecFile, "possibly no InstallShield");
        };
        install.setupOutcome = SetupOutcome::Started;
        exec.Execute(app.host);
    }
    app.host.StartInstallShieldTimer([&app] { InstallShieldTimerTimer(app); });
    // Only a running program is waited for: a declined or failed start ends the step at the
    // next tick, as no program could have installed anything.
    if (install.setupOutcome == SetupOutcome::Started) app.host.ShowSetupRunning([&app] { WakeUpClick(app.install); });
}

void InstallShieldTimerTimer(Korvex& app) {
    InstallState& install = app.install;
    if (install.setupWokenUp) return FinishSetupProgram(app, true);
    switch (install.setupOutcome) {
        case SetupOutcome::Declined:
        case SetupOutcome::Failed: return FinishSetupProgram(app, false);
        case SetupOutcome::Started:
            if (!install.installShieldExecFile.ProcessGroupRunning()) FinishSetupProgram(app, true);
            return;
    }
}

void WakeUpClick(InstallState& install) { install.setupWokenUp = true; }

void FinishSetupProgram(Korvex& app, bool search) {
    app.host.StopInstallShieldTimer();
    app.host.CloseSetupRunning();
    app.host.ProcessPendingEvents();
    if (search) SearchForNewFiles(app.host, app.install, app.quakeSearchRoots);
    ContinueInstallQueue(app);
}

}  // namespace korvex
