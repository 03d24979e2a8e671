#include "platform/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>

#include "platform/FileSystem.h"
#include "platform/Path.h"
#include "platform/WorkInProgress.h"

namespace korvex {
namespace {

// The file a symbolic link leads to, so that writing keeps the link; the path itself when it
// is no link or leads nowhere.
std::string LinkTarget(const std::string& nativePath) {
    char resolved[PATH_MAX];
    struct stat info {};
    if (::lstat(nativePath.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return nativePath;
    return ::realpath(nativePath.c_str(), resolved) ? std::string(resolved) : nativePath;
}

// The file that is written: a link is followed unless it is to be replaced.
std::string TargetOf(const std::string& path, AtomicFile::ExistingTarget existing, AtomicFile::Spelling spelling) {
    const std::string named = NativePath(spelling == AtomicFile::Spelling::Exact ? path : ResolveCase(path));
    return existing == AtomicFile::ExistingTarget::ReplacePlain ? named : LinkTarget(named);
}

bool SyncDirectory(const std::string& nativeDirectory) {
    const int fd = ::open(nativeDirectory.empty() ? "." : nativeDirectory.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
}

}  // namespace

AtomicFile::AtomicFile(const std::string& path, ExistingTarget existing, Spelling spelling)
    : target_(TargetOf(path, existing, spelling)),
      temporary_(BuildingName(target_)) {
    struct stat info {};
    const bool plain = existing == ExistingTarget::ReplacePlain;
    if ((plain ? ::lstat(target_.c_str(), &info) : ::stat(target_.c_str(), &info)) == 0) {
        // A rename would replace even a read-only file; such a file is kept, as the system keeps it.
        if (S_ISDIR(info.st_mode) || (existing == ExistingTarget::Keep && (info.st_mode & S_IWUSR) == 0)) return;
        if (!plain) mode_ = info.st_mode & 07777;
    }
    fd_ = ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
}

AtomicFile::~AtomicFile() {
    if (fd_ < 0) return;
    ::close(fd_);
    ::unlink(temporary_.c_str());
}

void AtomicFile::Write(std::string_view bytes) {
    while (fd_ >= 0 && !failed_ && !bytes.empty()) {
        const ssize_t written = ::write(fd_, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) failed_ = true;
        else bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

bool AtomicFile::Commit() {
    if (fd_ < 0) return false;
    bool done = !failed_ && (!mode_ || ::fchmod(fd_, *mode_) == 0) && ::fsync(fd_) == 0;
    done = ::close(fd_) == 0 && done;
    fd_ = -1;
    done = done && ::rename(temporary_.c_str(), target_.c_str()) == 0;
    if (!done) {
        ::unlink(temporary_.c_str());
        return false;
    }
    return SyncDirectory(ParentDirectory(target_));
}

}  // namespace korvex
