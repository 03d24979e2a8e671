// Keeps the MOD catalogue's Player-CFG assignments in step with the Player-CFG directories.
#pragma once

#include <string>

namespace korvex {

struct Reporter;
struct ProgramPaths;
struct ModTree;

// Every MOD entry file that assigns oldName assigns newName instead, or nothing when newName
// is empty. Reports a file it cannot write and returns false; running it again finishes it.
bool RenameInModEntries(Reporter& report, const ProgramPaths& paths, const std::string& oldName,
                        const std::string& newName);
// The MOD tree follows: oldName becomes newName, or goes when newName is empty.
void RenameInModTree(Reporter& report, ModTree& modTree, const std::string& oldName, const std::string& newName);

}  // namespace korvex
