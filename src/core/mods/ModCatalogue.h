// The MOD catalogue: one entry file per MOD in the mods directory, mirrored by the MOD tree.
#pragma once

#include <string>

#include "mods/ModEntry.h"

namespace korvex {

struct Korvex;
struct ProgramDirs;

// The entry file of a MOD directory; an existing file is found in any letter case.
std::string ModEntryPath(const ProgramDirs& dirs, const std::string& directory);
// A directory text that names one directory below the Quake II directory: not empty, not
// "." or "..", no path separator. Anything else could reach outside the game's tree.
bool IsPlainModDirectory(const std::string& directory);

// Fills the MOD tree from the mods directory; a file that cannot be read ends the program.
void LoadModCatalogue(Korvex& app);
// A new entry with the default options; false when nothing was added.
bool AddModToCatalogue(Korvex& app, const std::string& name, const std::string& directory);
// Makes the entry for directory carry name, with the default options and no Player-CFGs.
void ReplaceModEntry(Korvex& app, const std::string& name, const std::string& directory);
// Empties the tree and deletes every entry file.
void ClearModCatalogue(Korvex& app);
// Writes the complete entry of the options dialog; a failure ends the program.
void SaveModEntry(Korvex& app, const std::string& directory, const std::string& treeText, ModEntry entry);
// The entry the options dialog shows; a file that cannot be opened ends the program.
bool LoadModEntryIntoDialog(Korvex& app, const std::string& directory, ModEntry& entry);

}  // namespace korvex
