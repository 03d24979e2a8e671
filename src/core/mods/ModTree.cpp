#include "mods/ModTree.h"

#include <algorithm>

#include "platform/FileSystem.h"
#include "platform/ListOrder.h"
#include "platform/Text.h"
#include "platform/Path.h"
#include "platform/TextFile.h"

namespace korvex {

ModTree ReadModTree(const std::string& modsDir) {
    ModTree tree;
    for (const std::string& file : ListNames(modsDir, EntryKind::File)) {
        LineReader reader;
        if (!reader.Open(JoinPath(modsDir, file))) continue;
        ModNode mod{reader.ReadLine(), {}};
        mod.players = ReadCountedLines(reader);
        tree.mods.push_back(std::move(mod));
    }
    SortModTree(tree);
    return tree;
}

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
