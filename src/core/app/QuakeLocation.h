// Where Quake II is installed: remembered in "quakepath.dat", searched for when unknown.
#pragma once

#include <string>
#include <vector>

namespace korvex {

struct Reporter;
struct ProgramPaths;

bool IsQuakeDir(const std::string& dir);
// Takes the directory stored in quakepath.dat without searching; reports message 11 and
// returns false when it holds no game.
bool UseStoredQuakeDir(Reporter& report, ProgramPaths& paths);
// The directory stored in quakepath.dat when it holds the game; empty text otherwise.
std::string StoredQuakeDir(const ProgramPaths& paths);
// Establishes app.paths.quakeDir at start-up; ends the program when no game is found.
void LoadQuakeDir(Reporter& report, ProgramPaths& paths, const std::vector<std::string>& quakeSearchRoots);
void AskForQuakeDir(Reporter& report, ProgramPaths& paths, const std::vector<std::string>& quakeSearchRoots);
// Walks the search roots depth first and asks at every find; empty text when none was confirmed.
std::string SearchQuakeDir(Reporter& report, const std::vector<std::string>& quakeSearchRoots);

}  // namespace korvex
