// The MOD tree of the MOD-Launcher page: one node per MOD, its children the Player-CFGs
// assigned to it. The files in the mods directory hold the state; the tree mirrors them.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace korvex {

struct ModNode {
    std::string text;  // "<name> (<DIRECTORY>)"
    std::vector<std::string> players;
};

// The selected node: a MOD, or one of its Player-CFGs when player is set.
struct ModSelection {
    std::string modText;
    std::optional<std::string> player;
};

struct ModTree {
    std::vector<ModNode> mods;
    std::optional<ModSelection> selected;
};

// Sorts the MODs and the Player-CFGs of each MOD by their texts.
void SortModTree(ModTree& tree);

// "Arena (beta) (arena)" gives the directory "arena".
std::string ModDirOfNodeText(const std::string& text);
// "Arena (beta) (arena)" gives the name "Arena (beta)"; empty text when there is no "(".
std::string ModNameOfNodeText(const std::string& text);
std::string ModTreeText(const std::string& name, const std::string& directory);

// The node with exactly this text; nullptr when there is none.
ModNode* FindModNode(ModTree& tree, const std::string& text);
// The node whose text is name, or whose directory is name in any letter case; nullptr when none.
ModNode* FindModByTextOrDirectory(ModTree& tree, const std::string& name);
// The selected MOD node; nullptr when nothing or a Player-CFG is selected.
ModNode* SelectedMod(ModTree& tree);

// What the page shows for the selection: the edit button for a MOD, the launch button for
// a Player-CFG, neither without a selection (both stand at the same place).
bool EditModOptionsButtonVisible(const ModTree& tree);
bool LaunchQuakeIIButtonVisible(const ModTree& tree);

}  // namespace korvex
