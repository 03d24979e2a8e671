#include "players/ModAssignments.h"

#include "app/Korvex.h"
#include "app/Messages.h"
#include "mods/ModTree.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"
#include "platform/TextFile.h"
#include "players/PlayerCfg.h"

namespace korvex {
namespace {

// The count line is written from the names that stay, so it always matches them.
void RewriteModEntry(Korvex& app, const std::string& modDir, const std::string& oldName, bool renaming,
                     const std::string& newName) {
    const std::string path = JoinPath(app.dirs.mods, modDir);
    LineReader reader;
    if (!reader.Open(path)) return;
    const std::string treeText = reader.ReadLine();
    std::vector<std::string> names;
    for (std::string& name : ReadCountedLines(reader)) {
        if (name != oldName) names.push_back(std::move(name));
        else if (renaming) names.push_back(newName);
    }
    AtomicTextWriter writer(path, ".TMP");
    writer.WriteLine(treeText);
    writer.WriteLine(std::to_string(names.size()));
    for (const std::string& name : names) writer.WriteLine(name);
    while (!reader.AtEnd()) writer.WriteLine(reader.ReadLine());
    if (!writer.Commit()) ShowError(app, Err::CouldntCreateFile, path + ".TMP");
}

}  // namespace

void UpdateModAssignments(Korvex& app, bool renaming, const std::string& newName) {
    for (ModNode& mod : app.modTree.mods) {
        for (auto player = mod.players.begin(); player != mod.players.end();) {
            if (DirectoryExists(JoinPath(app.dirs.players, *player))) {
                ++player;
                continue;
            }
            RewriteModEntry(app, ModDirOfNodeText(mod.text), *player, renaming, newName);
            if (renaming) {
                *player++ = newName;
            } else {
                player = mod.players.erase(player);
            }
        }
    }
    SortModTree(app.modTree);
    app.host.ModTreeChanged();
}

}  // namespace korvex
