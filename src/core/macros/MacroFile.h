// The macro file a run reads line by line. It stays open while a macro waits in its dialog.
#pragma once

#include <fstream>
#include <string>

namespace korvex {

// A macro line holds at most 255 characters (positions in a line are bytes); whatever a
// line has beyond that is dropped when it is read, so no file can make a line grow.
inline constexpr std::size_t kMaxMacroLineLength = 255;

class MacroFile {
public:
    bool Open(const std::string& path);
    void Close();
    bool AtEnd();
    // The next line without its CR LF, cut to kMaxMacroLineLength characters.
    std::string ReadLine();

private:
    std::ifstream stream_;
};

}  // namespace korvex
