// Where Quake II is installed: remembered in "quakepath.dat", searched for when unknown.
#pragma once

#include <string>
#include <vector>

namespace korvex {

struct Korvex;
struct Reporter;
struct ProgramPaths;

// The game program is there: QUAKE2.EXE, or a native engine named quake2.
bool IsQuakeDir(const std::string& dir);
// The game program and the game's data: a pack file in baseq2. A built engine alone is no game.
bool HoldsQuakeGame(const std::string& dir);
// Takes the directory stored in quakepath.dat without searching; reports message 11 and
// returns false when it holds no game.
bool UseStoredQuakeDir(Reporter& report, ProgramPaths& paths);
// The directory stored in quakepath.dat when it holds the game; empty text otherwise.
std::string StoredQuakeDir(const ProgramPaths& paths);
// What needs the game refuses with message 11 while Korvex runs without one.
bool RequireQuakeDir(Reporter& report, const ProgramPaths& paths);
// Establishes paths.quakeDir at start-up: the stored directory, or the one the player chooses
// among those the search finds. Without one Korvex runs on, and says so.
void LoadQuakeDir(Reporter& report, ProgramPaths& paths, const std::vector<std::string>& quakeSearchRoots);
// Walks the search roots depth first, showing where it is; every directory that holds the game,
// sorted. A cancelled search gives what it found so far.
std::vector<std::string> SearchQuakeDirs(Reporter& report, const std::vector<std::string>& quakeSearchRoots);
// A folder chooser for the Quake II directory; empty text when the player cancelled or chose a
// folder without the game (he is told so).
std::string BrowseForQuakeDir(Reporter& report, const std::string& startDirectory);
// Remembers dir in quakepath.dat, replacing the file atomically, and uses it from now on.
void StoreQuakeDir(Reporter& report, ProgramPaths& paths, const std::string& dir);
// "Browse..." on the Options page: another Quake II directory, then the offer of a MOD scan.
void ChangeQuakeDirButtonClick(Korvex& app);

}  // namespace korvex
