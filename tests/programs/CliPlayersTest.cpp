#include <gtest/gtest.h>

#include "programs/CliCommandLine.h"
#include "support/ProgramDirFixture.h"
#include "support/RunProgram.h"

namespace korvex {
namespace {

TEST(CliPlayers, ListsThePlayerCfgsSortedAndMarksTheLastOne) {
    ProgramDirFixture dir;
    for (const char* name : {"zulu", "Bravo", "alpha", "S\xC3\xA4nger"})
        dir.WriteLines(std::string("players/") + name + "/bindings.dat", {"0"});
    dir.Write("players/stray.txt", "");
    dir.WriteLines("players/lastplayer.dat", {"bravo"});
    const auto before = dir.Snapshot();
    const ProgramRun run = RunProgram(Cli(dir, "players"), dir.root());
    EXPECT_EQ(run.exitStatus, 0) << run.errors;
    EXPECT_EQ(run.output, "  alpha\n* Bravo\n  Player\n  S\xC3\xA4nger\n  zulu\n");
    EXPECT_TRUE(run.errors.empty()) << run.errors;
    EXPECT_EQ(dir.Snapshot(), before);

    dir.Remove("players");
    const ProgramRun none = RunProgram(Cli(dir, "players"), dir.root());
    EXPECT_EQ(none.exitStatus, 0) << none.errors;
    EXPECT_EQ(none.output, "");
}

}  // namespace
}  // namespace korvex
