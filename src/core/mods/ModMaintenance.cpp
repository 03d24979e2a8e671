#include "mods/ModMaintenance.h"

#include <algorithm>

#include "app/DirectoryTools.h"
#include "app/Korvex.h"
#include "app/Messages.h"
#include "mods/Launcher.h"
#include "mods/ModCatalogue.h"
#include "mods/ModDialogRequests.h"
#include "mods/ModTree.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"
#include "platform/Text.h"
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
bool RemoveModFiles(Korvex& app, const std::string& directory) {
    const std::string path = GameDirectoryPath(app, directory);
    if (IsSymbolicLink(path)) return RemoveFile(path);
    return RemoveDirectoryTree(app, path);
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
    RemoveFile(newPath);
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

bool RemoveMod(Korvex& app, const std::string& modText, bool deleteFiles) {
    const std::string directory = ModDirOfNodeText(modText);
    if (!IsPlainModDirectory(directory)) return RefusePath(app, directory);
    const std::string entryPath = ModEntryPath(app.dirs, directory);
    if (!RemoveFile(entryPath)) {
        FatalError(app, Err::CouldntDeleteFile, entryPath);
        return false;
    }
    std::erase_if(app.modTree.mods, [&](const ModNode& mod) { return mod.text == modText; });
    if (app.modTree.selected && app.modTree.selected->modText == modText) app.modTree.selected.reset();
    TreeChanged(app);
    if (!deleteFiles) return true;
    if (RemoveModFiles(app, directory))
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
    const std::string oldGamePath = GameDirectoryPath(app, oldDirectory);
    const std::string newGamePath = JoinPath(app.quakeDir, LowerCaseAscii(directory));
    if (!RenamePath(oldGamePath, newGamePath)) {
        ShowError(app, Err::CouldntRenameDirectory, JoinPath(app.dirs.mods, oldDirectory));
        return false;
    }
    ModEntry entry;
    bool atEnd = false;
    if (!ReadModEntry(ModEntryPath(app.dirs, oldDirectory), entry, atEnd)) {
        FatalError(app, Err::CouldntOpenFile, JoinPath(app.dirs.mods, oldDirectory));
        return false;
    }
    entry.treeText = ModTreeText(newName, directory);
    if (!MoveModEntry(app, oldDirectory, directory, entry)) {
        if (!app.shuttingDown && !RenamePath(newGamePath, oldGamePath))
            FatalError(app, Err::CouldntRenameDirectory, newGamePath);
        return false;
    }
    SetModText(app, modText, entry.treeText);
    return true;
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
