// The three data files of a Player-CFG, each read and written in one place: bindings.dat
// (included macros), options.dat (42 values) and special.dat (inheritance and additional
// commands). A line read past the end of a file is empty text; `complete` says whether the
// file ends where its layout ends.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "players/PlayerCfg.h"

namespace korvex {

struct BindingsEntry {
    std::string fileName;
    std::string description;
    std::string category;
};

struct BindingsFile {
    std::vector<BindingsEntry> entries;
    bool complete = true;
};

struct OptionsFile {
    OptionValues values;
    bool complete = true;
};

struct SpecialFile {
    bool special1 = false;
    std::string inherit1 = kNoInheritText;
    std::array<bool, kInheritPartCount> inherit{};
    bool additionalCommands = false;
    std::vector<std::string> additionalCommandLines;
    bool complete = true;
};

// None when the file cannot be opened.
std::optional<BindingsFile> ReadBindingsFile(const std::string& path);
std::optional<OptionsFile> ReadOptionsFile(const std::string& path);
std::optional<SpecialFile> ReadSpecialFile(const std::string& path);

std::vector<std::string> BindingsFileLines(const std::vector<BindingsEntry>& entries);
std::vector<std::string> OptionsFileLines(const OptionValues& values);
// The additional commands are written only while their check box is on.
std::vector<std::string> SpecialFileLines(const SpecialFile& special);

SpecialFile SpecialFileOf(const PlayerCfg& cfg);

}  // namespace korvex
