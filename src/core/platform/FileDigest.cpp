#include "platform/FileDigest.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <xxhash.h>

#include <cerrno>
#include <cstdio>
#include <vector>

#include "platform/FileSystem.h"

namespace korvex {

void DigestBuilder::Free::operator()(XXH3_state_s* state) const { XXH3_freeState(state); }

DigestBuilder::DigestBuilder() : state_(XXH3_createState()) { XXH3_128bits_reset(state_.get()); }

void DigestBuilder::Add(std::string_view bytes) {
    XXH3_128bits_update(state_.get(), bytes.data(), bytes.size());
    size_ += bytes.size();
}

FileDigest DigestBuilder::Finish() const {
    const XXH128_hash_t value = XXH3_128bits_digest(state_.get());
    char hex[33];
    std::snprintf(hex, sizeof hex, "%016llx%016llx", static_cast<unsigned long long>(value.high64),
                  static_cast<unsigned long long>(value.low64));
    return {size_, hex};
}

namespace {

// Opened without blocking, so that a pipe in a file's place is refused, not waited for.
class ReadOnlyFile {
public:
    explicit ReadOnlyFile(const std::string& path) : fd_(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)) {}
    ~ReadOnlyFile() {
        if (fd_ >= 0) ::close(fd_);
    }
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

    bool IsRegularFile() const {
        struct stat info {};
        return fd_ >= 0 && ::fstat(fd_, &info) == 0 && S_ISREG(info.st_mode);
    }
    int fd() const { return fd_; }

private:
    int fd_;
};

}  // namespace

// The spelling given is tried first: an installation hashes thousands of files it has just listed.
std::optional<FileDigest> DigestOfFile(const std::string& path) {
    std::optional<ReadOnlyFile> file(std::in_place, NativePath(path));
    if (!file->IsRegularFile()) file.emplace(NativePath(ResolveCase(path)));
    if (!file->IsRegularFile()) return std::nullopt;
    DigestBuilder digest;
    std::vector<char> buffer(256 * 1024);
    for (;;) {
        const ssize_t got = ::read(file->fd(), buffer.data(), buffer.size());
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return std::nullopt;
        if (got == 0) return digest.Finish();
        digest.Add({buffer.data(), static_cast<std::size_t>(got)});
    }
}

}  // namespace korvex
