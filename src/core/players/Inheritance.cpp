#include "players/Inheritance.h"

#include "app/Korvex.h"
#include "app/Messages.h"
#include "platform/ListLookup.h"
#include "platform/Path.h"
#include "platform/Text.h"
#include "platform/TextFile.h"
#include "players/PlayerDataFiles.h"
#include "players/PlayerDirs.h"

namespace korvex {
namespace {

void ShowAdditionalCommands(Reporter& report, PlayerCfg& player) {
    player.controls.additionalCommandsVisible = player.additionalCommands;
    report.host.PlayerCfgChanged();
}

}  // namespace

bool InheritChainBroken(const ProgramPaths& paths, const std::string& name, std::vector<std::string>& visited) {
    if (ContainsIgnoringCase(visited, name)) return true;
    visited.push_back(name);
    const auto special = ReadSpecialFile(JoinPath(JoinPath(paths.players, name), "special.dat"));
    if (!special) return true;
    if (!special->special1) return false;
    return special->inherit1 != kNoInheritText && InheritChainBroken(paths, special->inherit1, visited);
}

bool CannotInheritFrom(const ProgramPaths& paths, const std::string& playerName, const std::string& name) {
    if (name == playerName) return true;
    if (name == kNoInheritText) return false;
    std::vector<std::string> visited{playerName};
    return InheritChainBroken(paths, name, visited);
}

void FillInheritCombo(const ProgramPaths& paths, PlayerCfg& player, const std::string& currentPlayerName) {
    PlayerCfgControls& controls = player.controls;
    controls.inherit1Items.clear();
    for (const std::string& name : FillPlayerList(paths))
        if (!CannotInheritFrom(paths, currentPlayerName, name)) controls.inherit1Items.push_back(name);
    controls.inherit1Enabled = !controls.inherit1Items.empty();
}

void UpdateInheritControls(Korvex& app, bool afterLoad) {
    PlayerCfg& cfg = app.player;
    PlayerCfgControls& controls = cfg.controls;
    FillInheritCombo(app.paths, app.player, app.currentPlayerName);
    if (cfg.inherit1 != kNoInheritText && !ContainsIgnoringCase(controls.inherit1Items, cfg.inherit1)) {
        cfg.inherit1 = kNoInheritText;
        controls.inherit1Enabled = false;
    }
    if (controls.inherit1Enabled) {
        controls.inheritGroupVisible = cfg.special1;
    } else {
        controls.inheritGroupVisible = false;
        if (cfg.special1) {
            app.host.PlayerCfgChanged();
            if (afterLoad)
                app.report.ShowError(
                    Err::InheritedPlayerGone,
                    "Cure: create a player who doesn't inherit anything; check if all players you inherit "
                    "from do still exist.");
            else
                app.report.ShowError(Err::NoPlayersToInheritFrom,
                                     "Cure: create a player who doesn't inherit anything.");
        }
        cfg.special1 = false;
    }
    ShowAdditionalCommands(app.report, app.player);
}

bool RenameInheritanceChoices(Reporter& report, const ProgramPaths& paths, const std::string& oldName,
                              const std::string& newName) {
    bool renamed = true;
    for (const std::string& name : FillPlayerList(paths)) {
        const std::string path = JoinPath(JoinPath(paths.players, name), "special.dat");
        std::vector<std::string> lines;
        if (!ReadAllLines(path, lines) || lines.size() < 2 || !EqualsIgnoringCase(lines[1], oldName)) continue;
        // Only the name changes; whatever else the file holds stays as it is.
        lines[1] = newName;
        if (WriteLinesAtomically(path, lines)) continue;
        report.ShowError(Err::CouldntSaveFile, path);
        renamed = false;
    }
    return renamed;
}

void Special1Click(Korvex& app) {
    PlayerCfgControls& controls = app.player.controls;
    if (controls.special1ClickRunning) return;
    controls.special1ClickRunning = true;
    UpdateInheritControls(app, false);
    controls.special1ClickRunning = false;
}

void Inherit1Enter(Korvex& app) { UpdateInheritControls(app, false); }

void Inherit1Change(Korvex& app) {
    PlayerCfg& cfg = app.player;
    if (cfg.inherit1.empty()) {
        cfg.inherit1 = kNoInheritText;
        app.host.PlayerCfgChanged();
        // The combo box puts the typed text back while it finishes the change event.
        app.host.Post([&app] {
            app.player.inherit1 = kNoInheritText;
            app.host.PlayerCfgChanged();
        });
        return;
    }
    if (!ContainsIgnoringCase(cfg.controls.inherit1Items, cfg.inherit1)) cfg.inherit1 = kNoInheritText;
    app.host.PlayerCfgChanged();
    if (CannotInheritFrom(app.paths, app.currentPlayerName, cfg.inherit1))
        app.report.FatalError(Err::InheritsAlthoughChecked, cfg.inherit1);
}

void PlayerCFGAdditionalCommandsCheckBoxClick(Korvex& app) {
    app.host.Post([&app] { ShowAdditionalCommands(app.report, app.player); });
}

}  // namespace korvex
