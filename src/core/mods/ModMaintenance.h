// The maintenance actions of the MOD-Launcher page: a MOD's options and Player-CFGs, a
// server-side-only MOD, removing and renaming a MOD. Each keeps the entry file and the
// MOD tree in step.
#pragma once

#include <string>
#include <vector>

#include "mods/ModEntry.h"

namespace korvex {

struct Korvex;
struct Reporter;
struct ProgramPaths;
struct ModTree;
struct LaunchState;
struct PendingOperation;
enum class Carried;

inline constexpr const char* kNoModText =
    "This is no MOD. Use \"Edit MOD's options and assign Players to MOD\"-Button to remove the player-cfg from that "
    "MOD.";

// The options dialog for the selected MOD; true when it was confirmed.
bool EditModOptions(Korvex& app);
// Stores a MOD's options and Player-CFGs, in its file and in the tree.
void ApplyModOptions(Reporter& report, const ProgramPaths& paths, ModTree& modTree, const std::string& modText,
                     const ModEntry& entry);
// After a scan or an installation: one question that offers to assign the Player-CFG to those
// of the MODs in directories that lack it, so that it can be launched with them at once.
void OfferPlayerCfgAssignment(Reporter& report, const ProgramPaths& paths, ModTree& modTree, const std::string& player,
                              const std::vector<std::string>& directories);
void ServerSideButtonClick(Reporter& report, const ProgramPaths& paths, ModTree& modTree);
void RemoveMODButtonClick(Reporter& report, const ProgramPaths& paths, ModTree& modTree);
void RenameMODButtonClick(Reporter& report, const ProgramPaths& paths, ModTree& modTree);
// The work behind the dialogs, for korvex-cli as well; false when nothing changed.
bool RemoveMod(Reporter& report, const ProgramPaths& paths, ModTree& modTree, const std::string& modText,
               bool deleteFiles);
bool RenameMod(Reporter& report, const ProgramPaths& paths, ModTree& modTree, const std::string& modText,
               const std::string& newName, const std::string& newDirectory);
// The steps of a rename ("rename-mod", old directory, new directory, new name) and of a removal
// with the files ("remove-mod", directory) that a recorded operation carries out; each finishes
// what an interrupted run of itself began. Without a Quake II directory nothing is done.
Carried CarryOutModRename(Reporter& report, const ProgramPaths& paths, const PendingOperation& operation);
Carried CarryOutModRemoval(Reporter& report, const ProgramPaths& paths, const PendingOperation& operation);
// Opens a read-me with its viewer; message 41 when there is none.
void ViewReadme(Reporter& report, LaunchState& launch, const std::string& file);

// A double-click on the selected node; true when the tree should get the focus back.
bool AvailMODsDblClick(Korvex& app);

}  // namespace korvex
