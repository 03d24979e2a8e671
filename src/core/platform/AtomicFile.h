// Replaces a file as a whole: the new content goes to a temporary file beside the target and
// is renamed over it only when everything was written and flushed to the disk, so a full
// disk or a crash never leaves half a file. Every file Korvex writes goes through it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>

namespace korvex {

class AtomicFile {
public:
    // What becomes of a target that is read-only or a symbolic link.
    enum class ExistingTarget {
        Keep,             // a read-only file is kept (nothing opens); a link is written through
        ReplaceReadOnly,  // a read-only file is replaced, keeping its mode; a link is written through
        ReplacePlain,     // a read-only file or a link is replaced by a plain file
    };

    // Which file a path names: the existing one of any letter case, or exactly the one spelt so.
    enum class Spelling { AnyCase, Exact };

    // The temporary file carries the name of work in progress (platform/WorkInProgress.h).
    explicit AtomicFile(const std::string& path, ExistingTarget existing = ExistingTarget::Keep,
                        Spelling spelling = Spelling::AnyCase);
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    bool IsOpen() const { return fd_ >= 0; }
    void Write(std::string_view bytes);
    // The permissions the file gets; without a call, those of the file it replaces, or the
    // usual ones of a new file.
    void SetMode(mode_t mode) { mode_ = mode; }
    // False when anything failed, the flush of the directory after the rename included.
    bool Commit();

private:
    std::string target_;
    std::string temporary_;
    int fd_ = -1;
    bool failed_ = false;
    std::optional<mode_t> mode_;
};

}  // namespace korvex
