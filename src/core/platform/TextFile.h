// Korvex's text files: one value per line, CR LF line ends, single-byte text.
#pragma once

#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "platform/AtomicFile.h"

namespace korvex {

// Reads line by line. A line read past the end of the file is empty text, so short
// files read as if padded with empty lines.
class LineReader {
public:
    bool Open(const std::string& path);
    std::string ReadLine();
    bool AtEnd();

private:
    std::ifstream stream_;
};

// Reads a count line, then calls readEntry up to that many times. It stops at the end of the
// file, so a count larger than what the file holds, or a negative one, never reads groups of
// empty lines; readEntry returning false stops it too. Returns false only in that last case.
bool ReadCountedEntries(LineReader& reader, const std::function<bool()>& readEntry);
// A count line followed by that many lines.
std::vector<std::string> ReadCountedLines(LineReader& reader);

// All lines of a file; nothing when it cannot be opened.
bool ReadAllLines(const std::string& path, std::vector<std::string>& lines);
std::string ReadFirstLine(const std::string& path);

// Writes a text file through AtomicFile: nothing of it is seen before Commit succeeds, and a
// read-only target is not replaced.
class AtomicTextWriter {
public:
    explicit AtomicTextWriter(const std::string& path,
                              AtomicFile::ExistingTarget existing = AtomicFile::ExistingTarget::Keep);

    bool IsOpen() const { return file_.IsOpen(); }
    void WriteLine(const std::string& line);
    bool Commit() { return file_.Commit(); }

private:
    AtomicFile file_;
};

bool WriteLinesAtomically(const std::string& path, const std::vector<std::string>& lines);
// True when the file holds exactly what writing lines would give it.
bool FileHoldsLines(const std::string& path, const std::vector<std::string>& lines);
bool AppendLineAtomically(const std::string& path, const std::string& line);

}  // namespace korvex
