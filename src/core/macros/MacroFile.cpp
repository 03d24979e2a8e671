#include "macros/MacroFile.h"

#include "platform/FileSystem.h"

namespace korvex {

bool MacroFile::Open(const std::string& path) {
    Close();
    if (!RegularFileExists(path)) return false;
    stream_.open(NativePath(ResolveCase(path)), std::ios::binary);
    return stream_.is_open();
}

void MacroFile::Close() {
    if (stream_.is_open()) stream_.close();
    stream_.clear();
}

bool MacroFile::AtEnd() { return !stream_.is_open() || stream_.peek() == std::char_traits<char>::eof(); }

std::string MacroFile::ReadLine() {
    std::string line;
    if (!stream_.is_open()) return line;
    for (int c = stream_.get(); c != std::char_traits<char>::eof() && c != '\n'; c = stream_.get())
        if (line.size() <= kMaxMacroLineLength) line.push_back(static_cast<char>(c));
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.size() > kMaxMacroLineLength) line.resize(kMaxMacroLineLength);
    return line;
}

}  // namespace korvex
