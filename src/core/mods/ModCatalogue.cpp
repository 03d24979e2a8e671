#include "mods/ModCatalogue.h"

#include "app/Korvex.h"
#include "app/Messages.h"
#include "mods/ManifestRemoval.h"
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
bool WriteEntry(Korvex& app, const ModEntry& entry, const std::string& directory, const std::string& path,
                AtomicFile::ExistingTarget existing = AtomicFile::ExistingTarget::Keep) {
    if (WriteModEntry(path, entry, existing)) return true;
    ShowError(app, Err::CouldntCreateFile, JoinPath(app.dirs.mods, directory));
    return false;
}

void ShowMod(Korvex& app, ModNode node) {
    app.modTree.mods.push_back(std::move(node));
    SortModTree(app.modTree);
    app.host.ModTreeChanged();
}

void DeleteEntryFile(Korvex& app, const std::string& fileName) {
    const std::string path = JoinPath(app.dirs.mods, fileName);
    if (!RemoveFile(path)) ShowError(app, Err::CouldntDeleteFile, path);
}

bool IsBlocking(const DirEntry& file) { return file.readOnly || file.isSymbolicLink; }

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
    if (!WriteEntry(app, NewEntry(name, directory), directory, JoinPath(app.dirs.mods, LowerCaseAscii(directory))))
        return false;
    ShowMod(app, {ModTreeText(name, directory), {}});
    return true;
}

// The Player-CFGs the rewritten file no longer lists are dropped from the tree at once.
bool ReplaceModEntry(Korvex& app, const std::string& name, const std::string& directory) {
    if (IsIgnoredMod(name, directory)) return true;
    if (!AcceptModDirectory(app, directory)) return false;
    const std::string path = ModEntryPath(app.dirs, directory);
    if (!FileExists(path)) return AddModToCatalogue(app, name, directory);
    if (!WriteEntry(app, NewEntry(name, directory), directory, path)) return false;
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
    ModEntry entry = PreviousEntry(fileName);
    entry.treeText = ModTreeText(name, directory);
    if (!KeepPrevious(fileName, ModEntryLines(entry))) {
        // A read-only entry file or a link becomes a plain file the player may change.
        if (!WriteEntry(app_, entry, directory, JoinPath(app_.dirs.mods, fileName), AtomicFile::ExistingTarget::ReplacePlain)) {
            // What the entry held before stays, on disk and in the tree.
            const auto [first, last] = previous_.equal_range(fileName);
            for (auto file = first; file != last; ++file) KeepInTree(file->second);
            previous_.erase(first, last);
            return false;
        }
    }
    DeletePrevious(fileName);
    entered_.insert(fileName);
    ShowMod(app_, {entry.treeText, entry.playerCfgs});
    return true;
}

void CatalogueRewrite::Finish(const std::vector<std::string>& scannedDirectories) {
    std::set<std::string> scanned;
    for (const std::string& directory : scannedDirectories) scanned.insert(LowerCaseAscii(directory));
    for (const auto& [fileName, file] : previous_) {
        if (scanned.contains(fileName)) {
            DeleteEntryFile(app_, file.name);
            RemoveManifest(app_, fileName);
        } else
            KeepInTree(file);
    }
    previous_.clear();
}

// The entry file of the lower-case name, the one new entries get; nullptr when there is none.
const DirEntry* CatalogueRewrite::LowerCaseFile(const std::string& fileName) const {
    const auto [first, last] = previous_.equal_range(fileName);
    for (auto file = first; file != last; ++file)
        if (file->second.name == fileName) return &file->second;
    return nullptr;
}

// The entry of a MOD found again: the file of the lower-case name, else another spelling of it.
ModEntry CatalogueRewrite::PreviousEntry(const std::string& fileName) const {
    const DirEntry* file = LowerCaseFile(fileName);
    const auto other = previous_.find(fileName);
    if (!file && other != previous_.end()) file = &other->second;
    ModEntry entry;
    bool atEnd = false;
    if (!file || !ReadModEntry(JoinPath(app_.dirs.mods, file->name), entry, atEnd)) return {};
    return entry;
}

bool CatalogueRewrite::KeepPrevious(const std::string& fileName, const std::vector<std::string>& lines) const {
    const DirEntry* file = LowerCaseFile(fileName);
    return file && !IsBlocking(*file) && FileHoldsLines(JoinPath(app_.dirs.mods, file->name), lines);
}

// Once the entry file of the lower-case name holds the entry, the other spellings go.
void CatalogueRewrite::DeletePrevious(const std::string& fileName) {
    const auto [first, last] = previous_.equal_range(fileName);
    for (auto file = first; file != last; ++file)
        if (file->second.name != fileName) DeleteEntryFile(app_, file->second.name);
    previous_.erase(first, last);
}

void CatalogueRewrite::KeepInTree(const DirEntry& file) {
    ModEntry entry;
    bool atEnd = false;
    if (ReadModEntry(JoinPath(app_.dirs.mods, file.name), entry, atEnd)) ShowMod(app_, {entry.treeText, entry.playerCfgs});
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
