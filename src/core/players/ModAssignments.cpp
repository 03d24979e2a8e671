#include "players/ModAssignments.h"

#include <algorithm>

#include "app/Host.h"
#include "app/Messages.h"
#include "app/ProgramPaths.h"
#include "app/Reporter.h"
#include "mods/ModCatalogue.h"
#include "mods/ModTree.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"

namespace korvex {
namespace {

void RenameIn(std::vector<std::string>& names, const std::string& oldName, const std::string& newName) {
    if (newName.empty()) std::erase(names, oldName);
    else std::replace(names.begin(), names.end(), oldName, newName);
}

}  // namespace

bool RenameInModEntries(Reporter& report, const ProgramPaths& paths, const std::string& oldName,
                        const std::string& newName) {
    for (const std::string& file : ListNames(paths.mods, EntryKind::File)) {
        const std::string path = JoinPath(paths.mods, file);
        ModEntry entry;
        bool atEnd = false;
        if (!ReadModEntry(path, entry, atEnd)) continue;
        if (std::find(entry.playerCfgs.begin(), entry.playerCfgs.end(), oldName) == entry.playerCfgs.end()) continue;
        RenameIn(entry.playerCfgs, oldName, newName);
        if (WriteModEntry(path, entry)) continue;
        report.ShowError(Err::CouldntCreateFile, path + ".TMP");
        return false;
    }
    return true;
}

void RenameInModTree(Reporter& report, ModTree& modTree, const std::string& oldName, const std::string& newName) {
    for (ModNode& mod : modTree.mods) RenameIn(mod.players, oldName, newName);
    SortModTree(modTree);
    report.host.ModTreeChanged();
}

}  // namespace korvex
