#include <gtest/gtest.h>

#include "programs/CliCommandLine.h"
#include "support/ProgramDirFixture.h"
#include "support/RunProgram.h"

namespace korvex {
namespace {

// The delivered Player-CFG with one macro bound to two keys, printed to PDF and read back.
TEST(CliPrint, WritesTheListingAsAPdfWhoseTextReadsBack) {
    ProgramDirFixture dir;
    dir.WriteLines("players/Player/bindings.dat", {"1", "M_JUMP.MAC", "Jump", "Movement"});
    dir.WriteLines("players/Player/M_JUMP.MAC.out", {"Movement", "0", "+moveup", "Press the key to jump with",
                                                     "SPACE\xB0" "MOUSE2", "BIND SPACE\xB0MOUSE2 \"+moveup\""});
    const std::string pdf = dir.root() + "/player.pdf";
    const ProgramRun run = RunProgram(Cli(dir, "print Player '" + pdf + "'"), dir.root());
    ASSERT_EQ(run.exitStatus, 0) << run.errors;
    EXPECT_EQ(run.errors, "");

    const ProgramRun text = RunProgram("pdftotext -layout '" + pdf + "' -", dir.root());
    ASSERT_EQ(text.exitStatus, 0) << text.errors;
    for (const char* expected : {"Configuration for Player", "Key-Bindings for Player", "Movement:"})
        EXPECT_NE(text.output.find(expected), std::string::npos) << expected << "\n" << text.output;
    // The label and its value stand on one line, the value at the end.
    EXPECT_NE(text.output.find("visible weapons"), std::string::npos);
    const auto weapons = text.output.find("visible weapons");
    const std::string line = text.output.substr(weapons, text.output.find('\n', weapons) - weapons);
    EXPECT_TRUE(line.ends_with("enabled")) << line;
    const auto jump = text.output.find("Press the key to jump with");
    ASSERT_NE(jump, std::string::npos);
    EXPECT_NE(text.output.find("SPACE", jump), std::string::npos);
    EXPECT_NE(text.output.find("MOUSE2", jump), std::string::npos);

    EXPECT_EQ(RunProgram(Cli(dir, "print Nobody '" + pdf + "'"), dir.root()).exitStatus, 1);
}

}  // namespace
}  // namespace korvex
