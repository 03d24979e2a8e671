// Which Player-CFG the current one may inherit from, and the Special tab's controls
// that follow from that choice.
#pragma once

#include <string>
#include <vector>

namespace korvex {

struct PlayerCfg;

struct Korvex;
struct Reporter;
struct ProgramPaths;

// True when following the links from name runs into a cycle or a Player-CFG without
// special.dat; visited holds the names already passed (letter case ignored).
bool InheritChainBroken(const ProgramPaths& paths, const std::string& name, std::vector<std::string>& visited);
bool CannotInheritFrom(const ProgramPaths& paths, const std::string& playerName, const std::string& name);
void FillInheritCombo(const ProgramPaths& paths, PlayerCfg& player, const std::string& currentPlayerName);
// afterLoad: called after a Player-CFG was loaded, deleted or renamed rather than from the
// person's own action on the Special tab; it decides which message explains a reset.
void UpdateInheritControls(Korvex& app, bool afterLoad);
// After a rename: every Player-CFG whose inheritance choice names oldName names newName; false
// when a file could not be written (reported), and running it again finishes it.
bool RenameInheritanceChoices(Reporter& report, const ProgramPaths& paths, const std::string& oldName,
                              const std::string& newName);

// Handlers of the Special tab; the GUI stores the control's new state first.
void Special1Click(Korvex& app);
void Inherit1Enter(Korvex& app);
void Inherit1Change(Korvex& app);
void PlayerCFGAdditionalCommandsCheckBoxClick(Korvex& app);

}  // namespace korvex
