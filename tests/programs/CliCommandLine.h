// The shell command that runs korvex-cli on a test's program directory, a fixture that runs it
// there, and what the tests of its commands share.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/ProgramDirFixture.h"
#include "support/RunProgram.h"

namespace korvex {

inline std::string Cli(const ProgramDirFixture& dir, const std::string& args) {
    return std::string(KORVEX_CLI) + " --program-dir '" + dir.programDir() + "' " + args;
}

// Whether text holds part; a failure shows the whole text.
inline ::testing::AssertionResult Holds(const std::string& text, const std::string& part) {
    if (text.find(part) != std::string::npos) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "\"" << part << "\" is not in:\n" << text;
}

// A macro whose one function is bound to one key.
struct BoundMacro {
    std::string file, description, category, command, key;
};

// Writes the macros and their output files and includes them in the Player-CFG, as "Add to
// Config" would have.
inline void IncludeMacros(const ProgramDirFixture& dir, const std::string& player, const std::vector<BoundMacro>& macros) {
    std::vector<std::string> bindings{std::to_string(macros.size())};
    for (const BoundMacro& m : macros) {
        dir.WriteMacro(m.file, m.description, m.category);
        dir.WriteLines("players/" + player + "/" + m.file + ".out",
                       {m.category, "0", m.command, "Press the key", m.key, "BIND " + m.key + " \"" + m.command + "\""});
        bindings.insert(bindings.end(), {m.file, m.description, m.category});
    }
    dir.WriteLines("players/" + player + "/bindings.dat", bindings);
}

// HOME points into the test's directory: a launch must leave the player's own game data alone.
class CliTest : public ::testing::Test {
protected:
    ProgramRun Run(const std::string& args) {
        return RunProgram("HOME='" + dir.root() + "/home' " + Cli(dir, args), dir.root());
    }
    // Runs a command that must succeed; a failure shows what it said.
    ProgramRun Succeeds(const std::string& args) {
        ProgramRun run = Run(args);
        EXPECT_EQ(run.exitStatus, 0) << args << "\n" << run.errors;
        return run;
    }
    // Runs a command that must fail with status 1 and say message on standard error.
    ProgramRun Fails(const std::string& args, const std::string& message) {
        ProgramRun run = Run(args);
        EXPECT_EQ(run.exitStatus, 1) << args;
        EXPECT_TRUE(Holds(run.errors, message)) << args;
        return run;
    }
    std::string Quake(const std::string& relative) const { return dir.quakeDir() + "/" + relative; }

    ProgramDirFixture dir;
};

}  // namespace korvex
