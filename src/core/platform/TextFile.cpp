#include "platform/TextFile.h"

#include <cstdio>
#include <unistd.h>

#include "platform/FileSystem.h"
#include "platform/Text.h"

namespace korvex {

// Only regular files: opening a pipe would wait for a writer for ever, a device never ends.
bool LineReader::Open(const std::string& path) {
    if (!RegularFileExists(path)) return false;
    stream_.open(ResolveCase(path), std::ios::binary);
    return stream_.is_open();
}

std::string LineReader::ReadLine() {
    std::string line;
    if (!stream_.is_open() || !std::getline(stream_, line)) return {};
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line;
}

bool LineReader::AtEnd() {
    return !stream_.is_open() || stream_.peek() == std::char_traits<char>::eof();
}

bool ReadCountedEntries(LineReader& reader, const std::function<bool()>& readEntry) {
    for (long long left = TextToIntDef(reader.ReadLine()); left > 0 && !reader.AtEnd(); --left)
        if (!readEntry()) return false;
    return true;
}

std::vector<std::string> ReadCountedLines(LineReader& reader) {
    std::vector<std::string> lines;
    ReadCountedEntries(reader, [&] {
        lines.push_back(reader.ReadLine());
        return true;
    });
    return lines;
}

bool ReadAllLines(const std::string& path, std::vector<std::string>& lines) {
    LineReader reader;
    if (!reader.Open(path)) return false;
    lines.clear();
    while (!reader.AtEnd()) lines.push_back(reader.ReadLine());
    return true;
}

std::string ReadFirstLine(const std::string& path) {
    LineReader reader;
    return reader.Open(path) ? reader.ReadLine() : std::string();
}

AtomicTextWriter::AtomicTextWriter(const std::string& path, const std::string& temporarySuffix)
    : target_(ResolveCase(path)), temporary_(target_ + temporarySuffix) {
    // A rename would replace even a read-only file; such a file is kept, as the system keeps it.
    if (DirectoryExists(target_) || IsReadOnlyFile(target_)) return;
    stream_.open(temporary_, std::ios::binary | std::ios::trunc);
}

AtomicTextWriter::~AtomicTextWriter() {
    if (!committed_ && stream_.is_open()) {
        stream_.close();
        std::remove(temporary_.c_str());
    }
}

void AtomicTextWriter::WriteLine(const std::string& line) { stream_ << line << "\r\n"; }

bool AtomicTextWriter::Commit() {
    if (!stream_.is_open()) return false;
    stream_.flush();
    const bool written = !stream_.fail();
    stream_.close();
    if (!written || stream_.fail() || std::rename(temporary_.c_str(), target_.c_str()) != 0) {
        std::remove(temporary_.c_str());
        return false;
    }
    committed_ = true;
    return true;
}

bool WriteLinesAtomically(const std::string& path, const std::vector<std::string>& lines) {
    AtomicTextWriter writer(path);
    for (const auto& line : lines) writer.WriteLine(line);
    return writer.Commit();
}

bool AppendLineAtomically(const std::string& path, const std::string& line) {
    std::vector<std::string> lines;
    if (!ReadAllLines(path, lines)) return false;
    lines.push_back(line);
    return WriteLinesAtomically(path, lines);
}

}  // namespace korvex
