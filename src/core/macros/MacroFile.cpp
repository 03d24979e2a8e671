#include "macros/MacroFile.h"

#include "platform/FileSystem.h"

namespace korvex {

MacroFile::OpenResult MacroFile::Open(const std::string& path) {
    Close();
    const auto size = FileSizeOf(path);
    if (!size) return OpenResult::NotFound;
    if (*size > kMaxMacroFileSize) return OpenResult::TooLarge;
    const auto bytes = ReadFileBytes(path, kMaxMacroFileSize);
    if (!bytes) return OpenResult::NotFound;
    std::size_t start = 0;
    while (start < bytes->size()) {
        std::size_t end = bytes->find('\n', start);
        if (end == std::string::npos) end = bytes->size();
        std::string line = bytes->substr(start, std::min(end - start, kMaxMacroLineLength + 1));
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.size() > kMaxMacroLineLength) line.resize(kMaxMacroLineLength);
        lines_.push_back(std::move(line));
        start = end + 1;
    }
    return OpenResult::Opened;
}

void MacroFile::Close() {
    lines_.clear();
    next_ = 0;
}

std::string MacroFile::ReadLine() { return AtEnd() ? std::string() : lines_[next_++]; }

}  // namespace korvex
