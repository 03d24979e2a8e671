#include "players/PlayerOperations.h"

#include <algorithm>

#include "app/Korvex.h"
#include "app/Messages.h"
#include "platform/Path.h"
#include "platform/Text.h"
#include "players/Inheritance.h"
#include "players/ModAssignments.h"
#include "players/PlayerCfgFiles.h"
#include "players/PlayerDirs.h"

namespace korvex {
namespace {

constexpr const char* kAvailablePlayers = "Available Player-CFG's";

PlayerListAnswer ChooseFromPlayerList(Korvex& app, const char* caption, bool multiSelect, const char* confirm) {
    return app.host.ChoosePlayers({caption, kAvailablePlayers, FillPlayerList(app), multiSelect, confirm});
}

PlayerNameAnswer AskName(Korvex& app, const char* caption, const char* label, std::string preset,
                         const char* confirm) {
    PlayerNameAnswer answer = app.host.AskPlayerName({caption, label, std::move(preset), confirm});
    answer.confirmed = answer.confirmed && !app.shuttingDown;
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

// A new Player-CFG starts with no category chosen on the Bindings tab.
void ResetMacroCategory(Korvex& app) {
    MacroBindingsView& lists = app.macroLists;
    lists.categoryText = kChooseCategoryText;
    lists.availMacros.clear();
    lists.availSelected.clear();
}

std::string JoinNames(const std::vector<std::string>& names) {
    std::string joined;
    for (const std::string& name : names) joined += (joined.empty() ? "" : ", ") + name;
    return joined;
}

void CreatePlayerFromTemplate(Korvex& app, const std::string& name) {
    SavePlayerCFG(app);
    if (app.shuttingDown || !ReportCreateFailure(app, CreatePlayerDir(app, name), name)) return;
    LoadPlayerCFG(app, kTemplatePlayerName);
    if (app.shuttingDown) return;
    SetCurrentPlayer(app, name);
    // The new directory is empty: a template that did not load leaves its blank values.
    app.player.loaded = true;
    SavePlayerCFG(app);
}

}  // namespace

void BitBtn4Click(Korvex& app) {
    const PlayerListAnswer answer = ChooseFromPlayerList(app, "Change Player-CFG", false, "Change To");
    if (!answer.confirmed) return;
    SavePlayerCFG(app);
    if (!answer.selected.empty() && !app.shuttingDown) LoadPlayerCFG(app, answer.selected.front());
}

void BitBtn7Click(Korvex& app) {
    const PlayerNameAnswer answer = AskName(app, "New Player-CFG", "Name ", "", "Create");
    if (answer.confirmed) CreatePlayerFromTemplate(app, answer.name);
    ResetMacroCategory(app);
    app.host.PlayerCfgChanged();
}

void BitBtn5Click(Korvex& app) {
    const PlayerListAnswer answer = ChooseFromPlayerList(app, "Delete Player-CFG", true, "Delete");
    if (!answer.confirmed) return;
    std::vector<std::string> deleted;
    std::vector<std::string> failed;
    // The list's order, whatever order the selection came in.
    for (const std::string& name : FillPlayerList(app)) {
        if (std::find(answer.selected.begin(), answer.selected.end(), name) == answer.selected.end()) continue;
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
        ShowInformation(app, "Deleted " + JoinNames(deleted) + ".");
    }
    if (!failed.empty()) {
        ShowMainPage(app, Page::ConfigEditor);
        app.host.ShowMessage(Icon::Error,
                             "Error: Could not completly remove " + JoinNames(failed) +
                                 ". Errors may occur when trying to reload this Player-CFG.",
                             Buttons::Ok);
    }
}

void BitBtn8Click(Korvex& app) {
    const PlayerNameAnswer answer = AskName(app, "Rename Player-CFG", "New name", app.currentPlayerName, "Rename");
    if (answer.confirmed) {
        SavePlayerCFG(app);
        if (app.shuttingDown) return;
        const int result = RenamePlayerDir(app, answer.name);
        if (result == kAlreadyExists) {
            ShowError(app, Err::PlayerAlreadyExists, answer.name);
        } else if (result != kDirCreated) {
            ShowError(app, Err::CouldntRenamePlayer, "to " + answer.name);
        } else {
            LoadPlayerCFG(app, answer.name);
            if (app.shuttingDown) return;
            ShowInformation(app, "Renamed current Player-CFG to " + answer.name + ".");
            UpdateModAssignments(app, true, answer.name);
        }
    }
    UpdateInheritControls(app, true);
    app.host.PlayerCfgChanged();
}

void BitBtn9Click(Korvex& app) {
    const PlayerNameAnswer answer = AskName(app, "Copy Player-CFG", "New name", app.currentPlayerName, "Copy To");
    if (!answer.confirmed) return;
    const std::string& target = answer.name;
    if (PlayerDirExists(app, target)) {
        if (app.host.ShowMessage(Icon::Question, "Player-CFG already exists. Overwrite?", Buttons::YesNo) !=
            Button::Yes)
            return;
    } else {
        const int result = CreatePlayerDir(app, target);
        if (result != kAlreadyExists && !ReportCreateFailure(app, result, target)) return;
    }
    const std::string source = app.currentPlayerName;
    SetCurrentPlayer(app, target);
    SavePlayerCFG(app);
    SetCurrentPlayer(app, source);
    if (app.shuttingDown) return;
    CopyMacroOutputs(app, source, target);
    ShowInformation(app, "Current Player-CFG copied to " + target + ".");
}

}  // namespace korvex
