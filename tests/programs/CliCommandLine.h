// The shell command that runs korvex-cli on a test's program directory.
#pragma once

#include <string>

#include "support/ProgramDirFixture.h"

namespace korvex {

inline std::string Cli(const ProgramDirFixture& dir, const std::string& args) {
    return std::string(KORVEX_CLI) + " --program-dir '" + dir.programDir() + "' " + args;
}

}  // namespace korvex
