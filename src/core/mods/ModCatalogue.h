// The MOD catalogue: one entry file per MOD in the mods directory, mirrored by the MOD tree.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "mods/ModEntry.h"
#include "platform/FileSystem.h"

namespace korvex {

struct Reporter;
struct ModTree;
struct ProgramPaths;

// The entry file of a MOD directory; an existing file is found in any letter case.
std::string ModEntryPath(const ProgramPaths& dirs, const std::string& directory);
// A directory text that names one directory below the Quake II directory: not empty, not
// "." or "..", no path separator. Anything else could reach outside the game's tree.
bool IsPlainModDirectory(const std::string& directory);

// Fills the MOD tree from the mods directory; a file that cannot be read ends the program.
void LoadModCatalogue(Reporter& report, const ProgramPaths& paths, ModTree& modTree);
// A new entry with the default options; false when nothing was added.
bool AddModToCatalogue(Reporter& report, const ProgramPaths& paths, ModTree& modTree, const std::string& name,
                       const std::string& directory);
// Makes the entry for directory carry name, with the default options and no Player-CFGs;
// false when the entry could not be written (its message shown).
bool ReplaceModEntry(Reporter& report, const ProgramPaths& paths, ModTree& modTree, const std::string& name,
                     const std::string& directory);
// The complete MOD scan's new catalogue. It starts with an empty tree. A MOD the scan enters
// again in the same game directory keeps its Player-CFGs and options under the name found now;
// a new one gets the default options. An entry file that already holds what would be written is
// kept as it is. Finish deletes the entries of the scanned directories that were not entered
// again and keeps those of directories the scan did not see (server-side-only MODs); a scan that
// stops before keeps every entry, so it loses none.
class CatalogueRewrite {
public:
    explicit CatalogueRewrite(Reporter& report, const ProgramPaths& paths, ModTree& modTree);
    // As AddModToCatalogue; "already available" means entered since the rewrite began.
    bool Add(const std::string& name, const std::string& directory);
    // Keeps the entry of directory exactly as it is; false when there is none to keep.
    bool Keep(const std::string& directory);
    // scannedDirectories: the directories of the Quake II directory the scan looked at.
    void Finish(const std::vector<std::string>& scannedDirectories);

private:
    const DirEntry* LowerCaseFile(const std::string& fileName) const;
    ModEntry PreviousEntry(const std::string& fileName) const;
    bool KeepPrevious(const std::string& fileName, const std::vector<std::string>& lines) const;
    void DeletePrevious(const std::string& fileName);
    void KeepInTree(const DirEntry& file);

    Reporter& report_;
    const ProgramPaths& paths_;
    ModTree& modTree_;
    std::multimap<std::string, DirEntry> previous_;  // the files before the rewrite, by lower-cased name
    std::set<std::string> entered_;                  // the lower-cased entry file names written or kept
};
// Writes the complete entry of the options dialog; a failure ends the program.
void SaveModEntry(Reporter& report, const ProgramPaths& paths, const std::string& directory,
                  const std::string& treeText, ModEntry entry);
// The entry the options dialog shows; a file that cannot be opened ends the program.
bool LoadModEntryIntoDialog(Reporter& report, const ProgramPaths& paths, const std::string& directory, ModEntry& entry);

}  // namespace korvex
