#include "mods/ModTree.h"

#include <algorithm>

#include "platform/FileSystem.h"
#include "platform/ListOrder.h"
#include "platform/Path.h"
#include "platform/TextFile.h"

namespace korvex {

ModTree ReadModTree(const std::string& modsDir) {
    ModTree tree;
    for (const DirEntry& entry : ListDirectory(modsDir)) {
        LineReader reader;
        if (entry.isDirectory || !reader.Open(JoinPath(modsDir, entry.name))) continue;
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

}  // namespace korvex
