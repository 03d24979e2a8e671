#include "mods/ModMaintenance.h"

#include <algorithm>

#include "app/DirectoryTools.h"
#include "app/Korvex.h"
#include "app/Messages.h"
#include "app/PendingOperation.h"
#include "app/QuakeLocation.h"
#include "mods/Launcher.h"
#include "mods/ManifestRemoval.h"
#include "mods/ModCatalogue.h"
#include "mods/ModDialogRequests.h"
#include "mods/ModManifest.h"
#include "mods/ModTree.h"
#include "platform/FileSystem.h"
#include "platform/ListOrder.h"
#include "platform/Path.h"
#include "platform/Text.h"
#include "platform/WorkInProgress.h"
#include "players/PlayerDirs.h"

namespace korvex {
namespace {

// A MOD-only action on a Player-CFG node says so; false when no MOD node is selected.
bool ModNodeSelected(Reporter& report, ModTree& modTree) {
    if (!modTree.selected) return false;
    if (!modTree.selected->player) return true;
    report.host.ShowMessage(Icon::Error, kNoModText, Buttons::Ok);
    return false;
}

bool RefusePath(Reporter& report, const std::string& directory) {
    report.ShowError(Err::InvalidPath, directory);
    return false;
}

void TreeChanged(Reporter& report) { report.host.ModTreeChanged(); }

// The MOD nodes of directories that do not list the Player-CFG yet, each once.
std::vector<ModNode*> ModsWithout(ModTree& modTree, const std::string& player,
                                  const std::vector<std::string>& directories) {
    std::vector<ModNode*> mods;
    for (const std::string& directory : directories) {
        ModNode* mod = FindModByTextOrDirectory(modTree, directory);
        if (mod && std::ranges::find(mod->players, player) == mod->players.end() &&
            std::ranges::find(mods, mod) == mods.end())
            mods.push_back(mod);
    }
    return mods;
}

bool AssignPlayerCfg(Reporter& report, const ProgramPaths& paths, ModNode& mod, const std::string& player) {
    const std::string path = ModEntryPath(paths, ModDirOfNodeText(mod.text));
    ModEntry entry;
    bool atEnd = false;
    if (!ReadModEntry(path, entry, atEnd)) {
        report.ShowError(Err::CouldntOpenFile, path);
        return false;
    }
    entry.playerCfgs.push_back(player);
    SortAsListBox(entry.playerCfgs);
    if (!WriteModEntry(path, entry)) {
        report.ShowError(Err::CouldntCreateFile, path);
        return false;
    }
    mod.players = entry.playerCfgs;
    return true;
}

void SetModText(Reporter& report, ModTree& modTree, const std::string& from, const std::string& to) {
    if (ModNode* node = FindModNode(modTree, from)) node->text = to;
    if (modTree.selected && modTree.selected->modText == from) modTree.selected->modText = to;
    TreeChanged(report);
}

std::string GameDirectoryPath(const ProgramPaths& paths, const std::string& directory) {
    return ResolveCase(JoinPath(paths.quakeDir, directory));
}

// A MOD directory that is a link is removed as a link: what it points to lies outside the game.
bool RemoveModFiles(Reporter& report, const std::string& path) {
    if (IsSymbolicLink(path)) return RemoveFile(path);
    return RemoveDirectoryTree(report, path);
}

bool RemoveModEntryFile(Reporter& report, const ProgramPaths& paths, const std::string& directory) {
    const std::string entryPath = ModEntryPath(paths, directory);
    if (!FileExists(entryPath) || RemoveFile(entryPath)) return true;
    report.FatalError(Err::CouldntDeleteFile, entryPath);
    return false;
}

void DropFromTree(Reporter& report, ModTree& modTree, const std::string& modText) {
    std::erase_if(modTree.mods, [&](const ModNode& mod) { return mod.text == modText; });
    if (modTree.selected && modTree.selected->modText == modText) modTree.selected.reset();
    TreeChanged(report);
}

// The entry moves to its new file; the old one goes only once the new one is complete.
bool MoveModEntry(Reporter& report, const ProgramPaths& paths, const std::string& oldDirectory,
                  const std::string& newDirectory, const ModEntry& entry) {
    const std::string oldPath = ModEntryPath(paths, oldDirectory);
    const std::string newPath =
        EqualsIgnoringCase(oldDirectory, newDirectory) ? oldPath : JoinPath(paths.mods, LowerCaseAscii(newDirectory));
    if (!WriteModEntry(newPath, entry)) {
        report.FatalError(Err::CouldntCreateFile, newPath);
        return false;
    }
    if (newPath == oldPath || RemoveFile(oldPath)) return true;
    report.ShowError(Err::CouldntDeleteFile, oldPath);
    return false;
}

}  // namespace

bool EditModOptions(Korvex& app) {
    const ModNode* mod = SelectedMod(app.modTree);
    if (!mod) return false;
    const std::string modText = mod->text;
    const std::string directory = ModDirOfNodeText(modText);
    EditModOptionsRequest request;
    if (!LoadModEntryIntoDialog(app.report, app.paths, directory, request.entry)) return false;
    request.caption =
        "Edit MOD's Options and assign players to MOD (" + TrimBlanksAndNuls(ModNameOfNodeText(modText)) + ")";
    request.availablePlayers = FillPlayerList(app.paths);
    request.readmeDirectory = GameDirectoryPath(app.paths, directory);
    const std::string maps = ResolveCase(JoinPath(request.readmeDirectory, "MAPS"));
    request.mapsDirectory = DirectoryExists(maps) ? maps : request.readmeDirectory;
    request.viewReadme = [&app](const std::string& file) { ViewReadme(app.report, app.launch, file); };
    const EditModOptionsAnswer answer = app.host.EditModOptions(request);
    if (!answer.confirmed) return false;
    ApplyModOptions(app.report, app.paths, app.modTree, modText, answer.entry);
    return true;
}

void ApplyModOptions(Reporter& report, const ProgramPaths& paths, ModTree& modTree, const std::string& modText,
                     const ModEntry& entry) {
    if (ModNode* node = FindModNode(modTree, modText)) node->players = entry.playerCfgs;
    SortModTree(modTree);
    TreeChanged(report);
    SaveModEntry(report, paths, ModDirOfNodeText(modText), modText, entry);
}

void OfferPlayerCfgAssignment(Reporter& report, const ProgramPaths& paths, ModTree& modTree, const std::string& player,
                              const std::vector<std::string>& directories) {
    if (player.empty()) return;
    const std::vector<ModNode*> mods = ModsWithout(modTree, player, directories);
    if (mods.empty()) return;
    std::string question = "Would you like to assign the Player-CFG '" + player +
                           "' to these modifications, so that you can launch Quake II with it at once?\r\n";
    for (const ModNode* mod : mods) question += "\r\n" + mod->text;
    if (!AskYesNo(report.host, question)) return;
    for (ModNode* mod : mods)
        if (!AssignPlayerCfg(report, paths, *mod, player)) break;
    SortModTree(modTree);
    TreeChanged(report);
}

void ServerSideButtonClick(Reporter& report, const ProgramPaths& paths, ModTree& modTree) {
    const ServerSideModAnswer answer = report.host.AskServerSideMod();
    if (!answer.confirmed || answer.name.empty()) return;
    AddModToCatalogue(report, paths, modTree, answer.name, UpperCaseAscii(answer.directory));
}

void RemoveMODButtonClick(Reporter& report, const ProgramPaths& paths, ModTree& modTree) {
    if (!ModNodeSelected(report, modTree)) return;
    const std::string modText = modTree.selected->modText;
    const RemoveModRequest request{"Remove MOD " + ModNameOfNodeText(modText) + " (" + ModDirOfNodeText(modText) +
                                   ") ?"};
    const RemoveModAnswer answer = report.host.AskRemoveMod(request);
    if (answer.confirmed) RemoveMod(report, paths, modTree, modText, answer.deleteFiles);
}

// The game directory steps aside first, so that no half of it stays under its name. The
// removal is complete once the entry is gone: what is left aside the next start clears away.
Carried CarryOutModRemoval(Reporter& report, const ProgramPaths& paths, const PendingOperation& operation) {
    if (paths.quakeDir.empty()) return Carried::Partly;
    const std::string& directory = operation.arguments.at(0);
    const std::string path = GameDirectoryPath(paths, directory);
    const std::string aside = DiscardedName(path);
    if (PathExists(path) && !RenamePath(path, aside)) return Carried::NotAtAll;
    if (!RemoveModEntryFile(report, paths, directory) || !RemoveManifest(report, paths, directory)) return Carried::Partly;
    if (PathExists(aside)) RemoveModFiles(report, aside);
    return Carried::Completely;
}

bool RemoveMod(Reporter& report, const ProgramPaths& paths, ModTree& modTree, const std::string& modText,
               bool deleteFiles) {
    const std::string directory = ModDirOfNodeText(modText);
    if (!IsPlainModDirectory(directory)) return RefusePath(report, directory);
    if (deleteFiles && !RequireQuakeDir(report, paths)) return false;
    const bool byManifest = deleteFiles && HasManifest(ManifestDirectory(paths, directory));
    if (byManifest && !RemoveModByManifest(report, paths, modText, directory) && FileExists(ModEntryPath(paths, directory)))
        return false;
    if (deleteFiles && !byManifest) RunRecorded(report, paths, {"remove-mod", {directory}}, CarryOutModRemoval);
    if (!deleteFiles && RemoveModEntryFile(report, paths, directory)) RemoveManifest(report, paths, directory);
    if (FileExists(ModEntryPath(paths, directory))) {
        if (deleteFiles && !report.shuttingDown)
            report.host.ShowMessage(Icon::Error, "Couldn't delete all components of MOD.", Buttons::Ok);
        return false;
    }
    DropFromTree(report, modTree, modText);
    if (!deleteFiles) return true;
    const std::string path = GameDirectoryPath(paths, directory);
    if (byManifest || (!PathExists(path) && !PathExists(DiscardedName(path))))
        report.host.ShowMessage(Icon::Information, "The MOD has been deleted.", Buttons::Ok);
    else
        report.host.ShowMessage(Icon::Error, "Couldn't delete all components of MOD.", Buttons::Ok);
    return true;
}

void RenameMODButtonClick(Reporter& report, const ProgramPaths& paths, ModTree& modTree) {
    if (!ModNodeSelected(report, modTree)) return;
    const std::string modText = modTree.selected->modText;
    const RenameModAnswer answer = report.host.AskRenameMod({ModNameOfNodeText(modText), ModDirOfNodeText(modText)});
    if (answer.confirmed) RenameMod(report, paths, modTree, modText, answer.name, answer.directory);
}

bool RenameMod(Reporter& report, const ProgramPaths& paths, ModTree& modTree, const std::string& modText,
               const std::string& newName, const std::string& newDirectory) {
    const std::string oldName = ModNameOfNodeText(modText);
    const std::string oldDirectory = ModDirOfNodeText(modText);
    const std::string directory = UpperCaseAscii(newDirectory);
    if (!IsPlainModDirectory(oldDirectory)) return RefusePath(report, oldDirectory);
    if (!IsPlainModDirectory(directory)) return RefusePath(report, directory);
    // Another MOD's game directory, or its entry when it has no files here, is never taken over.
    const bool otherDirectory = UpperCaseAscii(oldDirectory) != directory;
    if (otherDirectory && !RequireQuakeDir(report, paths)) return false;
    if (otherDirectory &&
        (DirectoryExists(JoinPath(paths.quakeDir, directory)) || FileExists(ModEntryPath(paths, directory)))) {
        report.ShowError(Err::DirectoryAlreadyExists, JoinPath(paths.mods, directory));
        return false;
    }
    if (newName == oldName && directory == oldDirectory) return false;
    if (!PathExists(GameDirectoryPath(paths, oldDirectory))) {
        report.ShowError(Err::CouldntRenameDirectory, JoinPath(paths.mods, oldDirectory));
        return false;
    }
    if (!RunRecorded(report, paths, {"rename-mod", {oldDirectory, directory, newName}}, CarryOutModRename))
        return false;
    SetModText(report, modTree, modText, ModTreeText(newName, directory));
    return true;
}

Carried CarryOutModRename(Reporter& report, const ProgramPaths& paths, const PendingOperation& operation) {
    if (paths.quakeDir.empty()) return Carried::Partly;
    const std::string& oldDirectory = operation.arguments.at(0);
    const std::string& directory = operation.arguments.at(1);
    const std::string oldGamePath = GameDirectoryPath(paths, oldDirectory);
    const std::string newGamePath = JoinPath(paths.quakeDir, LowerCaseAscii(directory));
    // Moved already when the old directory is gone or the new one is another.
    const bool moved = !PathExists(oldGamePath) || (PathExists(newGamePath) && ResolveCase(newGamePath) != oldGamePath);
    if (!moved && oldGamePath != newGamePath && !RenamePath(oldGamePath, newGamePath)) {
        report.ShowError(Err::CouldntRenameDirectory, JoinPath(paths.mods, oldDirectory));
        return Carried::NotAtAll;
    }
    const std::string oldEntry = ModEntryPath(paths, oldDirectory);
    if (!FileExists(oldEntry)) return Carried::Completely;
    ModEntry entry;
    bool atEnd = false;
    if (!ReadModEntry(oldEntry, entry, atEnd)) {
        report.FatalError(Err::CouldntOpenFile, JoinPath(paths.mods, oldDirectory));
        return Carried::Partly;
    }
    if (!MoveManifest(paths, oldDirectory, directory)) {
        report.ShowError(Err::CouldntRenameDirectory, ManifestDirectory(paths, oldDirectory));
        return Carried::Partly;
    }
    entry.treeText = ModTreeText(operation.arguments.at(2), directory);
    return MoveModEntry(report, paths, oldDirectory, directory, entry) ? Carried::Completely : Carried::Partly;
}

void ViewReadme(Reporter& report, LaunchState& launch, const std::string& file) {
    TExecFile& viewer = launch.viewReadmeExecFile;
    viewer.CommandLine = file;
    if (!viewer.Execute(report.host)) report.ShowError(Err::NoViewerConfigured, FileName(file));
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
