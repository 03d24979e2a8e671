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

PlayerListChoice ChooseFromPlayerList(Reporter& report, const ProgramPaths& paths, const char* caption,
                                      bool multiSelect, const char* confirm, const char* hint) {
    const std::vector<std::string> list = FillPlayerList(paths);
    const PlayerListAnswer answer =
        report.host.ChoosePlayers({caption, kAvailablePlayersLabel, list, multiSelect, confirm, "", hint});
    return {answer.confirmed, EntriesInRows(list, answer.rows)};
}

PlayerNameAnswer AskName(Reporter& report, const char* caption, const char* label, std::string preset,
                         const char* confirm, const char* hint) {
    PlayerNameAnswer answer = report.host.AskPlayerName({caption, label, std::move(preset), confirm, hint});
    answer.confirmed = answer.confirmed && !report.shuttingDown && !IsBlankPlayerName(answer.name);
    return answer;
}

void ShowInformation(Reporter& report, const std::string& text) {
    report.host.ShowMessage(Icon::Information, text, Buttons::Ok);
}

// Returns true when the directory was made; reports why not otherwise.
bool ReportCreateFailure(Reporter& report, int answer, const std::string& name) {
    if (answer == kAlreadyExists)
        report.ShowError(Err::PlayerAlreadyExists, name);
    else if (answer == kPathNotFound)
        report.ShowError(Err::InvalidPlayerName, name);
    else if (answer != kDirCreated)
        report.ShowError(Err::CouldntCreatePlayer, name);
    return answer == kDirCreated;
}

// After a change, new or rename, confirmed or not, the Bindings tab starts with no category chosen.
void ResetMacroCategory(Reporter& report, MacroBindingsView& lists) {
    lists.categoryText = kChooseCategoryText;
    lists.availMacros.clear();
    lists.availSelected.clear();
    report.host.PlayerCfgChanged();
}

}  // namespace

void BitBtn4Click(Korvex& app) {
    const PlayerListChoice choice =
        ChooseFromPlayerList(app.report, app.paths, "Change Player-CFG", false, "Change To",
                             "saves the current Player-CFG and makes the selected one current");
    if (choice.confirmed) {
        SavePlayerCFG(app);
        if (!choice.names.empty() && !app.report.shuttingDown) LoadPlayerCFG(app, choice.names.front());
    }
    ResetMacroCategory(app.report, app.macroLists);
}

void BitBtn7Click(Korvex& app) {
    const PlayerNameAnswer answer = AskName(app.report, "New Player-CFG", "Name ", "", "Create",
                                            "creates a Player-CFG of this name from the template and makes it current");
    if (answer.confirmed) {
        SavePlayerCFG(app);
        if (!app.report.shuttingDown) CreatePlayerFromTemplate(app, answer.name);
    }
    ResetMacroCategory(app.report, app.macroLists);
}

void BitBtn5Click(Korvex& app) {
    const PlayerListChoice choice = ChooseFromPlayerList(
        app.report, app.paths, "Delete Player-CFG", true, "Delete",
        "deletes the selected Player-CFGs with all their files; the current one cannot be deleted");
    if (!choice.confirmed) return;
    std::vector<std::string> others;
    for (const std::string& name : choice.names)
        if (!EqualsIgnoringCase(name, app.currentPlayerName)) others.push_back(name);
    // The current one is refused anyway; there is nothing to ask about it.
    if (!others.empty() &&
        app.host.ShowMessage(Icon::Question, "Delete " + JoinPlayerNames(others) + "? This cannot be undone.",
                             Buttons::YesNo) != Button::Yes)
        return;
    DeletePlayers(app, choice.names);
}

void BitBtn8Click(Korvex& app) {
    const PlayerNameAnswer answer = AskName(app.report, "Rename Player-CFG", "New name", app.currentPlayerName,
                                            "Rename", "gives the current Player-CFG this name");
    if (answer.confirmed) {
        SavePlayerCFG(app);
        if (!app.report.shuttingDown) RenameCurrentPlayer(app, answer.name);
        if (app.report.shuttingDown) return;
    }
    UpdateInheritControls(app, true);
    ResetMacroCategory(app.report, app.macroLists);
}

void BitBtn9Click(Korvex& app) {
    const PlayerNameAnswer answer = AskName(app.report, "Copy Player-CFG", "New name", app.currentPlayerName, "Copy To",
                                            "copies the current Player-CFG, its options and macros, to this name");
    if (answer.confirmed) CopyCurrentPlayer(app, answer.name);
}

bool CreatePlayerFromTemplate(Korvex& app, const std::string& name, const std::function<bool(Korvex&)>& prepare) {
    if (!ReportCreateFailure(app.report, CreateBuildingPlayerDir(app.report, app.paths, name, false), name))
        return false;
    LoadPlayerCFG(app, kTemplatePlayerName);
    if (app.report.shuttingDown) return false;
    SetCurrentPlayer(app, name);
    // The new directory is empty: a template that did not load leaves its blank values.
    app.player.loaded = true;
    if ((prepare && !prepare(app)) || !SavePlayerCfgInto(app, BuildingPlayerDir(app.paths, name))) {
        RemoveDirectoryTree(app.report, BuildingPlayerDir(app.paths, name));
        return false;
    }
    return MovePlayerDirIntoPlace(app.report, app.paths, name) && !app.report.shuttingDown;
}

Carried CarryOutPlayerDeletion(Reporter& report, const ProgramPaths& paths, const PendingOperation& operation) {
    const std::string& name = operation.arguments.at(0);
    const std::string aside = DiscardedName(ResolveCase(PlayerDir(paths, name)));
    if (DirectoryExists(PlayerDir(paths, name)) && !RenamePath(PlayerDir(paths, name), aside)) {
        report.ShowError(Err::CouldntRemoveDirectory, PlayerDir(paths, name));
        return Carried::NotAtAll;
    }
    // A Player-CFG made anew under that name since keeps its assignments.
    const bool done = (DirectoryExists(PlayerDir(paths, name)) || RenameInModEntries(report, paths, name, "")) &&
                      RemoveDirectoryTree(report, aside);
    return done ? Carried::Completely : Carried::Partly;
}

void DeletePlayers(Korvex& app, const std::vector<std::string>& names) {
    std::vector<std::string> deleted;
    std::vector<std::string> failed;
    // The list's order, whatever order the selection came in.
    for (const std::string& name : SelectedInListOrder(FillPlayerList(app.paths), names)) {
        if (EqualsIgnoringCase(name, app.currentPlayerName)) {
            app.report.ShowError(Err::CannotDeleteCurrentPlayer, app.currentPlayerName);
            continue;
        }
        const bool removed = RunRecorded(app.report, app.paths, {"delete-player", {name}}, CarryOutPlayerDeletion);
        UpdateInheritControls(app, true);
        if (!DirectoryExists(PlayerDir(app.paths, name))) RenameInModTree(app.report, app.modTree, name, "");
        (removed ? deleted : failed).push_back(name);
    }
    if (!deleted.empty()) {
        ShowMainPage(app, Page::ConfigEditor);
        ShowInformation(app.report, "Deleted " + JoinPlayerNames(deleted) + ".");
    }
    if (!failed.empty()) {
        ShowMainPage(app, Page::ConfigEditor);
        app.host.ShowMessage(Icon::Error,
                             "Error: Could not completly remove " + JoinPlayerNames(failed) +
                                 ". Errors may occur when trying to reload this Player-CFG.",
                             Buttons::Ok);
    }
}

Carried CarryOutPlayerRename(Reporter& report, const ProgramPaths& paths, const PendingOperation& operation) {
    const std::string& oldName = operation.arguments.at(0);
    const std::string& newName = operation.arguments.at(1);
    const std::string from = ResolveCase(PlayerDir(paths, oldName));
    const std::string to = PlayerDir(paths, newName);
    const bool moved = !DirectoryExists(from) || (PathExists(to) && ResolveCase(to) != from) || from == to;
    if (!moved && !RenamePath(from, to)) {
        report.ShowError(Err::CouldntRenamePlayer, "to " + newName);
        return Carried::NotAtAll;
    }
    const bool done =
        RenameInModEntries(report, paths, oldName, newName) &&
        RenameInheritanceChoices(report, paths, oldName, newName) &&
        (!EqualsIgnoringCase(ReadFirstLine(LastPlayerFile(paths)), oldName) || SaveLastPlayer(report, paths, newName));
    return done ? Carried::Completely : Carried::Partly;
}

bool RenameCurrentPlayer(Korvex& app, const std::string& newName) {
    const int result = CheckPlayerRename(app.paths, app.currentPlayerDir, newName);
    if (result != kDirCreated) {
        if (result == kAlreadyExists)
            app.report.ShowError(Err::PlayerAlreadyExists, newName);
        else
            app.report.ShowError(Err::CouldntRenamePlayer, "to " + newName);
        return false;
    }
    const std::string oldName = app.currentPlayerName;
    const bool complete =
        RunRecorded(app.report, app.paths, {"rename-player", {oldName, newName}}, CarryOutPlayerRename);
    // Once the directory has moved, the window goes on with the new name; what failed after
    // that was reported, and the next start finishes it.
    if (!DirectoryExists(PlayerDir(app.paths, newName)) || app.report.shuttingDown) return false;
    LoadPlayerCFG(app, newName);
    if (app.report.shuttingDown) return false;
    ShowInformation(app.report, "Renamed current Player-CFG to " + newName + ".");
    RenameInModTree(app.report, app.modTree, oldName, newName);
    return complete;
}

bool CopyCurrentPlayer(Korvex& app, const std::string& target) {
    const bool replacing = PlayerDirExists(app.paths, target);
    if (replacing &&
        app.host.ShowMessage(Icon::Question, "Player-CFG already exists. Overwrite?", Buttons::YesNo) != Button::Yes)
        return false;
    if (!ReportCreateFailure(app.report, CreateBuildingPlayerDir(app.report, app.paths, target, replacing), target))
        return false;
    const bool built = SavePlayerCfgInto(app, BuildingPlayerDir(app.paths, target));
    if (app.report.shuttingDown) return false;
    if (!built ||
        !CopyMacroOutputs(app.report, app.paths, app.currentPlayerName, BuildingPlayerDir(app.paths, target)) ||
        !MovePlayerDirIntoPlace(app.report, app.paths, target)) {
        RemoveDirectoryTree(app.report, BuildingPlayerDir(app.paths, target));
        return false;
    }
    ShowInformation(app.report, "Current Player-CFG copied to " + target + ".");
    return true;
}

}  // namespace korvex
