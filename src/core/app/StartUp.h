// From process start to a shown main window, and back down at exit.
#pragma once

#include <string>

namespace korvex {

struct Korvex;
struct Reporter;
struct ProgramPaths;

// Computes the program directories from the executable's path and reads the settings.
void InitProgramPaths(Korvex& app);
// Handles the first-run marker "korvex.ini". False when the disclaimer was rejected.
bool CheckFirstRun(Korvex& app);
void LoadEverything(Korvex& app);
void StartUp(Korvex& app);

// The handbook for players and macro authors, delivered into the program directory.
std::string HandbookPath(const ProgramPaths& paths);

// "lastplayer.dat": the Player-CFG that was current at the last exit.
std::string LastPlayerFile(const ProgramPaths& paths);
void LoadLastPlayer(Korvex& app);
bool SaveLastPlayer(Reporter& report, const ProgramPaths& paths, const std::string& name);

// What closing the main window does; saves nothing once a fatal report was made.
void ExitProgram(Korvex& app);
// The Exit button: a normal close that saves, even after a fatal report was shown.
void BitBtn11Click(Reporter& report);

}  // namespace korvex
