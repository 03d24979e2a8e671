#include <gtest/gtest.h>

#include "programs/CliCommandLine.h"
#include "support/ProgramDirFixture.h"
#include "support/RunProgram.h"

namespace korvex {
namespace {

class CliPlayerCfgCommands : public ::testing::Test {
protected:
    ProgramRun Run(const std::string& args) { return RunProgram(Cli(dir, args), dir.root()); }
    // The value "options" prints for one option.
    std::string OptionOf(const std::string& player, const std::string& label) {
        const std::string output = Run("options '" + player + "'").output;
        const std::string start = "\n" + label + "\t";
        const auto at = ("\n" + output).find(start);
        if (at == std::string::npos) return "<none>";
        const auto from = at + start.size() - 1;
        return output.substr(from, output.find('\n', from) - from);
    }

    ProgramDirFixture dir;
};

TEST_F(CliPlayerCfgCommands, NewSetOptionsCopyRenameAndDeleteRoundTrip) {
    dir.WriteLines("mods/ctf", {"Capture The Flag (CTF)", "2", "Alice", "Player", "TRUE", "FALSE", "", "", "0"});

    ProgramRun run = Run("new-player Alice");
    ASSERT_EQ(run.exitStatus, 0) << run.errors;
    EXPECT_EQ(dir.Read("players/Alice/options.dat"), dir.Read("players/options.dat"));
    EXPECT_EQ(Run("new-player alice").exitStatus, 1);  // taken, in any letter case
    EXPECT_EQ(Run("new-player '  '").exitStatus, 1);
    EXPECT_EQ(Run("new-player Bob --inherit Alice").exitStatus, 0);
    EXPECT_EQ(ReadWholeFile(dir.Path("players/Bob/special.dat")).substr(0, 13), "TRUE\r\nAlice\r\n");

    // One line per option, named by the Config-Editor's labels.
    run = Run("options Alice");
    EXPECT_EQ(run.exitStatus, 0) << run.errors;
    EXPECT_EQ(std::count(run.output.begin(), run.output.end(), '\n'), 42);
    EXPECT_EQ(run.output.substr(0, 27), "Enable visible weapons\tTRUE");
    EXPECT_EQ(OptionOf("Alice", "Video mode"), "640x480");

    EXPECT_EQ(Run("set-option Alice 'video mode' 1024x768").exitStatus, 0);
    EXPECT_EQ(OptionOf("Alice", "Video mode"), "1024x768");
    EXPECT_EQ(Run("set-option Alice Playername 'Quick Alice'").exitStatus, 0);
    EXPECT_EQ(Run("set-option Alice Freelook false").exitStatus, 0);
    EXPECT_EQ(OptionOf("Alice", "Freelook"), "FALSE");
    EXPECT_EQ(Run("set-option Alice Skin 'Skin: cipher'").exitStatus, 0);

    // A refused value is reported as the compile reports it and changes nothing.
    const std::string before = dir.Read("players/Alice/options.dat");
    for (const auto& [args, message] :
         {std::pair<const char*, const char*>{"'Video mode' 1000x1", "Invalid input. (video resolution)"},
          {"'Field Of View (Degree)' 95.5", "Invalid input. (field of view)"},
          {"Skin 'Skin: athena'", "Invalid input. (skin)"},
          {"Freelook maybe", "Invalid input. (TRUE or FALSE)"}}) {
        run = Run(std::string("set-option Alice ") + args);
        EXPECT_EQ(run.exitStatus, 1) << args;
        EXPECT_NE(run.errors.find(message), std::string::npos) << run.errors;
    }
    EXPECT_EQ(Run("set-option Alice Colour red").exitStatus, 1);
    EXPECT_EQ(dir.Read("players/Alice/options.dat"), before);

    EXPECT_EQ(Run("copy-player Alice Carol").exitStatus, 0);
    EXPECT_EQ(OptionOf("Carol", "Playername"), "Quick Alice");
    EXPECT_EQ(Run("copy-player Alice Carol").exitStatus, 1);  // overwriting asks; the answer is No
    EXPECT_EQ(Run("--yes copy-player Alice Carol").exitStatus, 0);

    // Renaming and deleting keep the MOD catalogue in step; the last Player-CFG follows a rename.
    EXPECT_EQ(Run("use alice").exitStatus, 0);
    EXPECT_EQ(dir.Read("players/lastplayer.dat"), "Alice\r\n");
    run = Run("rename-player Alice Dora");
    EXPECT_EQ(run.exitStatus, 0) << run.errors;
    EXPECT_EQ(OptionOf("Dora", "Playername"), "Quick Alice");
    EXPECT_EQ(dir.Read("players/lastplayer.dat"), "Dora\r\n");
    EXPECT_EQ(dir.Read("mods/ctf"), JoinLines({"Capture The Flag (CTF)", "2", "Dora", "Player", "TRUE", "FALSE", "", "", "0"}));
    EXPECT_EQ(Run("rename-player Dora Carol").exitStatus, 1);

    run = Run("delete-player Dora Carol");
    EXPECT_EQ(run.exitStatus, 1);  // the current one stays
    EXPECT_NE(run.errors.find("Cannot delete current player. (Dora)"), std::string::npos) << run.errors;
    EXPECT_FALSE(dir.Exists("players/Carol"));
    EXPECT_EQ(Run("use Player").exitStatus, 0);
    EXPECT_EQ(Run("delete-player Dora").exitStatus, 0);
    EXPECT_EQ(dir.Read("mods/ctf"), JoinLines({"Capture The Flag (CTF)", "1", "Player", "TRUE", "FALSE", "", "", "0"}));
    EXPECT_EQ(Run("delete-player Nobody").exitStatus, 1);
    EXPECT_EQ(Run("players").output, "  Bob\n* Player\n");
}

}  // namespace
}  // namespace korvex
