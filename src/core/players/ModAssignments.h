// Keeps the MOD catalogue's Player-CFG assignments in step with the Player-CFG directories.
#pragma once

#include <string>

namespace korvex {

struct Korvex;

// Every assignment whose Player-CFG directory no longer exists is renamed to newName
// (renaming) or removed (deleting), in the MOD's file and in the MOD tree.
void UpdateModAssignments(Korvex& app, bool renaming, const std::string& newName);

}  // namespace korvex
