#include "app/Recovery.h"

#include "app/DirectoryTools.h"
#include "app/Korvex.h"
#include "app/PendingOperation.h"
#include "app/QuakeLocation.h"
#include "install/InstallIdentification.h"
#include "install/ModFilesMove.h"
#include "mods/LaunchFiles.h"
#include "mods/ManifestRemoval.h"
#include "mods/ModMaintenance.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"
#include "platform/WorkInProgress.h"
#include "players/PlayerOperations.h"

namespace korvex {
namespace {

struct Finisher {
    const char* kind;
    CarryOut finish;
    const char* what;  // what was interrupted, followed by the operation's first arguments
    std::size_t named;  // how many arguments follow it
};

constexpr Finisher kFinishers[] = {
    {"rename-player", CarryOutPlayerRename, "renaming the Player-CFG", 2},
    {"delete-player", CarryOutPlayerDeletion, "deleting the Player-CFG", 2},
    {"rename-mod", CarryOutModRename, "renaming the MOD directory", 2},
    {"remove-mod", CarryOutModRemoval, "removing the MOD directory", 2},
    {"remove-mod-files", CarryOutManifestRemoval, "removing the files of the MOD", 1},
    {"install-mod", CarryOutModFilesMove, "moving the MOD's files from", 2},
};

std::string Described(const Finisher& finisher, const PendingOperation& operation) {
    std::string text = finisher.what;
    for (std::size_t i = 0; i < operation.arguments.size() && i < finisher.named; ++i)
        text += (i == 0 ? " " : " to ") + operation.arguments[i];
    return text;
}

void FinishPendingOperation(Reporter& report, const ProgramPaths& paths) {
    const std::optional<PendingOperation> operation = ReadPendingOperation(paths);
    if (!operation) return;
    for (const Finisher& finisher : kFinishers) {
        if (operation->kind != finisher.kind) continue;
        const Carried carried = finisher.finish(report, paths, *operation);
        if (carried != Carried::Partly && ClearPendingOperation(report, paths) && carried == Carried::Completely)
            report.host.ShowMessage(
                Icon::Information,
                "Korvex was stopped while " + Described(finisher, *operation) + ". That has now been finished.",
                Buttons::Ok);
        return;
    }
    // A record this Korvex cannot read describes nothing it could finish.
    ClearPendingOperation(report, paths);
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

void FinishInterruptedWork(Reporter& report, ProgramPaths& paths) {
    if (paths.quakeDir.empty()) paths.quakeDir = StoredQuakeDir(paths);
    ClearWorkInProgress(report, paths.program);
    ClearWorkInProgressBelow(report, paths.players);
    ClearWorkInProgressBelow(report, paths.manifests);
    for (const std::string* directory : {&paths.mods, &paths.autoMod, &paths.macros, &paths.backup, &paths.temp})
        ClearWorkInProgress(report, *directory);
    if (!paths.quakeDir.empty()) ClearWorkInProgressBelow(report, paths.quakeDir);
    ClearWorkInProgressBelow(report, DefaultUserDataDir());
    FinishPendingOperation(report, paths);
}

}  // namespace korvex
