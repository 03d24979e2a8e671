// One MOD catalogue file: the MOD's tree text, its Player-CFGs and its launch options, one
// value per line. Every reader goes through ReadModEntry, so absurd counts or missing lines
// never read more than the file holds.
#pragma once

#include <string>
#include <vector>

#include "platform/AtomicFile.h"

namespace korvex {

inline constexpr bool kDefaultDisableDemo = true;
inline constexpr bool kDefaultDeathmatch = true;
inline constexpr int kDefaultMenuOnStartup = 0;

struct ModEntry {
    std::string treeText;
    std::vector<std::string> playerCfgs;
    bool disableDemo = kDefaultDisableDemo;
    bool deathmatch = kDefaultDeathmatch;
    std::string mapName;
    std::string commandLineParameters;
    long long menuOnStartup = kDefaultMenuOnStartup;  // 0 "no Menu" .. 6 "Multiplayer Start Server"
    std::vector<std::string> configLines;             // "Lines to include in config"
};

// False when the file cannot be opened. atEnd tells whether nothing follows the last
// expected line.
bool ReadModEntry(const std::string& path, ModEntry& entry, bool& atEnd);
// The lines of the entry file. The config-line count and its lines are there only when there
// are config lines.
std::vector<std::string> ModEntryLines(const ModEntry& entry);
// Replaces the file atomically (platform/AtomicFile.h).
bool WriteModEntry(const std::string& path, const ModEntry& entry,
                   AtomicFile::ExistingTarget existing = AtomicFile::ExistingTarget::Keep);

}  // namespace korvex
