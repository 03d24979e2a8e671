#include <gtest/gtest.h>

#include "programs/CliCommandLine.h"
#include "support/ProgramDirFixture.h"
#include "support/RunProgram.h"

namespace korvex {
namespace {

TEST(CliExchange, ExportsAndImportsWithTheQuestionsOfTheWindow) {
    ProgramDirFixture from;
    for (const char* name : {"Zulu", "alpha"}) {
        from.WriteLines(std::string("players/") + name + "/bindings.dat", {"0"});
        from.WriteLines(std::string("players/") + name + "/options.dat", {name});
    }
    const std::string file = from.root() + "/two.kxp";
    const ProgramRun exported = RunProgram(Cli(from, "export '" + file + "' zulu alpha"), from.root());
    EXPECT_EQ(exported.exitStatus, 0) << exported.errors;
    EXPECT_EQ(exported.errors, "alpha, Zulu have been exported.\n");

    const std::string content = ReadWholeFile(file);
    const ProgramRun refused = RunProgram(Cli(from, "export '" + file + "' alpha"), from.root());
    EXPECT_EQ(refused.exitStatus, 1);
    EXPECT_EQ(refused.errors, "The file " + file + " already exists. Do you want to overwrite it?\n  -> No\n");
    EXPECT_EQ(ReadWholeFile(file), content);

    ProgramDirFixture to;
    to.WriteLines("players/alpha/options.dat", {"old"});
    const ProgramRun missing = RunProgram(Cli(to, "import '" + file + "' Bravo"), to.root());
    EXPECT_EQ(missing.exitStatus, 1);
    EXPECT_EQ(missing.errors, "There is no Player-CFG named Bravo in " + file + ".\n");

    const ProgramRun imported = RunProgram(Cli(to, "--yes import '" + file + "'"), to.root());
    EXPECT_EQ(imported.exitStatus, 0) << imported.errors;
    EXPECT_EQ(imported.errors,
              "Player-CFG alpha already exists. Do you want to overwrite it?\n  -> Yes\nalpha, Zulu have been imported.\n");
    EXPECT_EQ(to.Read("players/alpha/options.dat"), "alpha\r\n");
    EXPECT_EQ(to.Read("players/Zulu/bindings.dat"), "0\r\n");
}

}  // namespace
}  // namespace korvex
