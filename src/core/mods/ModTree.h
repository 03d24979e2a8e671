// The MOD tree of the MOD-Launcher page: one node per MOD, its children the Player-CFGs
// assigned to it. The files in the mods directory hold the state; the tree mirrors them.
#pragma once

#include <string>
#include <vector>

namespace korvex {

struct ModNode {
    std::string text;  // "<name> (<DIRECTORY>)"
    std::vector<std::string> players;
};

struct ModTree {
    std::vector<ModNode> mods;
};

// The tree as the files in the mods directory hold it: each file's first line and the
// Player-CFGs assigned to it.
ModTree ReadModTree(const std::string& modsDir);

// Sorts the MODs and the Player-CFGs of each MOD by their texts.
void SortModTree(ModTree& tree);

// "Arena (beta) (arena)" gives the directory "arena".
std::string ModDirOfNodeText(const std::string& text);

}  // namespace korvex
