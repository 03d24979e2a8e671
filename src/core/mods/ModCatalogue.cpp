#include "mods/ModCatalogue.h"

#include "app/Host.h"
#include "app/Messages.h"
#include "app/ProgramPaths.h"
#include "app/Reporter.h"
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
bool WriteEntry(Reporter& report, const ProgramPaths& paths, const ModEntry& entry, const std::string& directory,
                const std::string& path, AtomicFile::ExistingTarget existing = AtomicFile::ExistingTarget::Keep) {
    if (WriteModEntry(path, entry, existing)) return true;
    report.ShowError(Err::CouldntCreateFile, JoinPath(paths.mods, directory));
    return false;
}

void ShowMod(Reporter& report, ModTree& modTree, ModNode node) {
    modTree.mods.push_back(std::move(node));
    SortModTree(modTree);
    report.host.ModTreeChanged();
}

void DeleteEntryFile(Reporter& report, const ProgramPaths& paths, const std::string& fileName) {
    const std::string path = JoinPath(paths.mods, fileName);
    if (!RemoveFile(path)) report.ShowError(Err::CouldntDeleteFile, path);
}

bool IsBlocking(const DirEntry& file) { return file.readOnly || file.isSymbolicLink; }

// Only plain directory names become entries; anything else is refused before a file is touched.
bool AcceptModDirectory(Reporter& report, const std::string& directory) {
    if (IsPlainModDirectory(directory)) return true;
    report.ShowError(Err::InvalidPath, directory);
    return false;
}

}  // namespace

std::string ModEntryPath(const ProgramPaths& dirs, const std::string& directory) {
    return ResolveCase(JoinPath(dirs.mods, directory));
}

bool IsPlainModDirectory(const std::string& directory) {
    return !directory.empty() && directory != "." && directory != ".." &&
           directory.find_first_of("/\\") == std::string::npos;
}

void LoadModCatalogue(Reporter& report, const ProgramPaths& paths, ModTree& modTree) {
    modTree = {};
    for (const std::string& file : ListNames(paths.mods, EntryKind::File)) {
        const std::string path = JoinPath(paths.mods, file);
        ModEntry entry;
        bool atEnd = false;
        if (!ReadModEntry(path, entry, atEnd)) {
            report.FatalError(Err::CouldntOpenFile, file);
            return;
        }
        modTree.mods.push_back({entry.treeText, entry.playerCfgs});
        if (!atEnd) {
            report.FatalError(Err::EndOfFileNotReached, path);
            return;
        }
    }
    SortModTree(modTree);
    report.host.ModTreeChanged();
}

bool AddModToCatalogue(Reporter& report, const ProgramPaths& paths, ModTree& modTree, const std::string& name,
                       const std::string& directory) {
    if (IsIgnoredMod(name, directory) || !AcceptModDirectory(report, directory)) return false;
    // A look-up that ignores case lists the mods directory: once here, not for every step.
    if (FileExists(JoinPath(paths.mods, directory))) {
        report.ShowError(Err::ModAlreadyAvailable, directory);
        return false;
    }
    if (!WriteEntry(report, paths, NewEntry(name, directory), directory,
                    JoinPath(paths.mods, LowerCaseAscii(directory))))
        return false;
    ShowMod(report, modTree, {ModTreeText(name, directory), {}});
    return true;
}

// The Player-CFGs the rewritten file no longer lists are dropped from the tree at once.
bool ReplaceModEntry(Reporter& report, const ProgramPaths& paths, ModTree& modTree, const std::string& name,
                     const std::string& directory) {
    if (IsIgnoredMod(name, directory)) return true;
    if (!AcceptModDirectory(report, directory)) return false;
    const std::string path = ModEntryPath(paths, directory);
    if (!FileExists(path)) return AddModToCatalogue(report, paths, modTree, name, directory);
    if (!WriteEntry(report, paths, NewEntry(name, directory), directory, path)) return false;
    for (ModNode& mod : modTree.mods) {
        if (!EqualsIgnoringCase(ModDirOfNodeText(mod.text), directory)) continue;
        mod.text = ModTreeText(name, UpperCaseAscii(directory));
        mod.players.clear();
    }
    modTree.selected.reset();
    SortModTree(modTree);
    report.host.ModTreeChanged();
    return true;
}

CatalogueRewrite::CatalogueRewrite(Reporter& report, const ProgramPaths& paths, ModTree& modTree)
    : report_(report), paths_(paths), modTree_(modTree) {
    modTree = {};
    report.host.ModTreeChanged();
    for (DirEntry& file : ListDirectory(paths.mods))
        if (!file.isDirectory) previous_.emplace(LowerCaseAscii(file.name), std::move(file));
}

bool CatalogueRewrite::Add(const std::string& name, const std::string& directory) {
    if (IsIgnoredMod(name, directory) || !AcceptModDirectory(report_, directory)) return false;
    const std::string fileName = LowerCaseAscii(directory);
    if (entered_.contains(fileName)) {
        report_.ShowError(Err::ModAlreadyAvailable, directory);
        return false;
    }
    ModEntry entry = PreviousEntry(fileName);
    entry.treeText = ModTreeText(name, directory);
    if (!KeepPrevious(fileName, ModEntryLines(entry))) {
        // A read-only entry file or a link becomes a plain file the player may change.
        if (!WriteEntry(report_, paths_, entry, directory, JoinPath(paths_.mods, fileName),
                        AtomicFile::ExistingTarget::ReplacePlain)) {
            // What the entry held before stays, on disk and in the tree.
            const auto [first, last] = previous_.equal_range(fileName);
            for (auto file = first; file != last; ++file) KeepInTree(file->second);
            previous_.erase(first, last);
            return false;
        }
    }
    DeletePrevious(fileName);
    entered_.insert(fileName);
    ShowMod(report_, modTree_, {entry.treeText, entry.playerCfgs});
    return true;
}

bool CatalogueRewrite::Keep(const std::string& directory) {
    const std::string fileName = LowerCaseAscii(directory);
    const auto [first, last] = previous_.equal_range(fileName);
    if (first == last) return false;
    for (auto file = first; file != last; ++file) KeepInTree(file->second);
    previous_.erase(first, last);
    entered_.insert(fileName);
    return true;
}

void CatalogueRewrite::Finish(const std::vector<std::string>& scannedDirectories) {
    std::set<std::string> scanned;
    for (const std::string& directory : scannedDirectories) scanned.insert(LowerCaseAscii(directory));
    for (const auto& [fileName, file] : previous_) {
        if (scanned.contains(fileName)) {
            DeleteEntryFile(report_, paths_, file.name);
            RemoveManifest(report_, paths_, fileName);
        } else {
            KeepInTree(file);
        }
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
    if (!file || !ReadModEntry(JoinPath(paths_.mods, file->name), entry, atEnd)) return {};
    return entry;
}

bool CatalogueRewrite::KeepPrevious(const std::string& fileName, const std::vector<std::string>& lines) const {
    const DirEntry* file = LowerCaseFile(fileName);
    return file && !IsBlocking(*file) && FileHoldsLines(JoinPath(paths_.mods, file->name), lines);
}

// Once the entry file of the lower-case name holds the entry, the other spellings go.
void CatalogueRewrite::DeletePrevious(const std::string& fileName) {
    const auto [first, last] = previous_.equal_range(fileName);
    for (auto file = first; file != last; ++file)
        if (file->second.name != fileName) DeleteEntryFile(report_, paths_, file->second.name);
    previous_.erase(first, last);
}

void CatalogueRewrite::KeepInTree(const DirEntry& file) {
    ModEntry entry;
    bool atEnd = false;
    if (ReadModEntry(JoinPath(paths_.mods, file.name), entry, atEnd))
        ShowMod(report_, modTree_, {entry.treeText, entry.playerCfgs});
}

void SaveModEntry(Reporter& report, const ProgramPaths& paths, const std::string& directory,
                  const std::string& treeText, ModEntry entry) {
    entry.treeText = treeText;
    if (!WriteModEntry(ModEntryPath(paths, directory), entry)) report.FatalError(Err::CouldntCreateFile, directory);
}

bool LoadModEntryIntoDialog(Reporter& report, const ProgramPaths& paths, const std::string& directory,
                            ModEntry& entry) {
    bool atEnd = false;
    if (ReadModEntry(ModEntryPath(paths, directory), entry, atEnd)) return true;
    report.FatalError(Err::CouldntOpenFile, directory);
    return false;
}

}  // namespace korvex
