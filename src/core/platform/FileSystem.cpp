#include "platform/FileSystem.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <optional>
#include <fstream>

#include "platform/Path.h"
#include "platform/Text.h"

namespace korvex {
namespace {

namespace fs = std::filesystem;

bool EntryExists(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0;
}

std::optional<std::string> FindNameIgnoringCase(const std::string& directory, const std::string& name) {
    DIR* dir = ::opendir(directory.empty() ? "." : directory.c_str());
    if (!dir) return std::nullopt;
    std::optional<std::string> found;
    while (const dirent* entry = ::readdir(dir)) {
        if (EqualsIgnoringCase(entry->d_name, name)) {
            found = entry->d_name;
            break;
        }
    }
    ::closedir(dir);
    return found;
}

// The type and permission bits of what path names, following links; nothing when it does not exist.
std::optional<mode_t> ModeOf(const std::string& path) {
    struct stat info {};
    if (::stat(ResolveCase(path).c_str(), &info) != 0) return std::nullopt;
    return info.st_mode;
}

std::int64_t CreationTimeOf(const std::string& path) {
    struct statx info {};
    if (::statx(AT_FDCWD, path.c_str(), AT_SYMLINK_NOFOLLOW, STATX_BTIME | STATX_CTIME, &info) != 0) return 0;
    return (info.stx_mask & STATX_BTIME) ? info.stx_btime.tv_sec : info.stx_ctime.tv_sec;
}

}  // namespace

std::string ResolveCase(const std::string& path) {
    if (path.empty() || EntryExists(path)) return path;
    std::string resolved = path.front() == kPathSeparator ? std::string(1, kPathSeparator) : std::string();
    std::size_t start = resolved.size();
    while (start < path.size()) {
        std::size_t end = path.find(kPathSeparator, start);
        if (end == std::string::npos) end = path.size();
        const std::string component = path.substr(start, end - start);
        start = end + 1;
        if (component.empty()) continue;
        const std::string exact = resolved.empty() ? component : JoinPath(resolved, component);
        if (component == "." || component == ".." || EntryExists(exact)) {
            resolved = exact;
            continue;
        }
        const auto match = FindNameIgnoringCase(resolved, component);
        if (!match) {
            // Nothing further can exist below a missing component.
            return start < path.size() ? JoinPath(exact, path.substr(start)) : exact;
        }
        resolved = resolved.empty() ? *match : JoinPath(resolved, *match);
    }
    return resolved;
}

bool PathExists(const std::string& path) { return EntryExists(ResolveCase(path)); }

bool IsSymbolicLink(const std::string& path) {
    struct stat info {};
    return ::lstat(ResolveCase(path).c_str(), &info) == 0 && S_ISLNK(info.st_mode);
}

bool FileExists(const std::string& path) {
    const auto mode = ModeOf(path);
    return mode && !S_ISDIR(*mode);
}

bool DirectoryExists(const std::string& path) {
    const auto mode = ModeOf(WithoutTrailingSeparator(path));
    return mode && S_ISDIR(*mode);
}

bool RegularFileExists(const std::string& path) {
    const auto mode = ModeOf(path);
    return mode && S_ISREG(*mode);
}

std::optional<DirEntry> LookUpEntry(const std::string& path) {
    const std::string full = ResolveCase(path);
    struct stat info {};
    if (::lstat(full.c_str(), &info) != 0) return std::nullopt;
    DirEntry entry;
    entry.name = FileName(full);
    entry.isDirectory = S_ISDIR(info.st_mode);
    entry.isSymbolicLink = S_ISLNK(info.st_mode);
    entry.readOnly = (info.st_mode & S_IWUSR) == 0;
    entry.size = static_cast<std::uintmax_t>(info.st_size);
    entry.creationTime = CreationTimeOf(full);
    return entry;
}

std::vector<DirEntry> ListDirectory(const std::string& directory) {
    const std::string resolved = ResolveCase(directory);
    std::vector<DirEntry> entries;
    DIR* dir = ::opendir(resolved.c_str());
    if (!dir) return entries;
    while (const dirent* raw = ::readdir(dir)) {
        const std::string name = raw->d_name;
        if (name == "." || name == "..") continue;
        auto entry = LookUpEntry(JoinPath(resolved, name));
        if (!entry) continue;
        entry->name = name;
        entries.push_back(std::move(*entry));
    }
    ::closedir(dir);
    return entries;
}

// The copy is written beside the target and renamed over it only when complete, so a full
// disk never leaves half a file; it takes the source's permissions, so a read-only CONFIG.CFG
// comes back read-only. A target that is a symbolic link keeps its link.
bool CopyFileOver(const std::string& source, const std::string& target) {
    if (!RegularFileExists(source)) return false;
    const std::string from = ResolveCase(source);
    std::error_code error;
    const fs::path linked = fs::canonical(ResolveCase(target), error);
    const std::string to = error ? ResolveCase(target) : linked.string();
    if (DirectoryExists(to)) return false;
    const std::string temporary = to + ".korvex-new";
    {
        std::ifstream in(from, std::ios::binary);
        if (!in) return false;
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        // Inserting an empty buffer counts as a failure of the stream, an empty file is no failure.
        if (in.peek() != std::char_traits<char>::eof()) out << in.rdbuf();
        out.close();
        if (out.fail() || in.bad()) {
            std::remove(temporary.c_str());
            return false;
        }
    }
    fs::permissions(temporary, fs::status(from).permissions(), error);
    if (std::rename(temporary.c_str(), to.c_str()) != 0) {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

bool RemoveFile(const std::string& path) { return ::unlink(ResolveCase(path).c_str()) == 0; }

bool ClearReadOnly(const std::string& path) {
    std::error_code error;
    fs::permissions(ResolveCase(path), fs::perms::owner_write, fs::perm_options::add, error);
    return !error;
}

bool IsReadOnlyFile(const std::string& path) {
    const auto mode = ModeOf(path);
    return mode && !S_ISDIR(*mode) && (*mode & S_IWUSR) == 0;
}

bool CreateOneDirectory(const std::string& path) { return ::mkdir(path.c_str(), 0755) == 0; }

bool RemoveEmptyDirectory(const std::string& path) { return ::rmdir(ResolveCase(path).c_str()) == 0; }

bool RenamePath(const std::string& from, const std::string& to) {
    return ::rename(ResolveCase(from).c_str(), to.c_str()) == 0;
}

std::vector<std::string> DefaultSearchRoots() { return {"/"}; }

bool IsSkippedSystemDirectory(const std::string& path) {
    return path == "/proc" || path == "/sys" || path == "/dev" || path == "/run";
}

}  // namespace korvex
