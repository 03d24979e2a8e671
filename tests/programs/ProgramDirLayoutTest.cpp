#include <gtest/gtest.h>

#include <filesystem>

#include "support/ProgramDirTest.h"
#include "support/RunProgram.h"

namespace korvex {
namespace {

using ProgramDirLayout = ProgramDirTest;

namespace fs = std::filesystem;

ProgramRun LayOut(const std::string& programDir) {
    const std::string source = KORVEX_SOURCE_DIR;
    return RunProgram(std::string(KORVEX_CMAKE) + " -DDATA_DIR='" + source + "/data' -DPROGRAM_DIR='" + programDir +
                          "' -P '" + source + "/cmake/LayOutProgramDir.cmake'",
                      ".");
}

TEST_F(ProgramDirLayout, ANewDirectoryIsCompleteAndARebuildKeepsWhatThePlayerChanged) {
    const std::string program = dir.root() + "/installed";
    ASSERT_EQ(LayOut(program).exitStatus, 0);
    for (const char* entry : {"korvex.ini", "korvexoptions.dat", "players/lastplayer.dat", "players/bindings.dat",
                              "players/options.dat", "players/special.dat", "players/Player/options.dat",
                              "macros/W_FIRE.MAC", "automod", "mods", "docs/handbook.md"})
        EXPECT_TRUE(fs::exists(program + "/" + entry)) << entry;
    EXPECT_EQ(ReadWholeFile(program + "/players/lastplayer.dat"), "Player\r\n");

    // The first start removed the marker; the player chose other options and another Player-CFG.
    fs::remove(program + "/korvex.ini");
    fs::remove(program + "/macros/W_FIRE.MAC");
    WriteWholeFile(program + "/players/lastplayer.dat", "Bob\r\n");
    WriteWholeFile(program + "/korvexoptions.dat", "FALSE\r\nFALSE\r\nFALSE\r\nFALSE\r\n");
    ASSERT_EQ(LayOut(program).exitStatus, 0);
    EXPECT_FALSE(fs::exists(program + "/korvex.ini"));
    EXPECT_TRUE(fs::exists(program + "/macros/W_FIRE.MAC"));
    EXPECT_EQ(ReadWholeFile(program + "/players/lastplayer.dat"), "Bob\r\n");
    EXPECT_EQ(ReadWholeFile(program + "/korvexoptions.dat"), "FALSE\r\nFALSE\r\nFALSE\r\nFALSE\r\n");
}

ProgramRun LayOutDemo(const std::string& dest, const std::string& option = "") {
    return RunProgram("bash '" + std::string(KORVEX_SOURCE_DIR) + "/scripts/lay-out-demo.sh' '" +
                          fs::path(KORVEX_BIN_DIR).parent_path().string() + "' '" + dest + "' " + option,
                      ".");
}

TEST_F(ProgramDirLayout, TheDemoKeepsWhatThePlayerMadeUntilLaidOutFresh) {
    const std::string demo = dir.root() + "/demo";
    // Past its first start: the sample MODs scanned, the delivered Player-CFG assigned to them.
    const std::string scanned = JoinLines({"Capture The Flag (CTF)", "1", "Player", "TRUE", "TRUE", "", "", "0"});
    ASSERT_EQ(LayOutDemo(demo).exitStatus, 0);
    EXPECT_FALSE(fs::exists(demo + "/korvex/korvex.ini"));
    EXPECT_EQ(ReadWholeFile(demo + "/korvex/mods/ctf"), scanned);
    EXPECT_TRUE(fs::exists(demo + "/quake2/baseq2"));
    EXPECT_EQ(ReadWholeFile(demo + "/korvex/quakepath.dat"), demo + "/quake2\r\n");

    WriteWholeFile(demo + "/korvex/mods/ctf", "mine");
    WriteWholeFile(demo + "/korvex/players/Mine/options.dat", "mine");
    fs::remove(demo + "/korvex/korvex-cli");
    fs::remove(demo + "/korvex/macros/W_FIRE.MAC");
    ASSERT_EQ(LayOutDemo(demo).exitStatus, 0);
    EXPECT_EQ(ReadWholeFile(demo + "/korvex/mods/ctf"), "mine");
    EXPECT_EQ(ReadWholeFile(demo + "/korvex/players/Mine/options.dat"), "mine");
    // The programs and the delivered files are the newly built ones.
    EXPECT_TRUE(fs::exists(demo + "/korvex/korvex-cli"));
    EXPECT_TRUE(fs::exists(demo + "/korvex/macros/W_FIRE.MAC"));

    ASSERT_EQ(LayOutDemo(demo, "--fresh").exitStatus, 0);
    EXPECT_EQ(ReadWholeFile(demo + "/korvex/mods/ctf"), scanned);
    EXPECT_FALSE(fs::exists(demo + "/korvex/players/Mine"));
}

}  // namespace
}  // namespace korvex
