#include "platform/FileSystem.h"

#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <stdio.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>

#include "platform/AtomicFile.h"
#include "platform/Path.h"
#include "platform/Text.h"
#include "platform/WorkInProgress.h"

namespace korvex {
namespace {

namespace fs = std::filesystem;

bool EntryExists(const std::string& path) {
    struct stat info {};
    return ::lstat(NativePath(path).c_str(), &info) == 0;
}

struct ListedName {
    std::string name;
    unsigned char type;  // DT_DIR, DT_REG, ...; DT_UNKNOWN where the file system does not tell
};

// The names of a directory's entries as Korvex names them, without "." and "..". A name that
// Windows-1252 cannot spell is left out: Korvex could never open it again by that name.
std::vector<ListedName> EntryNames(const std::string& directory) {
    std::vector<ListedName> names;
    DIR* dir = ::opendir(directory.empty() ? "." : NativePath(directory).c_str());
    if (!dir) return names;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string native = entry->d_name;
        if (native == "." || native == "..") continue;
        if (auto name = CoreName(native)) names.push_back({std::move(*name), entry->d_type});
    }
    ::closedir(dir);
    return names;
}

std::optional<std::string> FindNameIgnoringCase(const std::string& directory, const std::string& name) {
    for (ListedName& entry : EntryNames(directory))
        if (EqualsIgnoringCase(entry.name, name)) return std::move(entry.name);
    return std::nullopt;
}

// The type and permission bits of what path names, following links; nothing when it does not exist.
std::optional<mode_t> ModeOf(const std::string& path) {
    struct stat info {};
    if (::stat(NativePath(ResolveCase(path)).c_str(), &info) != 0) return std::nullopt;
    return info.st_mode;
}

// What path names exactly, not following a final symbolic link, in one call; nothing when
// it does not exist.
std::optional<DirEntry> StatEntry(const std::string& path) {
    struct statx info {};
    if (::statx(AT_FDCWD, NativePath(path).c_str(), AT_SYMLINK_NOFOLLOW, STATX_BASIC_STATS | STATX_BTIME, &info) != 0)
        return std::nullopt;
    DirEntry entry;
    entry.name = FileName(path);
    entry.isDirectory = S_ISDIR(info.stx_mode);
    entry.isSymbolicLink = S_ISLNK(info.stx_mode);
    entry.readOnly = (info.stx_mode & S_IWUSR) == 0;
    entry.size = static_cast<std::uintmax_t>(info.stx_size);
    entry.creationTime = (info.stx_mask & STATX_BTIME) ? info.stx_btime.tv_sec : info.stx_ctime.tv_sec;
    return entry;
}

}  // namespace

std::string NativePath(const std::string& path) { return Cp1252ToUtf8(path); }

std::optional<std::string> CoreName(const std::string& nativeName) {
    std::string name = Utf8ToCp1252(nativeName);
    if (Cp1252ToUtf8(name) != nativeName) return std::nullopt;
    return name;
}

std::string AbsolutePath(const std::string& path) {
    std::error_code error;
    const auto absolute = fs::absolute(NativePath(path), error).lexically_normal();
    const auto spelled = error ? std::nullopt : CoreName(absolute.string());
    return spelled ? *spelled : path;
}

std::string HomeDirectory() {
    const char* home = std::getenv("HOME");
    if (!home || !*home) {
        const passwd* user = ::getpwuid(::getuid());
        home = user ? user->pw_dir : nullptr;
    }
    return home && *home ? Utf8ToCp1252(home) : std::string();
}

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
    if (auto exact = StatEntry(path)) return exact;
    const std::string full = ResolveCase(path);
    return full == path ? std::nullopt : StatEntry(full);
}

// The names come from the listing itself: each is looked up as it is spelt.
std::vector<DirEntry> ListDirectory(const std::string& directory) {
    const std::string resolved = ResolveCase(directory);
    std::vector<DirEntry> entries;
    for (ListedName& listed : EntryNames(resolved)) {
        auto entry = StatEntry(JoinPath(resolved, listed.name));
        if (!entry) continue;
        entry->name = std::move(listed.name);
        entries.push_back(std::move(*entry));
    }
    return entries;
}

// Most file systems tell the kind in the listing; the others are asked entry by entry.
std::vector<std::string> ListNames(const std::string& directory, EntryKind kind) {
    const std::string resolved = ResolveCase(directory);
    std::vector<std::string> names;
    for (ListedName& listed : EntryNames(resolved)) {
        if (IsWorkInProgress(listed.name)) continue;
        bool isDirectory = listed.type == DT_DIR;
        if (listed.type == DT_UNKNOWN) {
            const auto entry = StatEntry(JoinPath(resolved, listed.name));
            if (!entry) continue;
            isDirectory = entry->isDirectory;
        }
        if (isDirectory == (kind == EntryKind::Directory)) names.push_back(std::move(listed.name));
    }
    return names;
}

std::vector<std::string> ListWorkInProgress(const std::string& directory) {
    std::vector<std::string> names;
    for (ListedName& listed : EntryNames(ResolveCase(directory)))
        if (IsWorkInProgress(listed.name)) names.push_back(std::move(listed.name));
    return names;
}

// The copy takes the source's permissions, so a read-only CONFIG.CFG comes back read-only.
bool CopyFileOver(const std::string& source, const std::string& target, AtomicFile::Spelling spelling) {
    const auto mode = ModeOf(source);
    if (!mode || !S_ISREG(*mode)) return false;
    std::ifstream in(NativePath(ResolveCase(source)), std::ios::binary);
    AtomicFile out(target, AtomicFile::ExistingTarget::ReplaceReadOnly, spelling);
    if (!in || !out.IsOpen()) return false;
    out.SetMode(*mode & 07777);
    char buffer[65536];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) out.Write({buffer, static_cast<std::size_t>(in.gcount())});
    return !in.bad() && out.Commit();
}

bool RemoveFile(const std::string& path) { return ::unlink(NativePath(ResolveCase(path)).c_str()) == 0; }

bool ClearReadOnly(const std::string& path) {
    std::error_code error;
    fs::permissions(NativePath(ResolveCase(path)), fs::perms::owner_write, fs::perm_options::add, error);
    return !error;
}

bool IsReadOnlyFile(const std::string& path) {
    const auto mode = ModeOf(path);
    return mode && !S_ISDIR(*mode) && (*mode & S_IWUSR) == 0;
}

bool CreateOneDirectory(const std::string& path) { return ::mkdir(NativePath(path).c_str(), 0755) == 0; }

bool CreateDirectories(const std::string& path) {
    std::error_code error;
    fs::create_directories(NativePath(path), error);
    return fs::is_directory(NativePath(path), error);
}

bool RemoveEmptyDirectory(const std::string& path) { return ::rmdir(NativePath(ResolveCase(path)).c_str()) == 0; }

bool RenamePath(const std::string& from, const std::string& to) {
    return ::rename(NativePath(ResolveCase(from)).c_str(), NativePath(to).c_str()) == 0;
}

bool MoveFile(const std::string& source, const std::string& target) {
    if (RenamePath(source, target)) return true;
    return CopyFileOver(source, target, AtomicFile::Spelling::Exact) && RemoveFile(source);
}

bool SwapInDirectory(const std::string& built, const std::string& target) {
    const std::string from = NativePath(ResolveCase(built));
    const std::string to = NativePath(ResolveCase(target));
    if (!EntryExists(ResolveCase(target))) return ::rename(from.c_str(), to.c_str()) == 0;
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_EXCHANGE) == 0) return true;
    if (errno != EINVAL) return false;
    // A file system that cannot exchange: the old directory steps aside under a name that the
    // next start puts back should the new one not have arrived.
    const std::string aside = SetAsideName(to);
    if (::rename(to.c_str(), aside.c_str()) != 0) return false;
    if (::rename(from.c_str(), to.c_str()) != 0) {
        ::rename(aside.c_str(), to.c_str());
        return false;
    }
    return ::rename(aside.c_str(), from.c_str()) == 0;
}

bool IsExecutableFile(const std::string& path) {
    const auto mode = ModeOf(path);
    return mode && S_ISREG(*mode) && (*mode & S_IXUSR);
}

std::string FindOnPath(const std::string& program) {
    const char* variable = std::getenv("PATH");
    std::string_view directories = variable ? variable : "";
    while (!directories.empty()) {
        const std::size_t colon = directories.find(':');
        const std::string native(directories.substr(0, colon));
        directories = colon == std::string_view::npos ? std::string_view() : directories.substr(colon + 1);
        const std::optional<std::string> directory = CoreName(native);
        if (native.empty() || !directory) continue;
        const std::string candidate = JoinPath(*directory, program);
        if (RegularFileExists(candidate) && ::access(NativePath(candidate).c_str(), X_OK) == 0) return candidate;
    }
    return {};
}

bool CreateEmptyFile(const std::string& path) {
    const int fd = ::open(NativePath(ResolveCase(path)).c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    return fd >= 0 && ::close(fd) == 0;
}

std::optional<std::uintmax_t> FileSizeOf(const std::string& path) {
    struct stat info {};
    if (::stat(NativePath(ResolveCase(path)).c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
    return static_cast<std::uintmax_t>(info.st_size);
}

std::optional<std::string> ReadFileBytes(const std::string& path, std::uintmax_t maxSize) {
    const auto mode = ModeOf(path);
    if (!mode || !S_ISREG(*mode)) return std::nullopt;
    std::ifstream in(NativePath(ResolveCase(path)), std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes;
    char buffer[65536];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        bytes.append(buffer, static_cast<std::size_t>(in.gcount()));
        if (bytes.size() > maxSize) return std::nullopt;
    }
    if (in.bad()) return std::nullopt;
    return bytes;
}

std::vector<std::string> DefaultSearchRoots() { return {"/"}; }

bool IsLocalDirectory(const std::string& path) {
    struct statfs info {};
    if (::statfs(NativePath(ResolveCase(path)).c_str(), &info) != 0) return false;
    // Network file systems and FUSE mounts (sshfs, cloud drives) may hang or never end.
    constexpr unsigned long kRemote[] = {0x6969 /* NFS */, 0x517B /* SMB */, 0xFF534D42 /* CIFS */,
                                         0xFE534D42 /* SMB2 */, 0x65735546 /* FUSE */, 0x01021997 /* 9P */,
                                         0x5346414F /* AFS */, 0x73757245 /* CODA */, 0x564C /* NCP */};
    for (unsigned long type : kRemote)
        if (static_cast<unsigned long>(info.f_type) == type) return false;
    return true;
}

bool IsSkippedSystemDirectory(const std::string& path) {
    return path == "/proc" || path == "/sys" || path == "/dev" || path == "/run";
}

}  // namespace korvex
