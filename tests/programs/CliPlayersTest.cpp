#include <algorithm>
#include <filesystem>

#include "programs/CliCommandLine.h"

namespace korvex {
namespace {

class CliPlayers : public CliTest {
protected:
    // The value "options" prints for one option.
    std::string OptionOf(const std::string& player, const std::string& label) {
        const std::string output = "\n" + Run("options '" + player + "'").output;
        const auto at = output.find("\n" + label + "\t");
        if (at == std::string::npos) return "<none>";
        const auto from = at + label.size() + 2;
        return output.substr(from, output.find('\n', from) - from);
    }
};

TEST_F(CliPlayers, ListsThePlayerCfgsSortedAndMarksTheLastOne) {
    for (const char* name : {"zulu", "Bravo", "alpha", "S\xC3\xA4nger"})
        dir.WriteLines(std::string("players/") + name + "/bindings.dat", {"0"});
    dir.Write("players/stray.txt", "");
    dir.WriteLines("players/lastplayer.dat", {"bravo"});
    const auto before = dir.Snapshot();
    const ProgramRun run = Succeeds("players");
    EXPECT_EQ(run.output, "  alpha\n* Bravo\n  Player\n  S\xC3\xA4nger\n  zulu\n");
    EXPECT_TRUE(run.errors.empty()) << run.errors;
    EXPECT_EQ(dir.Snapshot(), before);

    dir.Remove("players");
    const ProgramRun none = Succeeds("players");
    EXPECT_EQ(none.output, "");
}

// What the Player-CFG operations do to the files is the core tests' business; here the
// command forms, the answers --yes gives and the exit statuses.
TEST_F(CliPlayers, NewSetOptionsCopyRenameAndDelete) {
    dir.WriteLines("mods/ctf", {"Capture The Flag (CTF)", "2", "Alice", "Player", "TRUE", "FALSE", "", "", "0"});
    ProgramRun run = Succeeds("new-player Alice");
    EXPECT_EQ(Run("new-player alice").exitStatus, 1);  // taken, in any letter case
    Succeeds("new-player Bob --inherit Alice");
    EXPECT_EQ(ReadWholeFile(dir.Path("players/Bob/special.dat")).substr(0, 13), "TRUE\r\nAlice\r\n");

    // One line per option, named by the Config-Editor's labels.
    run = Run("options Alice");
    EXPECT_EQ(run.exitStatus, 0) << run.errors;
    EXPECT_EQ(std::count(run.output.begin(), run.output.end(), '\n'), 42);
    EXPECT_EQ(run.output.substr(0, 27), "Enable visible weapons\tTRUE");
    EXPECT_EQ(OptionOf("Alice", "Video mode"), "640x480");

    Succeeds("set-option Alice 'video mode' 1024x768");
    EXPECT_EQ(OptionOf("Alice", "Video mode"), "1024x768");
    Succeeds("set-option Alice Playername 'Quick Alice'");
    Succeeds("set-option Alice Freelook false");
    EXPECT_EQ(OptionOf("Alice", "Freelook"), "FALSE");
    Succeeds("set-option Alice Skin 'Skin: cipher'");

    // A refused value is reported as the compile reports it and changes nothing.
    const std::string before = dir.Read("players/Alice/options.dat");
    for (const auto& [args, message] :
         {std::pair<const char*, const char*>{"'Video mode' 1000x1", "Invalid input. (video resolution)"},
          {"Skin 'Skin: athena'", "Invalid input. (skin)"},
          {"Freelook maybe", "Invalid input. (TRUE or FALSE)"}}) {
        run = Run(std::string("set-option Alice ") + args);
        EXPECT_EQ(run.exitStatus, 1) << args;
        EXPECT_TRUE(Holds(run.errors, message));
    }
    EXPECT_EQ(Run("set-option Alice Colour red").exitStatus, 1);
    EXPECT_EQ(dir.Read("players/Alice/options.dat"), before);

    Succeeds("copy-player Alice Carol");
    EXPECT_EQ(OptionOf("Carol", "Playername"), "Quick Alice");
    EXPECT_EQ(Run("copy-player Alice Carol").exitStatus, 1);  // overwriting asks; the answer is No
    Succeeds("--yes copy-player Alice Carol");

    // The last Player-CFG follows the rename.
    Succeeds("use alice");
    Succeeds("rename-player Alice Dora");
    EXPECT_EQ(OptionOf("Dora", "Playername"), "Quick Alice");
    EXPECT_EQ(dir.Read("players/lastplayer.dat"), "Dora\r\n");

    Fails("delete-player Dora Carol", "Cannot delete current player. (Dora)");  // the current one stays
    EXPECT_FALSE(dir.Exists("players/Carol"));
    Succeeds("use Player");
    Succeeds("delete-player Dora");
    // The command reads the MOD catalogue, which followed the rename and the deletion.
    EXPECT_EQ(dir.Read("mods/ctf"), JoinLines({"Capture The Flag (CTF)", "1", "Player", "TRUE", "FALSE", "", "", "0"}));
    EXPECT_EQ(Run("players").output, "  Bob\n* Player\n");
}

// What the game gets: an inherited value comes with the name of the Player-CFG that supplies it.
TEST_F(CliPlayers, EffectiveOptionsNameTheirSource) {
    Succeeds("new-player Alice");
    Succeeds("set-option Alice 'video mode' 1024x768");
    Succeeds("new-player Bob");
    Succeeds("set-option Bob Playername Bobby");
    dir.WriteLines("players/Bob/special.dat",
                   {"TRUE", "Alice", "FALSE", "FALSE", "TRUE", "FALSE", "FALSE", "FALSE", "FALSE", "FALSE", "0"});
    const ProgramRun run = Succeeds("options Bob --effective");
    EXPECT_EQ(std::count(run.output.begin(), run.output.end(), '\n'), 42);
    EXPECT_TRUE(Holds(run.output, "\nVideo mode\t1024x768\tAlice\n"));
    EXPECT_TRUE(Holds(run.output, "\nPlayername\tBobby\tBob\n"));
    EXPECT_EQ(OptionOf("Bob", "Video mode"), "640x480");

    dir.Remove("players/Alice/options.dat");
    Fails("options --effective Bob", "Options-file not found. (Alice)");
}

TEST_F(CliPlayers, ExportsAndImportsWithTheQuestionsOfTheWindow) {
    for (const char* name : {"Zulu", "alpha"}) {
        dir.WriteLines(std::string("players/") + name + "/bindings.dat", {"0"});
        dir.WriteLines(std::string("players/") + name + "/options.dat", {name});
    }
    const std::string file = dir.root() + "/two.kxp";
    const ProgramRun exported = Succeeds("export '" + file + "' zulu alpha");
    EXPECT_EQ(exported.errors, "alpha, Zulu have been exported.\n");

    const std::string content = ReadWholeFile(file);
    const ProgramRun refused = Run("export '" + file + "' alpha");
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

// The delivered Player-CFG with one macro bound to two keys, printed to PDF and read back.
TEST_F(CliPlayers, PrintWritesTheListingAsAPdfWhoseTextReadsBack) {
    dir.WriteLines("players/Player/bindings.dat", {"1", "M_JUMP.MAC", "Jump", "Movement"});
    dir.WriteLines("players/Player/M_JUMP.MAC.out", {"Movement", "0", "+moveup", "Press the key to jump with",
                                                     "SPACE\xB0" "MOUSE2", "BIND SPACE\xB0MOUSE2 \"+moveup\""});
    const std::string pdf = dir.root() + "/player.pdf";
    const ProgramRun run = Succeeds("print Player '" + pdf + "'");
    EXPECT_EQ(run.errors, "");

    const ProgramRun text = RunProgram("pdftotext -layout '" + pdf + "' -", dir.root());
    ASSERT_EQ(text.exitStatus, 0) << text.errors;
    for (const char* expected : {"Configuration for Player", "Key-Bindings for Player", "Movement:"})
        EXPECT_TRUE(Holds(text.output, expected));
    // The label and its value stand on one line, the value at the end.
    const auto weapons = text.output.find("visible weapons");
    ASSERT_NE(weapons, std::string::npos);
    const std::string line = text.output.substr(weapons, text.output.find('\n', weapons) - weapons);
    EXPECT_TRUE(line.ends_with("enabled")) << line;
    const auto jump = text.output.find("Press the key to jump with");
    ASSERT_NE(jump, std::string::npos);
    EXPECT_NE(text.output.find("SPACE", jump), std::string::npos);
    EXPECT_NE(text.output.find("MOUSE2", jump), std::string::npos);

    EXPECT_EQ(Run("print Nobody '" + pdf + "'").exitStatus, 1);

    // Qt's GUI libraries come with the PDF module only; without it korvex-cli says so.
    const ProgramRun libraries = RunProgram(std::string("ldd ") + KORVEX_CLI, dir.root());
    EXPECT_FALSE(Holds(libraries.output, "libQt6"));
    const std::string alone = dir.root() + "/alone/korvex-cli";
    std::filesystem::create_directories(dir.root() + "/alone");
    std::filesystem::copy(KORVEX_CLI, alone);
    const ProgramRun unprinted =
        RunProgram(alone + " --program-dir '" + dir.programDir() + "' print Player '" + pdf + "'", dir.root());
    EXPECT_EQ(unprinted.exitStatus, 1);
    EXPECT_TRUE(unprinted.errors.starts_with("korvex-cli cannot write PDF files: ")) << unprinted.errors;
}

}  // namespace
}  // namespace korvex
