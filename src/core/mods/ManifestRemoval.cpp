#include "mods/ManifestRemoval.h"

#include <algorithm>
#include <set>

#include "app/DirectoryTools.h"
#include "app/Host.h"
#include "app/Messages.h"
#include "app/PendingOperation.h"
#include "app/ProgramPaths.h"
#include "app/Reporter.h"
#include "install/ModFilesMove.h"
#include "mods/ModCatalogue.h"
#include "mods/ModManifest.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"
#include "platform/Text.h"
#include "platform/WorkInProgress.h"

namespace korvex {
namespace {

std::optional<Manifest> LoadManifest(Reporter& report, const std::string& manifestDirectory) {
    std::optional<Manifest> manifest = ReadManifest(manifestDirectory);
    if (!manifest) report.ShowError(Err::CouldntLoadFile, ManifestFilePath(manifestDirectory));
    return manifest;
}

std::vector<std::string> ChangedFiles(const std::string& quakeDir, const Manifest& manifest) {
    std::vector<std::string> changed;
    for (const ManifestFile& file : manifest)
        if (StateOf(quakeDir, file) == FileState::Changed) changed.push_back(file.path);
    return changed;
}

// Deletes an installed file that nothing replaced. A path that leads out of the game through a
// link is left alone.
bool DeleteInstalledFile(Reporter& report, const ProgramPaths& paths, const std::string& path) {
    if (!PathExists(path) || !IsBelow(path, paths.quakeDir)) return true;
    ClearReadOnly(path);
    if (RemoveFile(path)) return true;
    report.ShowError(Err::CouldntDeleteFile, path);
    return false;
}

// The copy replaces the installed file in one step and stays until the manifest goes, so that
// a repeated run puts it back again and never takes the file for one to delete.
bool PutBackReplacedFile(Reporter& report, const ProgramPaths& paths, const std::string& copy, const std::string& path) {
    if (!IsBelow(path, paths.quakeDir)) return true;
    if (CopyFileOver(copy, path)) return true;
    report.ShowError(Err::CouldntRenameFile, path);
    return false;
}

// Deepest first, so that a directory emptied by its subdirectories goes as well. The Quake II
// directory and baseq2 always stay.
void RemoveEmptyDirectoriesOf(const std::string& quakeDir, const Manifest& manifest) {
    std::set<std::string> directories;
    for (const ManifestFile& file : manifest)
        for (std::string parent = ParentDirectory(file.path); !parent.empty(); parent = ParentDirectory(parent))
            if (!EqualsIgnoringCase(parent, "baseq2")) directories.insert(parent);
    std::vector<std::string> deepestFirst(directories.begin(), directories.end());
    std::sort(deepestFirst.begin(), deepestFirst.end(), [](const std::string& a, const std::string& b) {
        return std::count(a.begin(), a.end(), kPathSeparator) > std::count(b.begin(), b.end(), kPathSeparator);
    });
    for (const std::string& directory : deepestFirst) {
        const std::string path = JoinPath(quakeDir, directory);
        if (DirectoryExists(path) && !IsSymbolicLink(path)) RemoveEmptyDirectory(path);
    }
}

bool RemoveEntry(Reporter& report, const ProgramPaths& paths, const std::string& directory) {
    const std::string entry = ModEntryPath(paths, directory);
    if (!FileExists(entry) || RemoveFile(entry)) return true;
    report.ShowError(Err::CouldntDeleteFile, entry);
    return false;
}

}  // namespace

bool RemoveModByManifest(Reporter& report, const ProgramPaths& paths, const std::string& modText, const std::string& directory) {
    if (paths.quakeDir.empty()) return false;  // the manifest's paths lie below it
    const std::optional<Manifest> manifest = LoadManifest(report, ManifestDirectory(paths, directory));
    if (!manifest) return false;
    std::vector<std::string> kept = ChangedFiles(paths.quakeDir, *manifest);
    if (!kept.empty()) {
        const ChangedModFilesAnswer answer = report.host.AskChangedModFiles({"Changed files of " + modText, kept});
        if (!answer.confirmed) return false;
        std::erase_if(kept, [&answer](const std::string& file) {
            return std::find(answer.deleted.begin(), answer.deleted.end(), file) != answer.deleted.end();
        });
    }
    PendingOperation removal{"remove-mod-files", {directory}};
    removal.arguments.insert(removal.arguments.end(), kept.begin(), kept.end());
    return RunRecorded(report, paths, removal, CarryOutManifestRemoval);
}

// The installed files go first, then the replaced ones come back. The removal is complete once
// the entry is gone; the manifest goes last.
Carried CarryOutManifestRemoval(Reporter& report, const ProgramPaths& paths, const PendingOperation& operation) {
    if (paths.quakeDir.empty()) return Carried::Partly;
    const std::string& directory = operation.arguments.at(0);
    const std::set<std::string> kept(operation.arguments.begin() + 1, operation.arguments.end());
    const std::string manifestDirectory = ManifestDirectory(paths, directory);
    if (HasManifest(manifestDirectory)) {
        const std::optional<Manifest> manifest = LoadManifest(report, manifestDirectory);
        if (!manifest) return Carried::NotAtAll;
        std::vector<std::pair<std::string, std::string>> putBack;
        for (const ManifestFile& file : *manifest) {
            if (kept.contains(file.path)) continue;
            const std::string path = ResolveCase(JoinPath(paths.quakeDir, file.path));
            const std::string copy = ResolveCase(ReplacedCopyPath(manifestDirectory, file.path));
            if (FileExists(copy))
                putBack.emplace_back(copy, path);
            else if (!DeleteInstalledFile(report, paths, path))
                return Carried::NotAtAll;
        }
        for (const auto& [copy, path] : putBack)
            if (!PutBackReplacedFile(report, paths, copy, path)) return Carried::NotAtAll;
        RemoveEmptyDirectoriesOf(paths.quakeDir, *manifest);
    }
    if (!RemoveEntry(report, paths, directory)) return Carried::NotAtAll;
    return RemoveManifest(report, paths, directory) ? Carried::Completely : Carried::Partly;
}

// Set aside first, so that no half manifest stays under the MOD's name; what stays aside the
// next start clears away.
bool RemoveManifest(Reporter& report, const ProgramPaths& paths, const std::string& directory) {
    const std::string path = ManifestDirectory(paths, directory);
    if (!PathExists(path)) return true;
    const std::string aside = DiscardedName(path);
    if (!RenamePath(path, aside)) {
        report.ShowError(Err::CouldntRemoveDirectory, path);
        return false;
    }
    RemoveDirectoryTree(report, aside);
    return true;
}

}  // namespace korvex
