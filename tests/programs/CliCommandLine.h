// The shell command that runs korvex-cli on a test's program directory, and a fixture that
// runs it there.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "support/ProgramDirFixture.h"
#include "support/RunProgram.h"

namespace korvex {

inline std::string Cli(const ProgramDirFixture& dir, const std::string& args) {
    return std::string(KORVEX_CLI) + " --program-dir '" + dir.programDir() + "' " + args;
}

class CliTest : public ::testing::Test {
protected:
    ProgramRun Run(const std::string& args) { return RunProgram(Cli(dir, args), dir.root()); }
    std::string Quake(const std::string& relative) const { return dir.quakeDir() + "/" + relative; }

    ProgramDirFixture dir;
};

}  // namespace korvex
