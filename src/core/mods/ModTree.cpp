#include "mods/ModTree.h"

#include <algorithm>

#include "platform/ListOrder.h"
#include "platform/Text.h"

namespace korvex {

void SortModTree(ModTree& tree) {
    std::stable_sort(tree.mods.begin(), tree.mods.end(),
                     [](const ModNode& a, const ModNode& b) { return ListBoxLess(a.text, b.text); });
    for (ModNode& mod : tree.mods) SortAsListBox(mod.players);
}

std::string ModDirOfNodeText(const std::string& text) {
    const auto open = text.rfind('(');
    const std::size_t start = open == std::string::npos ? 0 : open + 1;
    if (text.size() <= start) return {};
    return text.substr(start, text.size() - start - 1);
}

std::string ModNameOfNodeText(const std::string& text) {
    const auto open = text.rfind('(');
    if (open == std::string::npos || open == 0) return {};
    return text.substr(0, open - 1);
}

std::string ModTreeText(const std::string& name, const std::string& directory) {
    return name + " (" + directory + ")";
}

ModNode* FindModNode(ModTree& tree, const std::string& text) {
    const auto found = std::find_if(tree.mods.begin(), tree.mods.end(),
                                    [&](const ModNode& mod) { return mod.text == text; });
    return found == tree.mods.end() ? nullptr : &*found;
}

ModNode* FindModByTextOrDirectory(ModTree& tree, const std::string& name) {
    if (ModNode* exact = FindModNode(tree, name)) return exact;
    const auto found = std::find_if(tree.mods.begin(), tree.mods.end(), [&](const ModNode& mod) {
        return EqualsIgnoringCase(ModDirOfNodeText(mod.text), name);
    });
    return found == tree.mods.end() ? nullptr : &*found;
}

ModNode* SelectedMod(ModTree& tree) {
    if (!tree.selected || tree.selected->player) return nullptr;
    return FindModNode(tree, tree.selected->modText);
}

bool EditModOptionsButtonVisible(const ModTree& tree) { return tree.selected && !tree.selected->player; }

bool LaunchQuakeIIButtonVisible(const ModTree& tree) { return tree.selected && tree.selected->player; }

}  // namespace korvex
