#include "install/ModFilesMove.h"

#include <filesystem>
#include <map>
#include <optional>
#include <unordered_set>

#include "app/DirectoryTools.h"
#include "app/Host.h"
#include "app/Messages.h"
#include "app/PendingOperation.h"
#include "app/ProgramPaths.h"
#include "app/Reporter.h"
#include "install/InstallIdentification.h"
#include "mods/ModManifest.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"
#include "platform/Text.h"

namespace korvex {
namespace {

struct PlannedMove {
    std::string source;
    std::string destination;  // the source itself for a file already in the MOD's directory
    bool replaces = false;    // a file is there already
    FileDigest digest;
};

// The entries of the directories the move fills, each directory listed once: looking a new
// name up in a directory of thousands of files must not list it again for every file, nor
// must asking whether it exists.
class DestinationNames {
public:
    struct Entry {
        std::string name;
        bool exists = false;
        bool isDirectory = false;
    };
    // The existing entry of name in any letter case, or a new one spelt as given, which is
    // remembered for the names that follow.
    const Entry& Find(const std::string& directory, const std::string& name) {
        auto listed = listings_.find(directory);
        if (listed == listings_.end()) {
            listed = listings_.emplace(directory, std::map<std::string, Entry>()).first;
            for (const DirEntry& entry : ListDirectory(directory))
                listed->second.emplace(LowerCaseAscii(entry.name), Entry{entry.name, true, entry.isDirectory});
        }
        return listed->second.emplace(LowerCaseAscii(name), Entry{name}).first->second;
    }

private:
    std::map<std::string, std::map<std::string, Entry>> listings_;
};

// The place below base of a relative directory: its existing directories in their spelling,
// the missing ones in lower case, as Korvex names the directories it creates.
std::string PlannedDirectory(DestinationNames& names, const std::string& base, const std::string& relative) {
    std::string directory = base;
    std::size_t start = 0;
    while (start < relative.size()) {
        auto end = relative.find(kPathSeparator, start);
        if (end == std::string::npos) end = relative.size();
        const std::string component = LowerCaseAscii(relative.substr(start, end - start));
        directory = JoinPath(directory, names.Find(directory, component).name);
        start = end + 1;
    }
    return directory;
}

// Where each file goes and, for the manifest, what it holds. Nothing is created yet.
bool PlanMoves(const ProgramPaths& paths, const std::string& root, const std::string& target, bool withManifest,
               std::vector<PlannedMove>& moves) {
    std::vector<std::string> files;
    ListFilesBelow(root, files);
    DestinationNames names;
    std::map<std::string, std::string> directories;  // relative directory -> its place below target
    // A root in the MOD's directory holds files already installed, as "Add existing MOD" finds them.
    const bool inPlace = IsBelow(JoinPath(root, "x"), target);
    for (const std::string& file : files) {
        FileDigest digest{FileSizeOf(file).value_or(0), {}};
        if (withManifest) {
            const std::optional<FileDigest> read = DigestOfFile(file);
            if (!read) return false;
            digest = *read;
        }
        if (inPlace) {
            moves.push_back({file, file, false, digest});
            continue;
        }
        const std::string relative = RelativeTo(file, root);
        const std::string parent = ParentDirectory(relative);
        auto planned = directories.find(parent);
        if (planned == directories.end()) {
            const std::string directory = PlannedDirectory(names, target, parent);
            if (!IsBelow(JoinPath(directory, "x"), paths.quakeDir)) return false;
            planned = directories.emplace(parent, directory).first;
        }
        const DestinationNames::Entry& existing = names.Find(planned->second, FileName(relative));
        if (existing.isDirectory) return false;
        moves.push_back({file, JoinPath(planned->second, existing.name), existing.exists, digest});
    }
    return true;
}

// Copies the file a move replaces into the manifest directory.
bool CopyReplacedFile(const std::string& file, const std::string& copy) {
    return CreateDirectories(ParentDirectory(copy)) && CopyFileOver(file, copy);
}

// A manifest that could not be completed leaves nothing behind: not the copies made for it, nor
// a directory made for it.
void DiscardUnrecorded(Reporter& report, const std::string& directory, bool existed,
                       const std::vector<std::string>& copies) {
    if (!existed) {
        RemoveDirectoryTree(report, directory);
        return;
    }
    for (const std::string& copy : copies) RemoveFile(copy);
    RemoveEmptyDirectoriesBelow(directory);
}

// The manifest takes the moves before any file moves: a new path with its copy of the file
// it replaces, an installed one with its new content. A path already recorded with this
// content was recorded by an interrupted run of the same move, or installed unchanged.
bool RecordMoves(Reporter& report, const ProgramPaths& paths, const std::string& target, const std::vector<PlannedMove>& moves) {
    const std::string directory = ManifestDirectory(paths, FileName(target));
    const bool existed = DirectoryExists(directory);
    std::optional<Manifest> manifest = HasManifest(directory) ? ReadManifest(directory) : Manifest();
    if (!manifest) {
        report.ShowError(Err::CouldntLoadFile, ManifestFilePath(directory));
        return false;
    }
    std::map<std::string, std::size_t> recorded;
    for (std::size_t i = 0; i < manifest->size(); ++i) recorded.emplace((*manifest)[i].path, i);
    std::vector<std::string> copies;
    for (const PlannedMove& move : moves) {
        const std::string path = RelativeTo(move.destination, paths.quakeDir);
        if (const auto at = recorded.find(path); at != recorded.end()) {
            (*manifest)[at->second].digest = move.digest;
            continue;
        }
        const std::string copy = ReplacedCopyPath(directory, path);
        if (move.replaces) {
            if (!CopyReplacedFile(move.destination, copy)) {
                report.ShowError(Err::CouldntSaveFile, copy);
                DiscardUnrecorded(report, directory, existed, copies);
                return false;
            }
            copies.push_back(copy);
        }
        recorded.emplace(path, manifest->size());
        manifest->push_back({move.digest, path});
    }
    if (WriteManifest(directory, *manifest)) return true;
    report.ShowError(Err::CouldntSaveFile, ManifestFilePath(directory));
    DiscardUnrecorded(report, directory, existed, copies);
    return false;
}

bool MoveOneFile(const PlannedMove& move) {
    if (move.destination == move.source) return true;
    const std::string directory = ParentDirectory(move.destination);
    if (!DirectoryExists(directory) && !CreateDirectories(directory)) return false;
    if (move.replaces) ClearReadOnly(move.destination);
    return MoveFile(move.source, move.destination);
}

}  // namespace

void ListFilesBelow(const std::string& directory, std::vector<std::string>& files) {
    for (const DirEntry& entry : ListDirectory(directory)) {
        const std::string path = JoinPath(directory, entry.name);
        if (entry.isDirectory)
            ListFilesBelow(path, files);
        else
            files.push_back(path);
    }
}

bool IsBelow(const std::string& path, const std::string& directory) {
    std::error_code error;
    const auto real = std::filesystem::weakly_canonical(NativePath(path), error).string();
    const auto base = std::filesystem::weakly_canonical(NativePath(directory), error).string();
    return !error && !RelativeTo(real, base).empty();
}

bool KeepsManifest(const ProgramPaths& paths, const std::string& target) {
    const std::string directory = FileName(target);
    return !DirectoryExists(target) || EqualsIgnoringCase(directory, "baseq2") ||
           HasManifest(ManifestDirectory(paths, directory));
}

bool InstallModFiles(Reporter& report, const ProgramPaths& paths, const std::string& root, const std::string& target,
                     bool withManifest) {
    report.host.ShowInstallWindow(InstallWindow::Copying, "");
    std::vector<PlannedMove> moves;
    const std::string base = ResolveCase(target);
    bool moved = IsBelow(JoinPath(base, "x"), paths.quakeDir) && PlanMoves(paths, root, base, withManifest, moves) &&
                 (!withManifest || RecordMoves(report, paths, base, moves));
    InstallProgress progress{0, static_cast<int>(moves.size()), 0, 0};
    for (const PlannedMove& move : moves) progress.bytes += move.digest.size;
    for (std::size_t i = 0; moved && i < moves.size(); ++i) {
        report.host.ShowInstallWindow(InstallWindow::Copying, moves[i].source, progress);
        report.host.ProcessPendingEvents();
        moved = MoveOneFile(moves[i]);
        if (!moved) break;
        ++progress.filesDone;
        progress.bytesDone += moves[i].digest.size;
    }
    if (moved && !moves.empty()) report.host.ShowInstallWindow(InstallWindow::Copying, moves.back().source, progress);
    report.host.CloseInstallWindow(InstallWindow::Copying);
    return moved;
}

// The move into the game is recorded, so that the next start finishes one a kill interrupted.
// A file that cannot be moved ends it for good: what moved stays, and the caller says so.
Carried CarryOutModFilesMove(Reporter& report, const ProgramPaths& paths, const PendingOperation& operation) {
    if (paths.quakeDir.empty()) return Carried::Partly;
    const auto& arguments = operation.arguments;
    const bool withManifest = arguments.size() > 2 && arguments[2] == kWithManifest;
    const bool moved = InstallModFiles(report, paths, arguments.at(0), arguments.at(1), withManifest);
    return moved ? Carried::Completely : Carried::NotAtAll;
}

}  // namespace korvex
