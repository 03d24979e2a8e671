// The state of one compile of a Player-CFG into Quake II scripts; it lives as long as the
// compile and nothing of it survives except the written scripts.
#pragma once

#include <array>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "players/PlayerCfg.h"

namespace korvex {

// One key request of a macro taking part: its bound keys, what it does, whose it is.
struct KeyEntry {
    std::string keys;
    std::string description;
    std::string player;
};

// A macro taking part, by description, and the Player-CFG that includes it.
struct MacroEntry {
    std::string description;
    std::string player;
};

struct KeyMap;
struct CompileJob;
using PrintFunction = std::function<void(const CompileJob&)>;

struct CompileJob {
    // The compiled Player-CFG, as stored.
    std::string playerName;
    std::string playerDir;
    std::string outputDir;
    bool printOnly = false;
    PrintFunction print;
    // Filled with the keyboard map when set; with mapOnly nothing at all is written.
    KeyMap* keyMap = nullptr;
    bool mapOnly = false;

    // The game is a native engine: options.cfg adds the lines it reads in place of the original's.
    bool nativeEngine = false;

    bool warnSharedKeysWithinCfg = false;
    bool warnSharedKeysByInheritance = false;

    // The option values as the Options tab holds them; the conversion turns the texts into
    // console-variable texts in place, inheritance replaces whole groups.
    PlayerCfg player;
    // The Player-CFG each option value comes from: the compiled one, or the ancestor it was taken from.
    std::array<std::string, kOptionCount> optionSources;
    // Following the chain only to show its option values: a broken chain ends it without a message,
    // the compile reports it.
    bool quiet = false;
    std::string glDriverText;
    std::string soundBitsText;
    std::string playerMipText;
    bool softwareDriver = false;

    // Inherit2 to Inherit8, narrowed link by link along the chain of ancestors.
    std::array<bool, kInheritPartCount> inherit{};

    std::vector<std::string> categories;  // sorted without regard to case, no duplicates
    std::vector<std::string> outFiles;    // full paths, ordered by file name
    std::map<std::string, MacroEntry> macroOfOutFile;  // by full path
    std::vector<MacroEntry> macroEntries;
    std::vector<KeyEntry> keyEntries;
    std::vector<MacroEntry> ancestorMacros;
    bool compileAborted = false;

    bool Inherits(InheritPart part) const { return inherit[static_cast<int>(part)]; }
    const std::string& Text(Option option) const { return player.Text(option); }
    bool Flag(Option option) const { return player.Flag(option); }
};

}  // namespace korvex
