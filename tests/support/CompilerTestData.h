// Player-CFG directories and macro output files for the compiler tests and the benchmarks,
// written in the layouts Korvex itself writes them.
#pragma once

#include <string>
#include <vector>

#include "compiler/CompileJob.h"
#include "support/ProgramDirFixture.h"

namespace korvex {

// The option lines of a Player-CFG with every choice made (OpenGL, sight improvement on).
std::vector<std::string> CompleteOptionLines();

struct TestMacro {
    std::string file;         // "ROCKET.MAC"
    std::string description;  // what its MACRO_DESC says
    std::string category;
    std::vector<std::string> keyGroups;  // command, description, keys; three lines per request
    std::vector<std::string> commands;   // console lines and BIND lines
};

// Writes players/<player>: bindings.dat with the macros, options.dat, special.dat and
// the .out file of every macro.
void WritePlayer(ProgramDirFixture& dir, const std::string& player, const std::vector<TestMacro>& macros,
                 const std::vector<std::string>& options = CompleteOptionLines(),
                 const std::vector<std::string>& special = {"FALSE", "Player to inherit settings from", "FALSE",
                                                            "FALSE", "FALSE", "FALSE", "FALSE", "FALSE", "FALSE",
                                                            "FALSE", "0"});
std::vector<std::string> OutFileLines(const TestMacro& macro);
// special.dat of a Player-CFG inheriting from ancestor; parts are Inherit2..Inherit8 as "0" and "1".
std::vector<std::string> Inheriting(const std::string& ancestor, const std::string& parts);

// The lines of a file below the program directory; none when it does not exist.
std::vector<std::string> LinesOf(const ProgramDirFixture& dir, const std::string& relative);
// The lines of a compiled script in the sample game's korvex directory, after the mark that
// every script Korvex writes starts with.
std::vector<std::string> ScriptLines(const ProgramDirFixture& dir, const std::string& name);

}  // namespace korvex
