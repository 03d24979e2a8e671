// The Player-CFG buttons of the Config-Editor: change, new, delete, rename and copy.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace korvex {

struct Korvex;
struct Reporter;
struct ProgramPaths;
struct PendingOperation;
enum class Carried;

void BitBtn4Click(Korvex& app);  // "Change Player-CFG"
void BitBtn7Click(Korvex& app);  // "New Player-CFG"
void BitBtn5Click(Korvex& app);  // "Delete Player-CFG"
void BitBtn8Click(Korvex& app);  // "Rename Player-CFG"
void BitBtn9Click(Korvex& app);  // "Copy Player-CFG"

// What the buttons do once the name is chosen; korvex-cli calls them directly. Each reports
// its failures and returns true when it was done.

// Makes a Player-CFG of that name from the template; it becomes the current one. The current
// one is not saved first. prepare may change the new one before it is written.
bool CreatePlayerFromTemplate(Korvex& app, const std::string& name,
                              const std::function<bool(Korvex&)>& prepare = {});
// Deletes the named Player-CFGs (never the current one) and drops them from the MOD catalogue.
void DeletePlayers(Korvex& app, const std::vector<std::string>& names);
// Renames the current Player-CFG's directory and every MOD assignment of its name.
bool RenameCurrentPlayer(Korvex& app, const std::string& newName);
// Writes the current Player-CFG under the target name; asks before overwriting one.
bool CopyCurrentPlayer(Korvex& app, const std::string& target);

// The steps of a rename ("rename-player", old name, new name) and of a deletion
// ("delete-player", name) that a recorded operation carries out; each finishes what an
// interrupted run of itself began.
Carried CarryOutPlayerRename(Reporter& report, const ProgramPaths& paths, const PendingOperation& operation);
Carried CarryOutPlayerDeletion(Reporter& report, const ProgramPaths& paths, const PendingOperation& operation);

}  // namespace korvex
