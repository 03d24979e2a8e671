#include "bindings/MacroOutputFile.h"

#include <algorithm>

#include "platform/TextFile.h"
#include "platform/Text.h"

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

bool ReadMacroOutput(const std::string& path, MacroOutput& output) {
    LineReader reader;
    if (!reader.Open(path)) return false;
    output = {};
    output.category = reader.ReadLine();
    const long long lastKey = TextToIntDef(reader.ReadLine());
    // A key count beyond what the file can hold is a damaged file, not a reason to allocate.
    for (long long i = 0; i <= lastKey && !reader.AtEnd(); ++i) {
        TKey key;
        key.Command = reader.ReadLine();
        key.Description = reader.ReadLine();
        key.BoundKeys = reader.ReadLine();
        output.keys.push_back(std::move(key));
    }
    while (!reader.AtEnd()) output.commands.push_back(reader.ReadLine());
    return true;
}

std::string BindLine(const std::string& keys, const std::string& command) {
    return "BIND " + keys + " \"" + command + "\"";
}

bool IsKeyBindingLine(const std::string& line) {
    if (!StartsWithIgnoringCase(line, "BIND ")) return false;
    const auto blank = line.find(' ', 5);
    if (blank == std::string::npos || blank == 5 || line.find('"') < blank) return false;
    return line.size() >= blank + 3 && line[blank + 1] == '"' && line.back() == '"';
}

void DropKeyBindingLines(MacroOutput& output) { std::erase_if(output.commands, IsKeyBindingLine); }

void AppendBindLines(MacroOutput& output) {
    for (const TKey& key : output.keys) output.commands.push_back(BindLine(key.BoundKeys, key.Command));
}

}  // namespace korvex
