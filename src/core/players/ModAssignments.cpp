#include "players/ModAssignments.h"

#include "app/Korvex.h"
#include "app/Messages.h"
#include "mods/ModCatalogue.h"
#include "mods/ModTree.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"
#include "players/PlayerCfg.h"

namespace korvex {
namespace {

void RewriteModEntry(Korvex& app, const std::string& modDir, const std::string& oldName, bool renaming,
                     const std::string& newName) {
    const std::string path = ModEntryPath(app.dirs, modDir);
    ModEntry entry;
    bool atEnd = false;
    if (!ReadModEntry(path, entry, atEnd)) return;
    std::vector<std::string> names;
    for (std::string& name : entry.playerCfgs) {
        if (name != oldName) names.push_back(std::move(name));
        else if (renaming) names.push_back(newName);
    }
    entry.playerCfgs = std::move(names);
    if (!WriteModEntry(path, entry, ".TMP")) ShowError(app, Err::CouldntCreateFile, path + ".TMP");
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
