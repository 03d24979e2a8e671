#include <gtest/gtest.h>

#include "programs/CliCommandLine.h"
#include "support/ProgramDirFixture.h"
#include "support/RunProgram.h"

namespace korvex {
namespace {

TEST(CliCheck, PrintsTheDirectoriesTheGameAndTheOptions) {
    ProgramDirFixture dir;
    dir.WriteLines("backup/backup.dat", {"/a/config.cfg", "/b/config.cfg"});
    const ProgramRun run = RunProgram(Cli(dir, "check"), dir.root());
    EXPECT_EQ(run.exitStatus, 0) << run.errors;
    EXPECT_NE(run.output.find("players\t" + dir.Path("players") + "\n"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("quake2\t" + dir.quakeDir() + "\n"), std::string::npos);
    EXPECT_NE(run.output.find("options\tTRUE FALSE TRUE TRUE\n"), std::string::npos);
    EXPECT_NE(run.output.find("pending-restore\t2\n"), std::string::npos);
    EXPECT_TRUE(run.errors.empty()) << run.errors;
}

TEST(CliCheck, AMissingGameExitsWith1WithoutSearchingAndWrongUsageWith2) {
    ProgramDirFixture dir;
    dir.WriteLines("quakepath.dat", {dir.root() + "/nowhere"});
    const auto before = dir.Snapshot();
    const ProgramRun run = RunProgram(Cli(dir, "check"), dir.root());
    EXPECT_EQ(run.exitStatus, 1);
    EXPECT_EQ(run.errors, "Quake II path not available. (Install Quake II first.)\n");
    EXPECT_EQ(dir.Snapshot(), before);

    EXPECT_EQ(RunProgram(Cli(dir, "no-such-command"), dir.root()).exitStatus, 2);
    EXPECT_EQ(RunProgram(Cli(dir, "--bogus check"), dir.root()).exitStatus, 2);
    EXPECT_EQ(RunProgram(std::string(KORVEX_CLI), dir.root()).exitStatus, 2);
}

}  // namespace
}  // namespace korvex
