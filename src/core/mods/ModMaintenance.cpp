#include "mods/ModMaintenance.h"

#include <algorithm>

#include "app/DirectoryTools.h"
#include "app/Korvex.h"
#include "app/Messages.h"
#include "app/PendingOperation.h"
#include "mods/Launcher.h"
#include "mods/ManifestRemoval.h"
#include "mods/ModCatalogue.h"
#include "mods/ModDialogRequests.h"
#include "mods/ModManifest.h"
#include "mods/ModTree.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"
#include "platform/Text.h"
#include "platform/WorkInProgress.h"
#include "players/PlayerDirs.h"

namespace korvex {
namespace {

// A MOD-only action on a Player-CFG node says so; false when no MOD node is selected.
bool ModNodeSelected(Korvex& app) {
    if (!app.modTree.selected) return false;
    if (!app.modTree.selected->player) return true;
    app.host.ShowMessage(Icon::Error, kNoModText, Buttons::Ok);
    return false;
}

bool RefusePath(Korvex& app, const std::string& directory) {
    ShowError(app, Err::InvalidPath, directory);
    return false;
}

void TreeChanged(Korvex& app) { app.host.ModTreeChanged(); }

void SetModText(Korvex& app, const std::string& from, const std::string& to) {
    if (ModNode* node = FindModNode(app.modTree, from)) node->text = to;
    if (app.modTree.selected && app.modTree.selected->modText == from) app.modTree.selected->modText = to;
    TreeChanged(app);
}

std::string GameDirectoryPath(const Korvex& app, const std::string& directory) {
    return ResolveCase(JoinPath(app.quakeDir, directory));
}

// A MOD directory that is a link is removed as a link: what it points to lies outside the game.
bool RemoveModFiles(Korvex& app, const std::string& path) {
    if (IsSymbolicLink(path)) return RemoveFile(path);
    return RemoveDirectoryTree(app, path);
}

bool RemoveModEntryFile(Korvex& app, const std::string& directory) {
    const std::string entryPath = ModEntryPath(app.dirs, directory);
    if (!FileExists(entryPath) || RemoveFile(entryPath)) return true;
    FatalError(app, Err::CouldntDeleteFile, entryPath);
    return false;
}

void DropFromTree(Korvex& app, const std::string& modText) {
    std::erase_if(app.modTree.mods, [&](const ModNode& mod) { return mod.text == modText; });
    if (app.modTree.selected && app.modTree.selected->modText == modText) app.modTree.selected.reset();
    TreeChanged(app);
}

// The entry moves to its new file; the old one goes only once the new one is complete.
bool MoveModEntry(Korvex& app, const std::string& oldDirectory, const std::string& newDirectory,
                  const ModEntry& entry) {
    const std::string oldPath = ModEntryPath(app.dirs, oldDirectory);
    const std::string newPath = EqualsIgnoringCase(oldDirectory, newDirectory)
                                    ? oldPath
                                    : JoinPath(app.dirs.mods, LowerCaseAscii(newDirectory));
    if (!WriteModEntry(newPath, entry)) {
        FatalError(app, Err::CouldntCreateFile, newPath);
        return false;
    }
    if (newPath == oldPath || RemoveFile(oldPath)) return true;
    ShowError(app, Err::CouldntDeleteFile, oldPath);
    return false;
}

}  // namespace

bool EditModOptions(Korvex& app) {
    const ModNode* mod = SelectedMod(app.modTree);
    if (!mod) return false;
    const std::string modText = mod->text;
    const std::string directory = ModDirOfNodeText(modText);
    EditModOptionsRequest request;
    if (!LoadModEntryIntoDialog(app, directory, request.entry)) return false;
    request.caption =
        "Edit MOD's Options and assign players to MOD (" + TrimBlanksAndNuls(ModNameOfNodeText(modText)) + ")";
    request.availablePlayers = FillPlayerList(app);
    request.readmeDirectory = GameDirectoryPath(app, directory);
    const std::string maps = ResolveCase(JoinPath(request.readmeDirectory, "MAPS"));
    request.mapsDirectory = DirectoryExists(maps) ? maps : request.readmeDirectory;
    request.viewReadme = [&app](const std::string& file) { ViewReadme(app, file); };
    const EditModOptionsAnswer answer = app.host.EditModOptions(request);
    if (!answer.confirmed) return false;
    ApplyModOptions(app, modText, answer.entry);
    return true;
}

void ApplyModOptions(Korvex& app, const std::string& modText, const ModEntry& entry) {
    if (ModNode* node = FindModNode(app.modTree, modText)) node->players = entry.playerCfgs;
    SortModTree(app.modTree);
    TreeChanged(app);
    SaveModEntry(app, ModDirOfNodeText(modText), modText, entry);
}

void ServerSideButtonClick(Korvex& app) {
    const ServerSideModAnswer answer = app.host.AskServerSideMod();
    if (!answer.confirmed || answer.name.empty()) return;
    AddModToCatalogue(app, answer.name, UpperCaseAscii(answer.directory));
}

void RemoveMODButtonClick(Korvex& app) {
    if (!ModNodeSelected(app)) return;
    const std::string modText = app.modTree.selected->modText;
    const RemoveModRequest request{"Remove MOD " + ModNameOfNodeText(modText) + " (" + ModDirOfNodeText(modText) +
                                   ") ?"};
    const RemoveModAnswer answer = app.host.AskRemoveMod(request);
    if (answer.confirmed) RemoveMod(app, modText, answer.deleteFiles);
}

// The game directory steps aside first, so that no half of it stays under its name. The
// removal is complete once the entry is gone: what is left aside the next start clears away.
Carried CarryOutModRemoval(Korvex& app, const PendingOperation& operation) {
    if (app.quakeDir.empty()) return Carried::Partly;
    const std::string& directory = operation.arguments.at(0);
    const std::string path = GameDirectoryPath(app, directory);
    const std::string aside = DiscardedName(path);
    if (PathExists(path) && !RenamePath(path, aside)) return Carried::NotAtAll;
    if (!RemoveModEntryFile(app, directory) || !RemoveManifest(app, directory)) return Carried::Partly;
    if (PathExists(aside)) RemoveModFiles(app, aside);
    return Carried::Completely;
}

bool RemoveMod(Korvex& app, const std::string& modText, bool deleteFiles) {
    const std::string directory = ModDirOfNodeText(modText);
    if (!IsPlainModDirectory(directory)) return RefusePath(app, directory);
    const bool byManifest = deleteFiles && HasManifest(ManifestDirectory(app.dirs, directory));
    if (byManifest && !RemoveModByManifest(app, modText, directory) && FileExists(ModEntryPath(app.dirs, directory)))
        return false;
    if (deleteFiles && !byManifest) RunRecorded(app, {"remove-mod", {directory}}, CarryOutModRemoval);
    if (!deleteFiles && RemoveModEntryFile(app, directory)) RemoveManifest(app, directory);
    if (FileExists(ModEntryPath(app.dirs, directory))) {
        if (deleteFiles && !app.shuttingDown)
            app.host.ShowMessage(Icon::Error, "Couldn't delete all components of MOD.", Buttons::Ok);
        return false;
    }
    DropFromTree(app, modText);
    if (!deleteFiles) return true;
    const std::string path = GameDirectoryPath(app, directory);
    if (byManifest || (!PathExists(path) && !PathExists(DiscardedName(path))))
        app.host.ShowMessage(Icon::Information, "The MOD has been deleted.", Buttons::Ok);
    else
        app.host.ShowMessage(Icon::Error, "Couldn't delete all components of MOD.", Buttons::Ok);
    return true;
}

void RenameMODButtonClick(Korvex& app) {
    if (!ModNodeSelected(app)) return;
    const std::string modText = app.modTree.selected->modText;
    const RenameModAnswer answer = app.host.AskRenameMod({ModNameOfNodeText(modText), ModDirOfNodeText(modText)});
    if (answer.confirmed) RenameMod(app, modText, answer.name, answer.directory);
}

bool RenameMod(Korvex& app, const std::string& modText, const std::string& newName, const std::string& newDirectory) {
    const std::string oldName = ModNameOfNodeText(modText);
    const std::string oldDirectory = ModDirOfNodeText(modText);
    const std::string directory = UpperCaseAscii(newDirectory);
    if (!IsPlainModDirectory(oldDirectory)) return RefusePath(app, oldDirectory);
    if (!IsPlainModDirectory(directory)) return RefusePath(app, directory);
    // Another MOD's game directory, or its entry when it has no files here, is never taken over.
    const bool otherDirectory = UpperCaseAscii(oldDirectory) != directory;
    if (otherDirectory &&
        (DirectoryExists(JoinPath(app.quakeDir, directory)) || FileExists(ModEntryPath(app.dirs, directory)))) {
        ShowError(app, Err::DirectoryAlreadyExists, JoinPath(app.dirs.mods, directory));
        return false;
    }
    if (newName == oldName && directory == oldDirectory) return false;
    if (!PathExists(GameDirectoryPath(app, oldDirectory))) {
        ShowError(app, Err::CouldntRenameDirectory, JoinPath(app.dirs.mods, oldDirectory));
        return false;
    }
    if (!RunRecorded(app, {"rename-mod", {oldDirectory, directory, newName}}, CarryOutModRename)) return false;
    SetModText(app, modText, ModTreeText(newName, directory));
    return true;
}

Carried CarryOutModRename(Korvex& app, const PendingOperation& operation) {
    if (app.quakeDir.empty()) return Carried::Partly;
    const std::string& oldDirectory = operation.arguments.at(0);
    const std::string& directory = operation.arguments.at(1);
    const std::string oldGamePath = GameDirectoryPath(app, oldDirectory);
    const std::string newGamePath = JoinPath(app.quakeDir, LowerCaseAscii(directory));
    // Moved already when the old directory is gone or the new one is another.
    const bool moved = !PathExists(oldGamePath) || (PathExists(newGamePath) && ResolveCase(newGamePath) != oldGamePath);
    if (!moved && oldGamePath != newGamePath && !RenamePath(oldGamePath, newGamePath)) {
        ShowError(app, Err::CouldntRenameDirectory, JoinPath(app.dirs.mods, oldDirectory));
        return Carried::NotAtAll;
    }
    const std::string oldEntry = ModEntryPath(app.dirs, oldDirectory);
    if (!FileExists(oldEntry)) return Carried::Completely;
    ModEntry entry;
    bool atEnd = false;
    if (!ReadModEntry(oldEntry, entry, atEnd)) {
        FatalError(app, Err::CouldntOpenFile, JoinPath(app.dirs.mods, oldDirectory));
        return Carried::Partly;
    }
    if (!MoveManifest(app.dirs, oldDirectory, directory)) {
        ShowError(app, Err::CouldntRenameDirectory, ManifestDirectory(app.dirs, oldDirectory));
        return Carried::Partly;
    }
    entry.treeText = ModTreeText(operation.arguments.at(2), directory);
    return MoveModEntry(app, oldDirectory, directory, entry) ? Carried::Completely : Carried::Partly;
}

void ViewReadme(Korvex& app, const std::string& file) {
    TExecFile& viewer = app.launch.viewReadmeExecFile;
    viewer.CommandLine = file;
    if (!viewer.Execute(app.host)) ShowError(app, Err::NoViewerConfigured, FileName(file));
}

bool AvailMODsDblClick(Korvex& app) {
    const auto& selected = app.modTree.selected;
    if (!selected) return false;
    if (selected->player) return LaunchSelectedPlayer(app);
    const ModNode* mod = FindModNode(app.modTree, selected->modText);
    if (!mod || !mod->players.empty()) return false;
    EditModOptions(app);
    return true;
}

}  // namespace korvex
