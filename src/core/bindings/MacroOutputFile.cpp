#include "bindings/MacroOutputFile.h"

#include "platform/TextFile.h"
#include "players/PlayerCfg.h"

namespace korvex {

MacroOutput MacroOutputOf(const TMacroResults& results) {
    MacroOutput output;
    output.category = results.MacroCat;
    output.keys.assign(results.Keys.begin(), results.Keys.begin() + (results.LastKey + 1));
    output.commands.assign(results.Commands.begin(), results.Commands.begin() + (results.LastCommand + 1));
    return output;
}

std::vector<std::string> MacroOutputLines(const MacroOutput& output) {
    std::vector<std::string> lines{output.category, std::to_string(static_cast<long long>(output.keys.size()) - 1)};
    for (const TKey& key : output.keys) {
        lines.push_back(key.Command);
        lines.push_back(key.Description);
        lines.push_back(key.BoundKeys);
    }
    lines.insert(lines.end(), output.commands.begin(), output.commands.end());
    return lines;
}

namespace {

// What Korvex itself writes: 50 key requests, 50 console lines and a BIND line for each
// key request, each line a command of 255 characters with its keys. Whatever a file holds
// beyond that is damage, and reading it could take for ever.
constexpr std::size_t kMaxOutLineLength = 1024;
constexpr std::size_t kMaxOutCommands = kMaxMacroCommands + kMaxMacroKeys;

std::string ReadOutLine(LineReader& reader) {
    std::string line = reader.ReadLine();
    if (line.size() > kMaxOutLineLength) line.resize(kMaxOutLineLength);
    return line;
}

}  // namespace

bool ReadMacroOutput(const std::string& path, MacroOutput& output) {
    LineReader reader;
    if (!reader.Open(path)) return false;
    output = {};
    output.category = ReadOutLine(reader);
    const long long lastKey = TextToIntDef(reader.ReadLine());
    for (long long i = 0; i <= lastKey && i < kMaxMacroKeys && !reader.AtEnd(); ++i) {
        TKey key;
        key.Command = ReadOutLine(reader);
        key.Description = ReadOutLine(reader);
        key.BoundKeys = ReadOutLine(reader);
        output.keys.push_back(std::move(key));
    }
    while (!reader.AtEnd() && output.commands.size() < kMaxOutCommands) output.commands.push_back(ReadOutLine(reader));
    return true;
}

std::string BindLine(const std::string& keys, const std::string& command) {
    return "BIND " + keys + " \"" + command + "\"";
}

}  // namespace korvex
