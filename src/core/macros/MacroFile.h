// The macro file a run reads, held as its lines: read once when the run starts, so a jump
// only moves to another line. It stays loaded while a macro waits in its dialog.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace korvex {

// A macro line holds at most 255 characters (positions in a line are bytes); whatever a
// line has beyond that is dropped when it is read, so no file can make a line grow.
inline constexpr std::size_t kMaxMacroLineLength = 255;
// The delivered macros are a few KiB; a larger file is refused rather than read.
inline constexpr std::uintmax_t kMaxMacroFileSize = 1024 * 1024;

class MacroFile {
public:
    enum class OpenResult { Opened, NotFound, TooLarge };

    OpenResult Open(const std::string& path);
    void Close();
    bool AtEnd() const { return next_ >= lines_.size(); }
    // The next line without its CR LF, cut to kMaxMacroLineLength characters; empty past the end.
    std::string ReadLine();
    // Reading goes on from the first line.
    void Rewind() { next_ = 0; }

private:
    std::vector<std::string> lines_;
    std::size_t next_ = 0;
};

}  // namespace korvex
