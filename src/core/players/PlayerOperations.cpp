#include "players/PlayerOperations.h"

#include "app/DirectoryTools.h"
#include "app/Korvex.h"
#include "app/Messages.h"
#include "app/PendingOperation.h"
#include "app/StartUp.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"
#include "platform/Text.h"
#include "platform/TextFile.h"
#include "platform/WorkInProgress.h"
#include "players/Inheritance.h"
#include "players/ModAssignments.h"
#include "players/PlayerCfgFiles.h"
#include "players/PlayerDirs.h"

namespace korvex {
namespace {

struct PlayerListChoice {
    bool confirmed = false;
    std::vector<std::string> names;
};

PlayerListChoice ChooseFromPlayerList(Korvex& app, const char* caption, bool multiSelect, const char* confirm,
                                      const char* hint) {
    const std::vector<std::string> list = FillPlayerList(app);
    const PlayerListAnswer answer =
        app.host.ChoosePlayers({caption, kAvailablePlayersLabel, list, multiSelect, confirm, "", hint});
    return {answer.confirmed, EntriesInRows(list, answer.rows)};
}

PlayerNameAnswer AskName(Korvex& app, const char* caption, const char* label, std::string preset,
                         const char* confirm, const char* hint) {
    PlayerNameAnswer answer = app.host.AskPlayerName({caption, label, std::move(preset), confirm, hint});
    answer.confirmed = answer.confirmed && !app.shuttingDown && !IsBlankPlayerName(answer.name);
    return answer;
}

void ShowInformation(Korvex& app, const std::string& text) {
    app.host.ShowMessage(Icon::Information, text, Buttons::Ok);
}

// Returns true when the directory was made; reports why not otherwise.
bool ReportCreateFailure(Korvex& app, int answer, const std::string& name) {
    if (answer == kAlreadyExists) ShowError(app, Err::PlayerAlreadyExists, name);
    else if (answer == kPathNotFound) ShowError(app, Err::InvalidPlayerName, name);
    else if (answer != kDirCreated) ShowError(app, Err::CouldntCreatePlayer, name);
    return answer == kDirCreated;
}

// After a change, new or rename, confirmed or not, the Bindings tab starts with no category chosen.
void ResetMacroCategory(Korvex& app) {
    MacroBindingsView& lists = app.macroLists;
    lists.categoryText = kChooseCategoryText;
    lists.availMacros.clear();
    lists.availSelected.clear();
    app.host.PlayerCfgChanged();
}

}  // namespace

void BitBtn4Click(Korvex& app) {
    const PlayerListChoice choice = ChooseFromPlayerList(
        app, "Change Player-CFG", false, "Change To", "saves the current Player-CFG and makes the selected one current");
    if (choice.confirmed) {
        SavePlayerCFG(app);
        if (!choice.names.empty() && !app.shuttingDown) LoadPlayerCFG(app, choice.names.front());
    }
    ResetMacroCategory(app);
}

void BitBtn7Click(Korvex& app) {
    const PlayerNameAnswer answer = AskName(app, "New Player-CFG", "Name ", "", "Create",
                                               "creates a Player-CFG of this name from the template and makes it current");
    if (answer.confirmed) {
        SavePlayerCFG(app);
        if (!app.shuttingDown) CreatePlayerFromTemplate(app, answer.name);
    }
    ResetMacroCategory(app);
}

void BitBtn5Click(Korvex& app) {
    const PlayerListChoice choice = ChooseFromPlayerList(
        app, "Delete Player-CFG", true, "Delete",
        "deletes the selected Player-CFGs with all their files; the current one cannot be deleted");
    if (choice.confirmed) DeletePlayers(app, choice.names);
}

void BitBtn8Click(Korvex& app) {
    const PlayerNameAnswer answer = AskName(app, "Rename Player-CFG", "New name", app.currentPlayerName, "Rename",
                                               "gives the current Player-CFG this name");
    if (answer.confirmed) {
        SavePlayerCFG(app);
        if (!app.shuttingDown) RenameCurrentPlayer(app, answer.name);
        if (app.shuttingDown) return;
    }
    UpdateInheritControls(app, true);
    ResetMacroCategory(app);
}

void BitBtn9Click(Korvex& app) {
    const PlayerNameAnswer answer = AskName(app, "Copy Player-CFG", "New name", app.currentPlayerName, "Copy To",
                                               "copies the current Player-CFG, its options and macros, to this name");
    if (answer.confirmed) CopyCurrentPlayer(app, answer.name);
}

bool CreatePlayerFromTemplate(Korvex& app, const std::string& name, const std::function<bool(Korvex&)>& prepare) {
    if (!ReportCreateFailure(app, CreateBuildingPlayerDir(app, name, false), name)) return false;
    LoadPlayerCFG(app, kTemplatePlayerName);
    if (app.shuttingDown) return false;
    SetCurrentPlayer(app, name);
    // The new directory is empty: a template that did not load leaves its blank values.
    app.player.loaded = true;
    if ((prepare && !prepare(app)) || !SavePlayerCfgInto(app, BuildingPlayerDir(app, name))) {
        RemoveDirectoryTree(app, BuildingPlayerDir(app, name));
        return false;
    }
    return MovePlayerDirIntoPlace(app, name) && !app.shuttingDown;
}

Carried CarryOutPlayerDeletion(Korvex& app, const PendingOperation& operation) {
    const std::string& name = operation.arguments.at(0);
    const std::string aside = DiscardedName(ResolveCase(PlayerDir(app, name)));
    if (DirectoryExists(PlayerDir(app, name)) && !RenamePath(PlayerDir(app, name), aside)) {
        ShowError(app, Err::CouldntRemoveDirectory, PlayerDir(app, name));
        return Carried::NotAtAll;
    }
    // A Player-CFG made anew under that name since keeps its assignments.
    const bool done = (DirectoryExists(PlayerDir(app, name)) || RenameInModEntries(app, name, "")) &&
                      RemoveDirectoryTree(app, aside);
    return done ? Carried::Completely : Carried::Partly;
}

void DeletePlayers(Korvex& app, const std::vector<std::string>& names) {
    std::vector<std::string> deleted;
    std::vector<std::string> failed;
    // The list's order, whatever order the selection came in.
    for (const std::string& name : SelectedInListOrder(FillPlayerList(app), names)) {
        if (EqualsIgnoringCase(name, app.currentPlayerName)) {
            ShowError(app, Err::CannotDeleteCurrentPlayer, app.currentPlayerName);
            continue;
        }
        const bool removed = RunRecorded(app, {"delete-player", {name}}, CarryOutPlayerDeletion);
        UpdateInheritControls(app, true);
        if (!DirectoryExists(PlayerDir(app, name))) RenameInModTree(app, name, "");
        (removed ? deleted : failed).push_back(name);
    }
    if (!deleted.empty()) {
        ShowMainPage(app, Page::ConfigEditor);
        ShowInformation(app, "Deleted " + JoinPlayerNames(deleted) + ".");
    }
    if (!failed.empty()) {
        ShowMainPage(app, Page::ConfigEditor);
        app.host.ShowMessage(Icon::Error,
                             "Error: Could not completly remove " + JoinPlayerNames(failed) +
                                 ". Errors may occur when trying to reload this Player-CFG.",
                             Buttons::Ok);
    }
}

Carried CarryOutPlayerRename(Korvex& app, const PendingOperation& operation) {
    const std::string& oldName = operation.arguments.at(0);
    const std::string& newName = operation.arguments.at(1);
    const std::string from = ResolveCase(PlayerDir(app, oldName));
    const std::string to = PlayerDir(app, newName);
    const bool moved = !DirectoryExists(from) || (PathExists(to) && ResolveCase(to) != from) || from == to;
    if (!moved && !RenamePath(from, to)) {
        ShowError(app, Err::CouldntRenamePlayer, "to " + newName);
        return Carried::NotAtAll;
    }
    const bool done = RenameInModEntries(app, oldName, newName) && RenameInheritanceChoices(app, oldName, newName) &&
                      (!EqualsIgnoringCase(ReadFirstLine(LastPlayerFile(app)), oldName) || SaveLastPlayer(app, newName));
    return done ? Carried::Completely : Carried::Partly;
}

bool RenameCurrentPlayer(Korvex& app, const std::string& newName) {
    const int result = CheckPlayerRename(app, newName);
    if (result != kDirCreated) {
        if (result == kAlreadyExists) ShowError(app, Err::PlayerAlreadyExists, newName);
        else ShowError(app, Err::CouldntRenamePlayer, "to " + newName);
        return false;
    }
    const std::string oldName = app.currentPlayerName;
    const bool complete = RunRecorded(app, {"rename-player", {oldName, newName}}, CarryOutPlayerRename);
    // Once the directory has moved, the window goes on with the new name; what failed after
    // that was reported, and the next start finishes it.
    if (!DirectoryExists(PlayerDir(app, newName)) || app.shuttingDown) return false;
    LoadPlayerCFG(app, newName);
    if (app.shuttingDown) return false;
    ShowInformation(app, "Renamed current Player-CFG to " + newName + ".");
    RenameInModTree(app, oldName, newName);
    return complete;
}

bool CopyCurrentPlayer(Korvex& app, const std::string& target) {
    const bool replacing = PlayerDirExists(app, target);
    if (replacing &&
        app.host.ShowMessage(Icon::Question, "Player-CFG already exists. Overwrite?", Buttons::YesNo) != Button::Yes)
        return false;
    if (!ReportCreateFailure(app, CreateBuildingPlayerDir(app, target, replacing), target)) return false;
    const bool built = SavePlayerCfgInto(app, BuildingPlayerDir(app, target));
    if (app.shuttingDown) return false;
    if (!built || !CopyMacroOutputs(app, app.currentPlayerName, BuildingPlayerDir(app, target)) ||
        !MovePlayerDirIntoPlace(app, target)) {
        RemoveDirectoryTree(app, BuildingPlayerDir(app, target));
        return false;
    }
    ShowInformation(app, "Current Player-CFG copied to " + target + ".");
    return true;
}

}  // namespace korvex
