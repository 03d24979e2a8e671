// The Player-CFG directories below the players directory: listing, creating, renaming,
// deleting and copying what belongs to them.
#pragma once

#include <string>
#include <vector>

namespace korvex {

struct Korvex;
struct Reporter;
struct ProgramPaths;

// The answers CreateBuildingPlayerDir and CheckPlayerRename give, as the system numbers them.
inline constexpr int kDirCreated = 0;
inline constexpr int kPathNotFound = 3;
inline constexpr int kAccessDenied = 5;
inline constexpr int kAlreadyExists = 183;

inline constexpr const char* kAvailablePlayersLabel = "Available Player-CFG's";

// The names of all Player-CFGs, sorted as the Player-CFG dialogs list them.
std::vector<std::string> FillPlayerList(const ProgramPaths& paths);
// The entries of list that selected holds, in the order of list.
std::vector<std::string> SelectedInListOrder(const std::vector<std::string>& list,
                                             const std::vector<std::string>& selected);
// "Alpha, Bravo": names as the messages list them.
std::string JoinPlayerNames(const std::vector<std::string>& names);

// An empty or all-blank name names nothing: the name dialogs do not accept it.
bool IsBlankPlayerName(const std::string& name);
// A name every file system Korvex runs on accepts as a directory name, so a Player-CFG
// can move to another installation: none of \ / : * ? " < > |, no control character, no
// trailing dot or blank, no device name such as CON, NUL or COM1.
bool IsPortablePlayerName(const std::string& name);
// The name of a directory directly below the players directory (the template "." aside).
bool StaysInPlayersDir(const std::string& name);

std::string PlayerDir(const ProgramPaths& paths, const std::string& name);
bool PlayerDirExists(const ProgramPaths& paths, const std::string& name);

// A new or copied Player-CFG is built in a directory of its own beside the others, which no
// listing takes for a Player-CFG, and moves into its place in one step when complete.
std::string BuildingPlayerDir(const ProgramPaths& paths, const std::string& name);
// Makes the empty building directory of a Player-CFG that may be made under that name (an
// existing one only when replacing); answers kDirCreated or why not.
int CreateBuildingPlayerDir(Reporter& report, const ProgramPaths& paths, const std::string& name, bool replacing);
// Moves the building directory into the Player-CFG's place. A Player-CFG that was there is
// thrown away; nothing of it mixes with the new one.
bool MovePlayerDirIntoPlace(Reporter& report, const ProgramPaths& paths, const std::string& name);
// Whether the current Player-CFG may take that name; answers kDirCreated or why not.
int CheckPlayerRename(const ProgramPaths& paths, const std::string& currentPlayerDir, const std::string& newName);
// Copies the macro output files of a Player-CFG into a directory; false after a failed copy,
// which is reported.
bool CopyMacroOutputs(Reporter& report, const ProgramPaths& paths, const std::string& fromName,
                      const std::string& toDirectory);

}  // namespace korvex
