#include "platform/TextFile.h"

#include "platform/FileSystem.h"
#include "platform/Text.h"

namespace korvex {
namespace {

// Every text file Korvex writes ends its lines as Windows does.
constexpr std::string_view kLineEnd = "\r\n";

}  // namespace

// Only regular files: opening a pipe would wait for a writer for ever, a device never ends.
bool LineReader::Open(const std::string& path) {
    if (!RegularFileExists(path)) return false;
    stream_.open(NativePath(ResolveCase(path)), std::ios::binary);
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

AtomicTextWriter::AtomicTextWriter(const std::string& path, AtomicFile::ExistingTarget existing)
    : file_(path, existing) {}

void AtomicTextWriter::WriteLine(const std::string& line) {
    file_.Write(line);
    file_.Write(kLineEnd);
}

bool WriteLinesAtomically(const std::string& path, const std::vector<std::string>& lines) {
    AtomicTextWriter writer(path);
    for (const auto& line : lines) writer.WriteLine(line);
    return writer.Commit();
}

bool FileHoldsLines(const std::string& path, const std::vector<std::string>& lines) {
    std::string expected;
    for (const auto& line : lines) expected.append(line).append(kLineEnd);
    const auto bytes = ReadFileBytes(path, expected.size());
    return bytes && *bytes == expected;
}

bool AppendLineAtomically(const std::string& path, const std::string& line) {
    std::vector<std::string> lines;
    if (!ReadAllLines(path, lines)) return false;
    lines.push_back(line);
    return WriteLinesAtomically(path, lines);
}

}  // namespace korvex
