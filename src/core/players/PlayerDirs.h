// The Player-CFG directories below the players directory: listing, creating, renaming,
// deleting and copying what belongs to them.
#pragma once

#include <string>
#include <vector>

namespace korvex {

struct Korvex;

// The answers CreatePlayerDir and RenamePlayerDir give, as the system numbers them.
inline constexpr int kDirCreated = 0;
inline constexpr int kPathNotFound = 3;
inline constexpr int kAccessDenied = 5;
inline constexpr int kAlreadyExists = 183;

inline constexpr const char* kAvailablePlayersLabel = "Available Player-CFG's";

// The names of all Player-CFGs, sorted as the Player-CFG dialogs list them.
std::vector<std::string> FillPlayerList(const Korvex& app);
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

bool PlayerDirExists(const Korvex& app, const std::string& name);
int CreatePlayerDir(const Korvex& app, const std::string& name);
// Renames the current Player-CFG's directory.
int RenamePlayerDir(const Korvex& app, const std::string& newName);
bool DeletePlayerDir(Korvex& app, const std::string& path);
void CopyMacroOutputs(Korvex& app, const std::string& fromName, const std::string& toName);

}  // namespace korvex
