#include <gtest/gtest.h>

#include "compiler/ConfigCompiler.h"
#include "compiler/EffectiveOptions.h"
#include "compiler/InheritanceResolution.h"
#include "macros/MacroCatalogue.h"
#include "players/PlayerCfgFiles.h"
#include "support/CompilerTestData.h"
#include "support/ProgramDirTest.h"

namespace korvex {
namespace {

using Lines = std::vector<std::string>;

Lines WithOption(Lines options, Option option, const std::string& value) {
    options[static_cast<int>(option)] = value;
    return options;
}

const TestMacro kFire{"TFIRE.MAC", "Test Fire", "Weapons", {"+attack", "Fire", "a"}, {"BIND a \"+attack\""}};
const TestMacro kJump{"TJUMP.MAC", "Test Jump", "Moves", {"+moveup", "Jump", "a"}, {"BIND a \"+moveup\""}};
const TestMacro kTalk{"TTALK.MAC", "Test Talk", "Talk", {"say hi", "Talk", "t"}, {"BIND t \"say hi\""}};

class CompilePlayer : public ProgramDirTest {
protected:
    CompilePlayer() {
        app.paths.quakeDir = dir.quakeDir();
        for (const TestMacro& macro : {kFire, kJump, kTalk}) dir.WriteMacro(macro.file, macro.description, macro.category);
        LoadMacroCatalogue(app.report, app.macroCatalogue, app.macroLists, app.paths.macros);
        WritePlayer(dir, "Shown", {});
        LoadPlayerCFG(app, "Shown");
    }
    bool Compile(const std::string& player) {
        return CompilePlayerConfig(app, player, dir.quakeDir() + "/korvex", false);
    }
    bool HasLine(const std::string& script, const std::string& line) {
        const Lines lines = ScriptLines(dir, script);
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }
};

// The scripts of the macros are pinned by korvex-cli's compile test.
TEST_F(CompilePlayer, AdditionalCommandsAndTheShownPlayerStays) {
    WritePlayer(dir, "P", {kTalk}, CompleteOptionLines(),
                {"FALSE", "Player to inherit settings from", "FALSE", "FALSE", "FALSE", "FALSE", "FALSE", "FALSE",
                 "FALSE", "TRUE", "2", "echo one", "echo two"});
    ASSERT_TRUE(Compile("P")) << testing::PrintToString(host.BoxTexts());
    EXPECT_EQ(LinesOf(dir, "temp/addcomm.tmp"), (Lines{"", "// Additional Commands from Player-CFG", "echo one", "echo two"}));
    EXPECT_EQ(app.currentPlayerName, "Shown");
    EXPECT_TRUE(host.boxes.empty());
}

// Each part comes from the ancestor the chain passes it on from: the field of view comes with
// the server part, macros only with the bindings.
TEST_F(CompilePlayer, InheritedPartsComeAlongTheChain) {
    Lines far = WithOption(CompleteOptionLines(), Option::Video2, "1600x1200");
    WritePlayer(dir, "B", {}, WithOption(far, Option::Character8, "Far"));
    Lines near = WithOption(CompleteOptionLines(), Option::Video2, "800x600");
    near = WithOption(WithOption(near, Option::General5, "120"), Option::General3, "9");
    const struct {
        std::string fromB, fromA, script, line;
        bool present = true;
    } cases[] = {
        {"0010000", "0010000", "options.cfg", "set gl_mode \"9\""},
        {"0000000", "0010000", "options.cfg", "set gl_mode \"4\""},
        {"0000000", "0000001", "options.cfg", "set fov 120"},
        {"0000000", "0000001", "options.cfg", "set con_notify \"6\""},
        {"0000000", "0100000", "options.cfg", "set fov 90"},
        {"0000000", "0100000", "options.cfg", "set con_notify \"9\""},
        {"0000010", "0000010", "options.cfg", "set name \"Far\""},
        {"0000010", "0000010", "Talk.cfg", "BIND t \"say hi\"", false},
        {"0000010", "1000010", "Talk.cfg", "BIND t \"say hi\""},
    };
    for (const auto& c : cases) {
        WritePlayer(dir, "A", {kTalk}, near, Inheriting("B", c.fromB));
        WritePlayer(dir, "P", {kFire}, CompleteOptionLines(), Inheriting("A", c.fromA));
        dir.Remove("../quake2/korvex");
        ASSERT_TRUE(Compile("P")) << testing::PrintToString(host.BoxTexts());
        EXPECT_EQ(HasLine(c.script, c.line), c.present) << c.fromB << " " << c.fromA << " " << c.line;
    }
}

// What the Options tab and korvex-cli show: each value with the Player-CFG it comes from, found
// as the compile finds it; a broken chain shows nothing and, when asked quietly, says nothing.
TEST_F(CompilePlayer, EffectiveOptionsNameWhereEachValueComesFrom) {
    WritePlayer(dir, "B", {}, WithOption(CompleteOptionLines(), Option::Video2, "1600x1200"));
    Lines near = WithOption(CompleteOptionLines(), Option::Video2, "800x600");
    WritePlayer(dir, "A", {kTalk}, WithOption(near, Option::General5, "120"), Inheriting("B", "0010000"));
    WritePlayer(dir, "P", {}, WithOption(CompleteOptionLines(), Option::Character8, "Me"), Inheriting("A", "1010001"));
    PlayerCfg player = DefaultPlayerCfg();
    ASSERT_TRUE(ReadStoredPlayerCfg(app.report, app.paths, dir.Path("players/P"), player));
    player.SetText(Option::Sound1, "shown, not stored");

    const auto effective = ResolveEffectiveOptions(app.report, app.paths, "P", player, false);
    ASSERT_TRUE(effective);
    EXPECT_EQ(effective->values[static_cast<int>(Option::Video2)], "1600x1200");
    EXPECT_EQ(effective->sources[static_cast<int>(Option::Video2)], "B");
    EXPECT_EQ(effective->values[static_cast<int>(Option::General5)], "120");
    EXPECT_EQ(effective->sources[static_cast<int>(Option::Server1)], "A");
    EXPECT_EQ(effective->values[static_cast<int>(Option::Character8)], "Me");
    EXPECT_EQ(effective->values[static_cast<int>(Option::Sound1)], "shown, not stored");
    EXPECT_FALSE(effective->Inherited(Option::Sound1, "P"));
    EXPECT_TRUE(effective->Inherited(Option::General5, "P"));
    EXPECT_EQ(player.Text(Option::Video2), CompleteOptionLines()[static_cast<int>(Option::Video2)]);
    EXPECT_TRUE(host.boxes.empty());

    dir.Remove("players/B/options.dat");
    EXPECT_FALSE(ResolveEffectiveOptions(app.report, app.paths, "P", player, true));
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_FALSE(app.report.shuttingDown);
}

// A list still waiting for a choice stops the compile before anything is written, with one
// message that names the Player-CFG an inherited one comes from.
TEST_F(CompilePlayer, AValueStillToChooseIsNamedWithThePlayerCfgItComesFrom) {
    WritePlayer(dir, "A", {}, WithOption(CompleteOptionLines(), Option::Character2, "Skin"));
    WritePlayer(dir, "P", {kFire}, CompleteOptionLines(), Inheriting("A", "0000010"));
    EXPECT_FALSE(Compile("P"));
    EXPECT_EQ(host.BoxTexts(), (Lines{"Invalid input. (choose a value for \"Skin\" on the Options tab of A)"}));
    EXPECT_FALSE(dir.Exists("../quake2/korvex/main.cfg"));
    EXPECT_FALSE(dir.Exists("temp/addcomm.tmp"));
}

TEST_F(CompilePlayer, AncestorMacroTwiceOrSharingAKey) {
    WritePlayer(dir, "A", {kTalk});
    WritePlayer(dir, "P", {kTalk}, CompleteOptionLines(), Inheriting("A", "1000000"));
    host.Expect(Icon::Error,
                      "You cannot add the macro Test Talk twice. This is not allowed neither within a single player-cfg "
                      "nor through a series of inheritance. The conflicting player-cfgs are P and A.",
                      Button::Cancel);
    EXPECT_FALSE(Compile("P"));
    EXPECT_FALSE(dir.Exists("../quake2/korvex/main.cfg"));

    WritePlayer(dir, "A", {kJump});
    WritePlayer(dir, "P", {kFire}, CompleteOptionLines(), Inheriting("A", "1000000"));
    host.Expect(Icon::Question,
                      "Because of the inheritance process two macros share the same keys:\n\n"
                      "a: Jump [A] <-> Fire [P]\n\n"
                      "Would you like to temporarily remove the conflicting macro on the left from the player-cfg A?",
                      Button::Yes);
    ASSERT_TRUE(Compile("P"));
    EXPECT_TRUE(dir.Exists("../quake2/korvex/Weapons.cfg"));
    EXPECT_FALSE(dir.Exists("../quake2/korvex/Moves.cfg"));
}

TEST_F(CompilePlayer, SameStoredDescriptionInTwoAncestors) {
    TestMacro first = kTalk;
    first.description = "Greeting";
    TestMacro second = kJump;
    second.description = "Greeting";
    second.keyGroups = {};
    WritePlayer(dir, "B", {second});
    WritePlayer(dir, "A", {first}, CompleteOptionLines(), Inheriting("B", "1000000"));
    WritePlayer(dir, "P", {}, CompleteOptionLines(), Inheriting("A", "1000000"));
    EXPECT_FALSE(Compile("P"));
    EXPECT_EQ(host.BoxTexts(),
              (Lines{"Macro already included in config by an predecessor.\n (Macro Greeting is included in [B] "
                     "(ancestor) and  [A] (predecessor).)"}));
}

TEST_F(CompilePlayer, AncestorFilesWithExtraLinesEndTheProgram) {
    Lines options = CompleteOptionLines();
    options.push_back("extra");
    WritePlayer(dir, "A", {}, options);
    WritePlayer(dir, "P", {}, CompleteOptionLines(), Inheriting("A", "0000000"));
    EXPECT_FALSE(Compile("P"));
    EXPECT_TRUE(app.report.shuttingDown);
    EXPECT_EQ(host.boxes.back().text, "Programmer: end of file not reached, check file format. (Inherit Options)");
}

// A fatal report closes the program: nothing is written after it.
TEST_F(CompilePlayer, BrokenMacroOfAnAncestorEndsTheProgramBeforeAnyScript) {
    dir.WriteLines("macros/BROKEN.MAC", {"MACRO_DESC Broken"});
    WritePlayer(dir, "A", {});
    dir.WriteLines("players/A/bindings.dat", {"1", "BROKEN.MAC", "Broken", "Misc"});
    dir.WriteLines("players/A/BROKEN.MAC.out", {"Misc", "-1", "echo broken"});
    WritePlayer(dir, "P", {kTalk}, CompleteOptionLines(), Inheriting("A", "1000000"));
    EXPECT_FALSE(Compile("P"));
    EXPECT_TRUE(app.report.shuttingDown);
    EXPECT_FALSE(dir.Exists("../quake2/korvex/main.cfg"));
    EXPECT_FALSE(dir.Exists("temp/addcomm.tmp"));
}

TEST_F(CompilePlayer, BrokenChainsStop) {
    WritePlayer(dir, "A", {}, CompleteOptionLines(), Inheriting("B", "0000000"));
    WritePlayer(dir, "B", {}, CompleteOptionLines(), Inheriting("A", "0000000"));
    CompileJob job;
    EXPECT_FALSE(ResolveInheritance(app.report, app.paths, job, "A"));
    dir.Remove("players/B/special.dat");
    CompileJob missing;
    EXPECT_FALSE(ResolveInheritance(app.report, app.paths, missing, "B"));
    EXPECT_EQ(host.BoxTexts(), (Lines{"Programmer: Player inherits options although this was previously checked. (A)",
                                            "Special-file not found. (B)"}));

    ProgramDirFixture other;
    CompileJob none;
    EXPECT_FALSE(ResolveInheritance(other.app().report, other.app().paths, none, "Gone"));
    EXPECT_EQ(other.host().BoxTexts(), (Lines{"No Player selected to inherit from. (Inherit although checked)"}));
    EXPECT_FALSE(ResolveInheritance(other.app().report, other.app().paths, none, ".."));
}

}  // namespace
}  // namespace korvex
