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

}  // namespace korvex
