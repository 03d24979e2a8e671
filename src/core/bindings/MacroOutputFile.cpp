#include "bindings/MacroOutputFile.h"

#include <algorithm>

#include "app/Korvex.h"
#include "bindings/KeyNames.h"
#include "macros/MacroLineReader.h"
#include "platform/Text.h"
#include "platform/TextFile.h"

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

// What Korvex itself writes: 50 key requests, 50 console lines and a BIND line for each key
// request. A text of a macro is at most one substituted macro line; a key list has no limit
// of its own, but even every key and every chord of two keys, joined, stays far below the
// bound here. Whatever a file holds beyond that is damage, and reading it could take for ever.
constexpr std::size_t kMaxOutTextLength = kMaxSubstitutedLineLength;
constexpr std::size_t kMaxOutCommands = kMaxMacroCommands + kMaxMacroKeys;
// A BIND line carries a whole key list and a whole command.
constexpr std::size_t kMaxOutBindLineLength = kMaxOutKeyListLength + kMaxOutTextLength + 16;

std::string ReadOutLine(LineReader& reader, std::size_t bound = kMaxOutTextLength) {
    std::string line = reader.ReadLine();
    if (line.size() > bound) line.resize(bound);
    return line;
}

// At most 50 console lines that are no key bindings are kept, and no binding longer than
// Korvex writes one: rewritten with a BIND line for each of up to 50 key requests, the file
// still reads back whole.
void ReadOutCommands(LineReader& reader, std::vector<std::string>& commands) {
    std::size_t consoleLines = 0;
    for (std::size_t read = 0; read < kMaxOutCommands && !reader.AtEnd(); ++read) {
        std::string line = reader.ReadLine();
        if (IsKeyBindingLine(line)) {
            if (line.size() <= kMaxOutBindLineLength) commands.push_back(std::move(line));
        } else if (consoleLines++ < kMaxMacroCommands) {
            if (line.size() > kMaxOutTextLength) line.resize(kMaxOutTextLength);
            commands.push_back(std::move(line));
        }
    }
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
        key.BoundKeys = ReadOutLine(reader, kMaxOutKeyListLength);
        output.keys.push_back(std::move(key));
    }
    ReadOutCommands(reader, output.commands);
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

std::optional<std::string> UnknownKeyOf(const MacroOutput& output) {
    for (const TKey& key : output.keys)
        if (!key.BoundKeys.empty() && !IsKeyList(key.BoundKeys)) return key.BoundKeys;
    for (const std::string& line : output.commands) {
        if (!IsKeyBindingLine(line)) continue;
        const std::string keys = line.substr(5, line.find(' ', 5) - 5);
        if (!IsKeyList(keys)) return keys;
    }
    return std::nullopt;
}

std::string UnknownKeyMessage(const std::string& keys) { return "Only Quake II key names can be bound. (" + keys + ")"; }

bool CheckOutputKeys(Reporter& report, const std::string& path, const MacroOutput& output) {
    const auto unknown = UnknownKeyOf(output);
    if (!unknown) return true;
    report.host.ShowMessage(Icon::Error, UnknownKeyMessage(*unknown + " in " + path), Buttons::Ok);
    return false;
}

void DropKeyBindingLines(MacroOutput& output) { std::erase_if(output.commands, IsKeyBindingLine); }

void AppendBindLines(MacroOutput& output) {
    for (const TKey& key : output.keys) {
        // A request without keys binds nothing; its line would be read back as a console line.
        std::string line = BindLine(key.BoundKeys, key.Command);
        if (IsKeyBindingLine(line)) output.commands.push_back(std::move(line));
    }
}

}  // namespace korvex
