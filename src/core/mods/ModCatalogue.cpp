#include "mods/ModCatalogue.h"

#include <iterator>

#include "app/Korvex.h"
#include "app/Messages.h"
#include "mods/ModTree.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"
#include "platform/Text.h"
#include "platform/TextFile.h"

namespace korvex {
namespace {

bool IsIgnoredMod(const std::string& name, const std::string& directory) {
    return LowerCaseAscii(name) == "..unknown.." || (!directory.empty() && directory.back() == '.');
}

ModEntry NewEntry(const std::string& name, const std::string& directory) {
    ModEntry entry;
    entry.treeText = ModTreeText(name, directory);
    return entry;
}

// path: the existing entry file, or where a new one goes.
bool WriteNewEntry(Korvex& app, const std::string& name, const std::string& directory, const std::string& path) {
    if (WriteModEntry(path, NewEntry(name, directory))) return true;
    ShowError(app, Err::CouldntCreateFile, JoinPath(app.dirs.mods, directory));
    return false;
}

void ShowNewMod(Korvex& app, const std::string& name, const std::string& directory) {
    app.modTree.mods.push_back({ModTreeText(name, directory), {}});
    SortModTree(app.modTree);
    app.host.ModTreeChanged();
}

void DeleteEntryFile(Korvex& app, const std::string& fileName) {
    const std::string path = JoinPath(app.dirs.mods, fileName);
    if (!RemoveFile(path)) ShowError(app, Err::CouldntDeleteFile, path);
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
    for (const std::string& file : ListNames(app.dirs.mods, EntryKind::File)) {
        const std::string path = JoinPath(app.dirs.mods, file);
        ModEntry entry;
        bool atEnd = false;
        if (!ReadModEntry(path, entry, atEnd)) {
            FatalError(app, Err::CouldntOpenFile, file);
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
    ShowNewMod(app, name, directory);
    return true;
}

// The Player-CFGs the rewritten file no longer lists are dropped from the tree at once.
bool ReplaceModEntry(Korvex& app, const std::string& name, const std::string& directory) {
    if (IsIgnoredMod(name, directory)) return true;
    if (!AcceptModDirectory(app, directory)) return false;
    const std::string path = ModEntryPath(app.dirs, directory);
    if (!FileExists(path)) return AddModToCatalogue(app, name, directory);
    if (!WriteNewEntry(app, name, directory, path)) return false;
    for (ModNode& mod : app.modTree.mods) {
        if (!EqualsIgnoringCase(ModDirOfNodeText(mod.text), directory)) continue;
        mod.text = ModTreeText(name, UpperCaseAscii(directory));
        mod.players.clear();
    }
    app.modTree.selected.reset();
    SortModTree(app.modTree);
    app.host.ModTreeChanged();
    return true;
}

CatalogueRewrite::CatalogueRewrite(Korvex& app) : app_(app) {
    app.modTree = {};
    app.host.ModTreeChanged();
    for (DirEntry& file : ListDirectory(app.dirs.mods))
        if (!file.isDirectory) previous_.emplace(LowerCaseAscii(file.name), std::move(file));
}

bool CatalogueRewrite::Add(const std::string& name, const std::string& directory) {
    if (IsIgnoredMod(name, directory) || !AcceptModDirectory(app_, directory)) return false;
    const std::string fileName = LowerCaseAscii(directory);
    if (entered_.contains(fileName)) {
        ShowError(app_, Err::ModAlreadyAvailable, directory);
        return false;
    }
    if (!KeepPrevious(fileName, ModEntryLines(NewEntry(name, directory)))) {
        DeletePrevious(fileName);
        if (!WriteNewEntry(app_, name, directory, JoinPath(app_.dirs.mods, fileName))) return false;
    }
    entered_.insert(fileName);
    ShowNewMod(app_, name, directory);
    return true;
}

void CatalogueRewrite::Finish() {
    for (const auto& previous : previous_) DeleteEntryFile(app_, previous.second.name);
    previous_.clear();
}

// A read-only file or a link is written anew, as a plain file the player may change.
bool CatalogueRewrite::KeepPrevious(const std::string& fileName, const std::vector<std::string>& lines) {
    const auto [first, last] = previous_.equal_range(fileName);
    if (first == last || std::next(first) != last) return false;
    const DirEntry& file = first->second;
    if (file.name != fileName || file.readOnly || file.isSymbolicLink ||
        !FileHoldsLines(JoinPath(app_.dirs.mods, file.name), lines))
        return false;
    previous_.erase(first);
    return true;
}

void CatalogueRewrite::DeletePrevious(const std::string& fileName) {
    const auto [first, last] = previous_.equal_range(fileName);
    for (auto file = first; file != last; ++file) DeleteEntryFile(app_, file->second.name);
    previous_.erase(first, last);
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
