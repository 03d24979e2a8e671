#include "mods/ModCatalogue.h"

#include "app/Korvex.h"
#include "app/Messages.h"
#include "mods/ModTree.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"
#include "platform/Text.h"

namespace korvex {
namespace {

bool IsIgnoredMod(const std::string& name, const std::string& directory) {
    return LowerCaseAscii(name) == "..unknown.." || (!directory.empty() && directory.back() == '.');
}

// path: the existing entry file, or where a new one goes.
bool WriteNewEntry(Korvex& app, const std::string& name, const std::string& directory, const std::string& path) {
    ModEntry entry;
    entry.treeText = ModTreeText(name, directory);
    if (WriteModEntry(path, entry)) return true;
    ShowError(app, Err::CouldntCreateFile, JoinPath(app.dirs.mods, directory));
    return false;
}

// Only plain directory names become entries; anything else is refused before a file is touched.
bool AcceptModDirectory(Korvex& app, const std::string& directory) {
    if (IsPlainModDirectory(directory)) return true;
    ShowError(app, Err::InvalidPath, directory);
    return false;
}

}  // namespace

std::string ModEntryPath(const ProgramDirs& dirs, const std::string& directory) {
    return ResolveCase(JoinPath(dirs.mods, directory));
}

bool IsPlainModDirectory(const std::string& directory) {
    return !directory.empty() && directory != "." && directory != ".." &&
           directory.find_first_of("/\\") == std::string::npos;
}

void LoadModCatalogue(Korvex& app) {
    app.modTree = {};
    for (const DirEntry& file : ListDirectory(app.dirs.mods)) {
        if (file.isDirectory) continue;
        const std::string path = JoinPath(app.dirs.mods, file.name);
        ModEntry entry;
        bool atEnd = false;
        if (!ReadModEntry(path, entry, atEnd)) {
            FatalError(app, Err::CouldntOpenFile, file.name);
            return;
        }
        app.modTree.mods.push_back({entry.treeText, entry.playerCfgs});
        if (!atEnd) {
            FatalError(app, Err::EndOfFileNotReached, path);
            return;
        }
    }
    SortModTree(app.modTree);
    app.host.ModTreeChanged();
}

bool AddModToCatalogue(Korvex& app, const std::string& name, const std::string& directory) {
    if (IsIgnoredMod(name, directory) || !AcceptModDirectory(app, directory)) return false;
    // A look-up that ignores case lists the mods directory: once here, not for every step.
    if (FileExists(JoinPath(app.dirs.mods, directory))) {
        ShowError(app, Err::ModAlreadyAvailable, directory);
        return false;
    }
    if (!WriteNewEntry(app, name, directory, JoinPath(app.dirs.mods, LowerCaseAscii(directory)))) return false;
    app.modTree.mods.push_back({ModTreeText(name, directory), {}});
    SortModTree(app.modTree);
    app.host.ModTreeChanged();
    return true;
}

// The Player-CFGs the rewritten file no longer lists are dropped from the tree at once.
void ReplaceModEntry(Korvex& app, const std::string& name, const std::string& directory) {
    if (IsIgnoredMod(name, directory) || !AcceptModDirectory(app, directory)) return;
    const std::string path = ModEntryPath(app.dirs, directory);
    if (!FileExists(path)) {
        AddModToCatalogue(app, name, directory);
        return;
    }
    if (!WriteNewEntry(app, name, directory, path)) return;
    for (ModNode& mod : app.modTree.mods) {
        if (!EqualsIgnoringCase(ModDirOfNodeText(mod.text), directory)) continue;
        mod.text = ModTreeText(name, UpperCaseAscii(directory));
        mod.players.clear();
    }
    app.modTree.selected.reset();
    SortModTree(app.modTree);
    app.host.ModTreeChanged();
}

void ClearModCatalogue(Korvex& app) {
    app.modTree = {};
    app.host.ModTreeChanged();
    for (const DirEntry& file : ListDirectory(app.dirs.mods)) {
        if (file.isDirectory) continue;
        const std::string path = JoinPath(app.dirs.mods, file.name);
        if (!RemoveFile(path)) ShowError(app, Err::CouldntDeleteFile, path);
    }
}

void SaveModEntry(Korvex& app, const std::string& directory, const std::string& treeText, ModEntry entry) {
    entry.treeText = treeText;
    if (!WriteModEntry(ModEntryPath(app.dirs, directory), entry)) FatalError(app, Err::CouldntCreateFile, directory);
}

bool LoadModEntryIntoDialog(Korvex& app, const std::string& directory, ModEntry& entry) {
    bool atEnd = false;
    if (ReadModEntry(ModEntryPath(app.dirs, directory), entry, atEnd)) return true;
    FatalError(app, Err::CouldntOpenFile, directory);
    return false;
}

}  // namespace korvex
