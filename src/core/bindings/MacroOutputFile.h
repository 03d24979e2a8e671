// "<macro file>.out": what one included macro yields for one Player-CFG. Line 1 the
// category, line 2 the number of key requests minus one, three lines per key request
// (command, description, bound keys), then the console lines ending with the BIND lines.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "macros/MacroResults.h"

namespace korvex {

struct Korvex;
struct Reporter;

// A key list read from a file is cut here; every list Korvex can write is far shorter.
inline constexpr std::size_t kMaxOutKeyListLength = 1 << 20;

struct MacroOutput {
    std::string category;
    std::vector<TKey> keys;
    std::vector<std::string> commands;
};

MacroOutput MacroOutputOf(const TMacroResults& results);
std::vector<std::string> MacroOutputLines(const MacroOutput& output);
// Reads what is there; a short file reads as if padded with empty lines.
bool ReadMacroOutput(const std::string& path, MacroOutput& output);

// "BIND <keys> \"<command>\"".
std::string BindLine(const std::string& keys, const std::string& command);
// A line of that form: "BIND", a blank, a key list without blanks, a blank and a command in
// double quotes. Only such lines are key bindings; a console command that itself starts with
// "bind " is none and passes through unchanged.
bool IsKeyBindingLine(const std::string& line);

// The first key list of a key request or of a BIND line that is not made of Quake II key
// names (a hand-edited file); none when all are.
std::optional<std::string> UnknownKeyOf(const MacroOutput& output);
// "Only Quake II key names can be bound. (<keys>)"
std::string UnknownKeyMessage(const std::string& keys);
// Reports the first such key list with the file's path; false when there was one.
bool CheckOutputKeys(Reporter& report, const std::string& path, const MacroOutput& output);

// The output without its key-binding lines, and with the BIND line of every key request
// that has keys appended in request order.
void DropKeyBindingLines(MacroOutput& output);
void AppendBindLines(MacroOutput& output);

}  // namespace korvex
