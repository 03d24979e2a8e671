#include <gtest/gtest.h>

#include <filesystem>

#include "programs/CliCommandLine.h"
#include "support/ProgramDirTest.h"

namespace korvex {
namespace {

using ProgramDirLayout = ProgramDirTest;

namespace fs = std::filesystem;

// Each run writes its output beside the directory it works on: tests run side by side.
std::string Beside(const std::string& path) { return fs::path(path).parent_path().string(); }

// What the build staged as an installation delivers it.
std::string DeliveredDir() { return (fs::path(KORVEX_BIN_DIR).parent_path() / "share/korvex").string(); }

ProgramRun LayOut(const std::string& programDir, const std::string& delivered = DeliveredDir()) {
    return RunProgram(std::string(KORVEX_CLI) + " --program-dir '" + programDir + "' lay-out '" + delivered + "'",
                      Beside(programDir));
}

TEST_F(ProgramDirLayout, ANewDirectoryIsCompleteAndARebuildKeepsWhatThePlayerChanged) {
    const std::string program = dir.root() + "/installed";
    ASSERT_EQ(LayOut(program).exitStatus, 0);
    for (const char* entry :
         {"korvex.ini", "korvexoptions.dat", "players/lastplayer.dat", "players/bindings.dat", "players/options.dat",
          "players/special.dat", "players/Player/options.dat", "macros/W_FIRE.MAC", "automod", "mods",
          "docs/handbook.md", "docs/images/config-editor.png"})
        EXPECT_TRUE(fs::exists(program + "/" + entry)) << entry;
    EXPECT_EQ(ReadWholeFile(program + "/players/lastplayer.dat"), "Player\r\n");

    // The first start removed the marker; the player chose other options and another Player-CFG,
    // changed the delivered one and had a MOD remembered; a delivered macro and the handbook
    // are gone or old.
    fs::remove(program + "/korvex.ini");
    fs::remove(program + "/macros/W_FIRE.MAC");
    WriteWholeFile(program + "/docs/handbook.md", "old");
    WriteWholeFile(program + "/players/lastplayer.dat", "Bob\r\n");
    WriteWholeFile(program + "/players/Player/options.dat", "mine");
    WriteWholeFile(program + "/automod/1.Remembered", "mine");
    WriteWholeFile(program + "/korvexoptions.dat", "FALSE\r\nFALSE\r\nFALSE\r\nFALSE\r\n");
    ASSERT_EQ(LayOut(program).exitStatus, 0);
    EXPECT_FALSE(fs::exists(program + "/korvex.ini"));
    EXPECT_TRUE(fs::exists(program + "/macros/W_FIRE.MAC"));
    EXPECT_EQ(ReadWholeFile(program + "/docs/handbook.md"), ReadWholeFile(DeliveredDir() + "/docs/handbook.md"));
    EXPECT_EQ(ReadWholeFile(program + "/players/lastplayer.dat"), "Bob\r\n");
    EXPECT_EQ(ReadWholeFile(program + "/players/Player/options.dat"), "mine");
    EXPECT_EQ(ReadWholeFile(program + "/automod/1.Remembered"), "mine");
    EXPECT_EQ(ReadWholeFile(program + "/korvexoptions.dat"), "FALSE\r\nFALSE\r\nFALSE\r\nFALSE\r\n");

    EXPECT_EQ(LayOut(program, program + "/mods").exitStatus, 1);
}

// korvex-cli installed as <prefix>/bin beside the delivered <prefix>/share/korvex.
TEST_F(ProgramDirLayout, AnInstalledKorvexKeepsItsFilesInTheDataHomeAndAPortableOneBesideItself) {
    const std::string prefix = dir.root() + "/usr";
    fs::create_directories(prefix + "/bin");
    fs::copy(KORVEX_CLI, prefix + "/bin/korvex-cli");
    fs::create_directories(prefix + "/share");
    fs::copy(DeliveredDir(), prefix + "/share/korvex", fs::copy_options::recursive);
    const std::string home = dir.root() + "/home";
    const auto players = [&](const std::string& environment) {
        return RunProgram(environment + " HOME='" + home + "' '" + prefix + "/bin/korvex-cli' players", dir.root());
    };

    const ProgramRun first = players("XDG_DATA_HOME=");
    EXPECT_EQ(first.exitStatus, 0) << first.errors;
    EXPECT_TRUE(Holds(first.output, "Player"));
    const std::string program = home + "/.local/share/korvex";
    EXPECT_TRUE(fs::exists(program + "/korvex.ini"));

    // Every later start lays the directory out again, as lay-out does.
    fs::remove(program + "/macros/W_FIRE.MAC");
    WriteWholeFile(program + "/players/Player/options.dat", "mine");
    EXPECT_EQ(players("XDG_DATA_HOME=").exitStatus, 0);
    EXPECT_TRUE(fs::exists(program + "/macros/W_FIRE.MAC"));
    EXPECT_EQ(ReadWholeFile(program + "/players/Player/options.dat"), "mine");

    EXPECT_EQ(players("XDG_DATA_HOME='" + dir.root() + "/data'").exitStatus, 0);
    EXPECT_TRUE(fs::exists(dir.root() + "/data/korvex/players/Player/options.dat"));

    WriteWholeFile(dir.root() + "/file", "");
    const ProgramRun refused = players("XDG_DATA_HOME='" + dir.root() + "/file'");
    EXPECT_EQ(refused.exitStatus, 1);
    EXPECT_TRUE(Holds(refused.errors, "Couldn't create directory. (" + dir.root() + "/file/korvex)"));

    // With the marker beside the program its own directory is the program directory.
    WriteWholeFile(prefix + "/bin/korvex.portable", "");
    fs::copy(DeliveredDir() + "/players", prefix + "/bin/players", fs::copy_options::recursive);
    fs::rename(prefix + "/bin/players/Player", prefix + "/bin/players/Portable");
    fs::remove_all(program);
    const ProgramRun portable = players("XDG_DATA_HOME=");
    EXPECT_TRUE(Holds(portable.output, "Portable"));
    EXPECT_FALSE(fs::exists(program));
}

ProgramRun LayOutDemo(const std::string& dest, const std::string& option = "") {
    return RunProgram("bash '" + std::string(KORVEX_SOURCE_DIR) + "/scripts/lay-out-demo.sh' '" +
                          fs::path(KORVEX_BIN_DIR).parent_path().string() + "' '" + dest + "' " + option,
                      Beside(dest));
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
    const ProgramRun print = RunProgram(
        demo + "/korvex/korvex-cli --program-dir '" + demo + "/korvex' print Player '" + demo + "/player.pdf'", demo);
    EXPECT_EQ(print.exitStatus, 0) << print.errors;

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
