// What one run of a macro yields: its descriptions, console commands and key requests.
#pragma once

#include <array>
#include <string>

namespace korvex {

inline constexpr int kMaxMacroCommands = 50;
inline constexpr int kMaxMacroKeys = 50;

struct TKey {
    std::string Command;      // the console command or alias a key is bound to
    std::string Description;  // shown when asking for the key
    std::string BoundKeys;    // empty after the run; filled by key capture
};

struct TMacroResults {
    std::string MacroCat;
    std::string MacroDetailDesc;
    std::string MacroDesc;
    int LastCommand = -1;  // index of the last used entry of Commands
    int LastKey = -1;      // index of the last used entry of Keys
    std::array<std::string, kMaxMacroCommands> Commands;
    std::array<TKey, kMaxMacroKeys> Keys;
};

}  // namespace korvex
