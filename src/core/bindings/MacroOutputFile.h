// "<macro file>.out": what one included macro yields for one Player-CFG. Line 1 the
// category, line 2 the number of key requests minus one, three lines per key request
// (command, description, bound keys), then the console lines ending with the BIND lines.
#pragma once

#include <string>
#include <vector>

#include "macros/MacroResults.h"

namespace korvex {

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

// The output without its key-binding lines, and with the BIND line of every key request
// that has keys appended in request order.
void DropKeyBindingLines(MacroOutput& output);
void AppendBindLines(MacroOutput& output);

}  // namespace korvex
