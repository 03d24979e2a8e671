#include "players/PlayerDataFiles.h"

#include "platform/Text.h"
#include "platform/TextFile.h"

namespace korvex {

std::optional<BindingsFile> ReadBindingsFile(const std::string& path) {
    LineReader reader;
    if (!reader.Open(path)) return std::nullopt;
    BindingsFile file;
    ReadCountedEntries(reader, [&] {
        BindingsEntry entry;
        entry.fileName = reader.ReadLine();
        entry.description = reader.ReadLine();
        entry.category = reader.ReadLine();
        file.entries.push_back(std::move(entry));
        return true;
    });
    file.complete = reader.AtEnd();
    return file;
}

std::optional<OptionsFile> ReadOptionsFile(const std::string& path) {
    LineReader reader;
    if (!reader.Open(path)) return std::nullopt;
    OptionsFile file;
    for (int line = 0; line < kOptionCount; ++line) {
        file.values[line] = reader.ReadLine();
        // Check boxes hold exactly "TRUE" or "FALSE", whatever the file wrote.
        if (IsFlagOption(static_cast<Option>(line))) file.values[line] = BoolToText(TextToBool(file.values[line]));
    }
    file.complete = reader.AtEnd();
    return file;
}

std::optional<SpecialFile> ReadSpecialFile(const std::string& path) {
    LineReader reader;
    if (!reader.Open(path)) return std::nullopt;
    SpecialFile file;
    file.special1 = TextToBool(reader.ReadLine());
    file.inherit1 = reader.ReadLine();
    for (bool& part : file.inherit) part = TextToBool(reader.ReadLine());
    file.additionalCommands = TextToBool(reader.ReadLine());
    file.additionalCommandLines = ReadCountedLines(reader);
    if (!file.additionalCommands) file.additionalCommandLines.clear();
    file.complete = reader.AtEnd();
    return file;
}

std::vector<std::string> BindingsFileLines(const std::vector<BindingsEntry>& entries) {
    std::vector<std::string> lines{std::to_string(entries.size())};
    for (const BindingsEntry& entry : entries) lines.insert(lines.end(), {entry.fileName, entry.description, entry.category});
    return lines;
}

std::vector<std::string> OptionsFileLines(const OptionValues& values) { return {values.begin(), values.end()}; }

std::vector<std::string> SpecialFileLines(const SpecialFile& special) {
    std::vector<std::string> lines{BoolToText(special.special1), special.inherit1};
    for (bool part : special.inherit) lines.push_back(BoolToText(part));
    lines.push_back(BoolToText(special.additionalCommands));
    if (!special.additionalCommands) {
        lines.push_back("0");
        return lines;
    }
    lines.push_back(std::to_string(special.additionalCommandLines.size()));
    lines.insert(lines.end(), special.additionalCommandLines.begin(), special.additionalCommandLines.end());
    return lines;
}

SpecialFile SpecialFileOf(const PlayerCfg& cfg) {
    return {cfg.special1, cfg.inherit1, cfg.inherit, cfg.additionalCommands, cfg.additionalCommandLines, true};
}

}  // namespace korvex
