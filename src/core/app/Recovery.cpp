#include "app/Recovery.h"

#include "app/DirectoryTools.h"
#include "app/Korvex.h"
#include "app/PendingOperation.h"
#include "app/QuakeLocation.h"
#include "mods/ModMaintenance.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"
#include "install/InstallIdentification.h"
#include "mods/LaunchFiles.h"
#include "platform/WorkInProgress.h"
#include "players/PlayerOperations.h"

namespace korvex {
namespace {

struct Finisher {
    const char* kind;
    CarryOut finish;
    const char* what;  // what was interrupted, followed by the operation's arguments
};

constexpr Finisher kFinishers[] = {
    {"rename-player", CarryOutPlayerRename, "renaming the Player-CFG"},
    {"delete-player", CarryOutPlayerDeletion, "deleting the Player-CFG"},
    {"rename-mod", CarryOutModRename, "renaming the MOD directory"},
    {"remove-mod", CarryOutModRemoval, "removing the MOD directory"},
    {"install-mod", CarryOutModFilesMove, "moving the MOD's files from"},
};

std::string Described(const Finisher& finisher, const PendingOperation& operation) {
    std::string text = finisher.what;
    for (std::size_t i = 0; i < operation.arguments.size() && i < 2; ++i)
        text += (i == 0 ? " " : " to ") + operation.arguments[i];
    return text;
}

void FinishPendingOperation(Korvex& app) {
    const std::optional<PendingOperation> operation = ReadPendingOperation(app.paths);
    if (!operation) return;
    for (const Finisher& finisher : kFinishers) {
        if (operation->kind != finisher.kind) continue;
        const Carried carried = finisher.finish(app.report, app.paths, *operation);
        if (carried != Carried::Partly && ClearPendingOperation(app.report, app.paths) &&
            carried == Carried::Completely)
            app.host.ShowMessage(Icon::Information,
                                 "Korvex was stopped while " + Described(finisher, *operation) +
                                     ". That has now been finished.",
                                 Buttons::Ok);
        return;
    }
    // A record this Korvex cannot read describes nothing it could finish.
    ClearPendingOperation(app.report, app.paths);
}

// A set-aside entry goes back into its place when its replacement never arrived; any other
// work in progress is thrown away.
void ClearWorkInProgress(Reporter& report, const std::string& directory) {
    for (const std::string& name : ListWorkInProgress(directory)) {
        const std::string path = JoinPath(ResolveCase(directory), name);
        if (name.ends_with(kSetAsideSuffix)) {
            const std::string original = path.substr(0, path.size() - kSetAsideSuffix.size());
            if (!PathExists(original) && RenamePath(path, original)) continue;
        }
        if (DirectoryExists(path) && !IsSymbolicLink(path)) {
            RemoveDirectoryTree(report, path);
        } else {
            ClearReadOnly(path);
            RemoveFile(path);
        }
    }
}

// The directory itself and its subdirectories: Korvex writes no deeper than that.
void ClearWorkInProgressBelow(Reporter& report, const std::string& directory) {
    ClearWorkInProgress(report, directory);
    for (const std::string& name : ListNames(directory, EntryKind::Directory))
        ClearWorkInProgress(report, JoinPath(directory, name));
}

}  // namespace

void FinishInterruptedWork(Korvex& app) {
    if (app.paths.quakeDir.empty()) app.paths.quakeDir = StoredQuakeDir(app.paths);
    ClearWorkInProgress(app.report, app.paths.program);
    ClearWorkInProgressBelow(app.report, app.paths.players);
    for (const std::string* directory :
         {&app.paths.mods, &app.paths.autoMod, &app.paths.macros, &app.paths.backup, &app.paths.temp})
        ClearWorkInProgress(app.report, *directory);
    if (!app.paths.quakeDir.empty()) ClearWorkInProgressBelow(app.report, app.paths.quakeDir);
    ClearWorkInProgressBelow(app.report, DefaultUserDataDir());
    FinishPendingOperation(app);
}

}  // namespace korvex
