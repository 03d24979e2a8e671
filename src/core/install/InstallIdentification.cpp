#include "install/InstallIdentification.h"

#include <algorithm>

#include "app/DirectoryTools.h"
#include "app/Korvex.h"
#include "app/Messages.h"
#include "app/PendingOperation.h"
#include "app/QuakeLocation.h"
#include "install/ModFilesMove.h"
#include "mods/ModCatalogue.h"
#include "mods/ModIdentification.h"
#include "mods/ModMaintenance.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"
#include "platform/Text.h"

namespace korvex {
namespace {

void Inform(Reporter& report, const std::string& text) {
    report.host.ShowMessage(Icon::Information, text, Buttons::Ok);
}

void Take(Identification& id, const IdentifiedMod& found, const std::string& root) {
    id.modName = found.modName;
    id.modDir = found.usualDirectory;
    id.noEntry = found.noEntry;
    id.modRoot = root;
}

// Depth first below base; relative is the path of the subdirectory below base.
bool SearchSubdirectories(Korvex& app, const std::string& base, const std::string& relative, Identification& id) {
    const std::string directory = relative.empty() ? base : JoinPath(base, relative);
    for (const std::string& subdirectory : ListNames(directory, EntryKind::Directory)) {
        const std::string name = relative.empty() ? subdirectory : JoinPath(relative, subdirectory);
        app.host.ShowInstallWindow(InstallWindow::Scanning, JoinPath(base, name));
        app.host.ProcessPendingEvents();
        const IdentifiedMod found = IdentifyModDirectory(app, base, name, false);
        if (found.found) {
            Take(id, found, JoinPath(base, name));
            return true;
        }
        if (app.report.shuttingDown || SearchSubdirectories(app, base, name, id)) return true;
    }
    return false;
}

bool DetectInstalledMod(Korvex& app, Identification& id) {
    app.host.ShowInstallWindow(InstallWindow::Scanning, "");
    bool found = false;
    for (const std::string& directory : app.install.installDirs) {
        app.host.ShowInstallWindow(InstallWindow::Scanning, directory);
        app.host.ProcessPendingEvents();
        const IdentifiedMod here = IdentifyModDirectory(app, directory, ".", false);
        if (here.found) Take(id, here, directory);
        found = here.found || SearchSubdirectories(app, directory, "", id);
        if (found || app.report.shuttingDown) break;
    }
    app.host.CloseInstallWindow(InstallWindow::Scanning);
    return found;
}

// "Localize modification" and "Identify Modification"; false when either was cancelled.
bool IdentifyManually(Korvex& app, Identification& id) {
    const ModRootAnswer root = app.host.AskForModRoot({app.install.recentFiles});
    if (!root.confirmed) {
        Inform(app.report, "Localization aborted.");
        return false;
    }
    id.modRoot = ParentDirectory(root.file);
    ModIdentityRequest request;
    request.readmeDirectory = id.modRoot;
    request.viewReadme = [&app](const std::string& file) { ViewReadme(app.report, app.launch, file); };
    const ModIdentityAnswer identity = app.host.AskModIdentity(request);
    if (!identity.confirmed) {
        Inform(app.report, "Identification aborted.");
        return false;
    }
    id.modName = identity.name;
    id.modDir = identity.directory;
    id.manual = true;
    if (IsPlainModDirectory(id.modDir) &&
        AskYesNo(app.host, "Do you want Korvex to remember this modification, so that Korvex can detect it next time?"))
        RememberModification(app.report, app.paths, id.modRoot, id.modName, id.modDir);
    return true;
}

// False when the catalogue entry could not be written.
bool RememberUpdatedMod(Reporter& report, const ProgramPaths& paths, ModTree& modTree, const Identification& id,
                        const std::string& installed) {
    const std::string directory = UpperCaseAscii(id.modDir);
    const UpdatedModAnswer answer =
        report.host.AskUpdatedModName({"Existing modification updated: " + id.modName + " (" + directory + ")"});
    if (!answer.confirmed) {
        Inform(report, "Modification's name has not been changed.");
        return true;
    }
    if (!ReplaceModEntry(report, paths, modTree, answer.name, directory)) return false;
    if (AskYesNo(report.host,
                 "Do you want Korvex to remember this installed modification, so that Korvex can detect it "
                 "next time?"))
        RememberModification(report, paths, installed, answer.name, directory);
    return true;
}

// "correctly installed" follows only when the catalogue holds the MOD; a failed write has
// shown its own message.
void RecordInstalledMod(Korvex& app, const Identification& id) {
    const std::string installed = JoinPath(app.paths.quakeDir, id.modDir);
    const IdentifiedMod found = IdentifyModDirectory(app, installed, ".", false);
    const std::string directory = UpperCaseAscii(id.modDir);
    bool recorded = true;
    // A MOD the player has just named keeps that name, whatever detection makes of it now.
    if (id.manual)
        recorded = ReplaceModEntry(app.report, app.paths, app.modTree, id.modName, directory);
    else if (!found.found && !found.noEntry)
        recorded = RememberUpdatedMod(app.report, app.paths, app.modTree, id, installed);
    else if (found.found && !found.noEntry)
        recorded = ReplaceModEntry(app.report, app.paths, app.modTree, found.modName, directory);
    if (!found.found || found.noEntry) {
        const IdentifiedMod base = IdentifyModDirectory(app, app.paths.quakeDir, "BASEQ2", true);
        if (base.found)
            recorded = ReplaceModEntry(app.report, app.paths, app.modTree, base.modName, "BASEQ2") && recorded;
    }
    if (!recorded) return;
    app.install.installedModDir = id.modDir;
    Inform(app.report, "Modification '" + id.modName + "' has been correctly installed.");
    OfferPlayerCfgAssignment(app.report, app.paths, app.modTree, app.currentPlayerName, {directory});
}

// Folders emptied by the move go, but only outside the Quake II directory: inside it an empty
// folder may be a MOD's own (save, maps), and a MOD that was already in its place moved nothing.
void RemoveEmptyDirectoriesLeft(const ProgramPaths& paths, const std::string& modRoot) {
    if (!modRoot.empty() && !IsBelow(JoinPath(modRoot, "x"), paths.quakeDir)) RemoveEmptyDirectoriesBelow(modRoot);
}

void MoveOrDeleteSelected(Reporter& report, const UnclaimedFilesAnswer& answer, std::vector<std::string>& files) {
    if (answer.action == UnclaimedAction::Delete &&
        !AskYesNo(report.host, "Do you really want to delete the selected files?"))
        return;
    for (const std::string& file : answer.selected) {
        const auto at = std::find(files.begin(), files.end(), file);
        if (at == files.end()) continue;  // only what the dialog listed
        if (answer.action == UnclaimedAction::Delete) {
            ClearReadOnly(file);
            if (!RemoveFile(file)) {
                report.ShowError(Err::CouldntDeleteFile, file);
                continue;
            }
        } else {
            const std::string destination = JoinPath(answer.target, FileName(file));
            if (PathExists(destination) || !MoveFile(file, destination)) {
                report.ShowError(Err::CouldntRenameFile, destination);
                continue;
            }
        }
        files.erase(at);
    }
}

// What the player kept of the unpacked files stays in the temporary directory until the
// next installation empties it.
void EndIdentification(Reporter& report, const ProgramPaths& paths, InstallState& install, const Identification& id,
                       bool showUnclaimed, bool afterInstall) {
    if (showUnclaimed) ShowUnclaimedFiles(report, install, afterInstall);
    if (showUnclaimed) RemoveEmptyDirectoriesLeft(paths, id.modRoot);
    RemoveEmptyDirectoriesBelow(paths.temp);
    RemoveEmptyDirectory(paths.temp);
    install.installDirs.clear();
    install.recentFiles.clear();
    install.running = false;
}

}  // namespace

void CollectFiles(InstallState& install, const std::string& directory) {
    auto& recent = install.recentFiles;
    ListFilesBelow(directory, recent);
    std::sort(recent.begin(), recent.end());
    recent.erase(std::unique(recent.begin(), recent.end()), recent.end());
}

void ShowUnclaimedFiles(Reporter& report, InstallState& install, bool afterInstall) {
    std::vector<std::string> files = std::move(install.recentFiles);
    install.recentFiles.clear();
    UnclaimedFilesRequest request;
    request.caption = afterInstall ? "Unknown files" : "Files in selected directory";
    request.text = afterInstall
                       ? "There are some files Korvex did not recognize. Below you can move and/or delete those. If "
                         "you are not absolutely sure about a file, you better do not delete it, as it may result "
                         "in serious damage to your system. Especially you shouldn't touch files installed into "
                         "your windows directory unless you know exactly what you are doing."
                       : "These files are in the directory you selected and belong to no modification. Below you "
                         "can move and/or delete those. If you are not absolutely sure about a file, you better do "
                         "not delete it.";
    while (!files.empty()) {
        std::sort(files.begin(), files.end());
        request.files = files;
        const UnclaimedFilesAnswer answer = report.host.AskUnclaimedFiles(request);
        if (answer.action == UnclaimedAction::Done) return;
        MoveOrDeleteSelected(report, answer, files);
    }
}

void RemoveEmptyDirectoriesBelow(const std::string& root) {
    for (const std::string& directory : ListNames(root, EntryKind::Directory)) {
        const std::string path = JoinPath(root, directory);
        RemoveEmptyDirectoriesBelow(path);
        RemoveEmptyDirectory(path);
    }
}

void IdentifyInstallation(Korvex& app, bool afterInstall) {
    Identification id;
    const bool detected = DetectInstalledMod(app, id);
    if (app.report.shuttingDown) return;
    const bool automatic =
        detected && AskYesNo(app.host, "Korvex identified this modification as " + id.modName + ". Is this correct?");
    if (!automatic) {
        id = {};
        CollectFiles(app.install, app.paths.temp);
        app.report.ShowError(Err::CouldntAutoDetectMod, "Autodetection failed");
        if (app.install.recentFiles.empty())
            return EndIdentification(app.report, app.paths, app.install, id, false, afterInstall);
        if (!AskYesNo(app.host, "Would you like to identify the modification yourself?"))
            return EndIdentification(app.report, app.paths, app.install, id, true, afterInstall);
        if (!IdentifyManually(app, id))
            return EndIdentification(app.report, app.paths, app.install, id, true, afterInstall);
    }
    bool filesLeft = false;
    if (!IsPlainModDirectory(id.modDir)) {
        app.report.ShowError(Err::InvalidPath, id.modDir);
        return EndIdentification(app.report, app.paths, app.install, id, true, afterInstall);
    }
    // The archives' files beside the MOD (a read-me, a map for baseq2) are offered afterwards.
    if (automatic) CollectFiles(app.install, app.paths.temp);
    const std::string target = JoinPath(app.paths.quakeDir, LowerCaseAscii(id.modDir));
    const std::string manifest = KeepsManifest(app.paths, target) ? kWithManifest : "";
    const PendingOperation move{"install-mod", {id.modRoot, target, manifest}};
    const bool moved = RunRecorded(app.report, app.paths, move, CarryOutModFilesMove);
    // What was moved, or lay in the MOD's directory already, is installed; the rest is left over.
    std::erase_if(app.install.recentFiles,
                  [&](const std::string& file) { return !PathExists(file) || IsBelow(file, target); });
    filesLeft = !app.install.recentFiles.empty();
    if (!moved) {
        app.report.ShowError(Err::ErrorCopyingFiles, "for: " + id.modName);
        return EndIdentification(app.report, app.paths, app.install, id, !automatic, afterInstall);
    }
    if (automatic && filesLeft) {
        ShowUnclaimedFiles(app.report, app.install, afterInstall);
        RemoveEmptyDirectoriesLeft(app.paths, id.modRoot);
    }
    RecordInstalledMod(app, id);
    EndIdentification(app.report, app.paths, app.install, id, !automatic, afterInstall);
}

void AddExistingMODBtnClick(Korvex& app) {
    if (app.install.running || !RequireQuakeDir(app.report, app.paths)) return;
    const DirectoryAnswer answer = app.host.ChooseDirectory({"Where's the mod?", app.paths.quakeDir});
    if (answer.confirmed) AddExistingMod(app, answer.directory);
}

// The files are collected below the same spelling of the directory that identification lists
// them from, so that each moved or already installed file leaves the list.
void AddExistingMod(Korvex& app, const std::string& directory) {
    const std::string root = WithoutTrailingSeparator(directory);
    RemoveDirectoryTree(app.report, app.paths.temp);
    app.install.running = true;
    app.install.installDirs = {root};
    app.install.recentFiles.clear();
    app.host.ShowInstallWindow(InstallWindow::Searching, directory);
    CollectFiles(app.install, root);
    app.host.CloseInstallWindow(InstallWindow::Searching);
    IdentifyInstallation(app, false);
}

}  // namespace korvex
