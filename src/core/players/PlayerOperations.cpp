#include "players/PlayerOperations.h"

#include "app/Korvex.h"
#include "app/Messages.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"
#include "platform/Text.h"
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

bool CreatePlayerFromTemplate(Korvex& app, const std::string& name) {
    if (!ReportCreateFailure(app, CreatePlayerDir(app, name), name)) return false;
    LoadPlayerCFG(app, kTemplatePlayerName);
    if (app.shuttingDown) return false;
    SetCurrentPlayer(app, name);
    // The new directory is empty: a template that did not load leaves its blank values.
    app.player.loaded = true;
    SavePlayerCFG(app);
    return !app.shuttingDown;
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
        const bool removed = DeletePlayerDir(app, JoinPath(app.dirs.players, name));
        UpdateInheritControls(app, true);
        UpdateModAssignments(app, false, "");
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

bool RenameCurrentPlayer(Korvex& app, const std::string& newName) {
    const std::string oldName = app.currentPlayerName;
    const int result = RenamePlayerDir(app, newName);
    if (result == kAlreadyExists) {
        ShowError(app, Err::PlayerAlreadyExists, newName);
        return false;
    }
    if (result != kDirCreated) {
        ShowError(app, Err::CouldntRenamePlayer, "to " + newName);
        return false;
    }
    RenameInheritanceChoices(app, oldName, newName);
    LoadPlayerCFG(app, newName);
    if (app.shuttingDown) return false;
    ShowInformation(app, "Renamed current Player-CFG to " + newName + ".");
    UpdateModAssignments(app, true, newName);
    return true;
}

bool CopyCurrentPlayer(Korvex& app, const std::string& target) {
    if (PlayerDirExists(app, target)) {
        if (app.host.ShowMessage(Icon::Question, "Player-CFG already exists. Overwrite?", Buttons::YesNo) !=
            Button::Yes)
            return false;
    } else {
        const int result = CreatePlayerDir(app, target);
        // A directory that refuses the probe is written as the copy goes; a file of that name
        // (lastplayer.dat, the template's files) is no Player-CFG and stays as it is.
        const bool unwritableDir = result == kAlreadyExists && DirectoryExists(JoinPath(app.dirs.players, target));
        if (!unwritableDir && !ReportCreateFailure(app, result, target)) return false;
    }
    const std::string source = app.currentPlayerName;
    SetCurrentPlayer(app, target);
    SavePlayerCFG(app);
    SetCurrentPlayer(app, source);
    if (app.shuttingDown) return false;
    CopyMacroOutputs(app, source, target);
    ShowInformation(app, "Current Player-CFG copied to " + target + ".");
    return true;
}

}  // namespace korvex
