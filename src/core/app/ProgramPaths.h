// Where Korvex keeps its files and where the game is: the program directory's subdirectories
// and the Quake II directory.
#pragma once

#include <string>

namespace korvex {

struct ProgramPaths {
    std::string program;  // ends with the path separator
    std::string macros;
    std::string players;
    std::string mods;
    std::string manifests;  // what each MOD's installations put into the game
    std::string autoMod;
    std::string backup;
    std::string temp;
    std::string dirSort;
    std::string quakeDir;  // empty until the game is found
};

// Sets the subdirectories of programDir; the Quake II directory stays as it is.
void SetProgramDirs(ProgramPaths& paths, const std::string& programDir);

}  // namespace korvex
