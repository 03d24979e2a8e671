// Keeps the MOD catalogue's Player-CFG assignments in step with the Player-CFG directories.
#pragma once

#include <string>

namespace korvex {

struct Korvex;

// Every MOD entry file that assigns oldName assigns newName instead, or nothing when newName
// is empty. Reports a file it cannot write and returns false; running it again finishes it.
bool RenameInModEntries(Korvex& app, const std::string& oldName, const std::string& newName);
// The MOD tree follows: oldName becomes newName, or goes when newName is empty.
void RenameInModTree(Korvex& app, const std::string& oldName, const std::string& newName);

}  // namespace korvex
