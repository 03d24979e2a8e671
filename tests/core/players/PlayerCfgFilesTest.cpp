#include <gtest/gtest.h>

#include "PlayerTestData.h"
#include "app/Korvex.h"
#include "app/MainView.h"
#include "macros/MacroCatalogue.h"
#include "players/PlayerCfgFiles.h"
#include "support/ProgramDirTest.h"

namespace korvex {
namespace {

using PlayerCfgFiles = ProgramDirTest;
using IncludedMacros = ProgramDirTest;

std::vector<std::string> WithMemo(const std::string& flag, const std::string& count,
                                  const std::vector<std::string>& memo) {
    std::vector<std::string> lines = SpecialLines("");
    lines[9] = flag;
    lines[10] = count;
    lines.insert(lines.end(), memo.begin(), memo.end());
    return lines;
}

TEST_F(PlayerCfgFiles, SavesTheThreeFilesInTheirLineLayoutsWithTrueInAnyLetterCaseChecked) {
    std::vector<std::string> options = TemplateOptionLines();
    options[0] = "true";
    options[1] = "True";
    options[10] = "yes";
    options[11] = "";
    dir.WriteLines("players/Player/options.dat", options);
    LoadPlayerCFG(app, "Player");
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_TRUE(app.player.Flag(Option::General1) && app.player.Flag(Option::General2));
    EXPECT_FALSE(app.player.Flag(Option::Video7) || app.player.Flag(Option::Video8));
    app.player.SetText(Option::General5, "110");
    SavePlayerCFG(app);
    EXPECT_EQ(dir.Read("players/Player/bindings.dat"), "0\r\n");
    options[0] = options[1] = "TRUE";
    options[10] = options[11] = "FALSE";
    options[41] = "110";
    EXPECT_EQ(dir.Read("players/Player/options.dat"), JoinLines(options));
    EXPECT_EQ(dir.Read("players/Player/special.dat"), JoinLines(SpecialLines("")));
}

TEST_F(PlayerCfgFiles, AdditionalCommandsSurviveRepeatedCycles) {
    dir.WriteLines("players/Player/special.dat", WithMemo("FALSE", "0", {}));
    LoadPlayerCFG(app, "Player");
    EXPECT_FALSE(app.player.additionalCommands);
    EXPECT_FALSE(app.player.controls.additionalCommandsVisible);
    EXPECT_TRUE(app.player.additionalCommandLines.empty());

    const std::vector<std::string> memo = {"set fov 100", "", "echo \"hi\""};
    app.player.additionalCommands = true;
    app.player.additionalCommandLines = memo;
    for (int cycle = 0; cycle < 3; ++cycle) {
        SavePlayerCFG(app);
        EXPECT_EQ(dir.Read("players/Player/special.dat"), JoinLines(WithMemo("TRUE", "3", memo)));
        LoadPlayerCFG(app, "Player");
        EXPECT_EQ(app.player.additionalCommandLines, memo);
        EXPECT_TRUE(app.player.controls.additionalCommandsVisible);
    }
    app.player.additionalCommands = false;
    SavePlayerCFG(app);
    EXPECT_EQ(dir.Read("players/Player/special.dat"), JoinLines(WithMemo("FALSE", "0", {})));
}

// Short files load with what is missing empty, damaged ones without runaway or crash; lines
// past the last option are fatal.
TEST_F(PlayerCfgFiles, ShortAndBrokenFilesLoadButExtraOptionLinesAreFatal) {
    std::vector<std::string> options = TemplateOptionLines();
    options.pop_back();
    dir.WriteLines("players/Player/options.dat", options);
    LoadPlayerCFG(app, "Player");
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_EQ(app.player.Text(Option::General5), "");
    EXPECT_EQ(app.player.Text(Option::Server7), "FALSE");

    dir.WriteLines("players/Player/bindings.dat", {"2000000000", "A.MAC", "A", "Cat"});
    dir.WriteLines("players/Player/special.dat", WithMemo("TRUE", "-5", {"echo"}));
    dir.Write("players/Player/options.dat", "TRUE\r\nyes\r\n" + std::string("\0\x01\xff", 3));
    LoadPlayerCFG(app, "Player");
    EXPECT_FALSE(app.report.shuttingDown);
    EXPECT_EQ(host.BoxTexts().front(),
              "Couldn't find macro file. Maybe the existing macro has another description. The macro will be removed "
              "from the included macros list. (A)");
    EXPECT_TRUE(app.player.includedMacroFiles.empty());
    EXPECT_TRUE(app.player.additionalCommandLines.empty());
    EXPECT_EQ(app.player.Text(Option::General2), "FALSE");
    EXPECT_EQ(app.player.Text(Option::General3), std::string("\0\x01\xff", 3));
    EXPECT_EQ(app.player.Text(Option::General5), "");

    dir.WriteLines("players/Player/special.dat", WithMemo("TRUE", "2000000000", {"a", "b"}));
    LoadPlayerCFG(app, "Player");
    EXPECT_EQ(app.player.additionalCommandLines, (std::vector<std::string>{"a", "b"}));

    dir.Remove("players/Player/bindings.dat");
    const auto before = host.boxes.size();
    LoadPlayerCFG(app, "Player");
    ASSERT_EQ(host.boxes.size(), before + 1);
    EXPECT_EQ(host.boxes.back().text, "Couldn't load file. (" + dir.Path("players/Player/bindings.dat") + ")");

    dir.WriteLines("players/Player/bindings.dat", {"0"});
    options.insert(options.end(), {"90", ""});
    dir.WriteLines("players/Player/options.dat", options);
    LoadPlayerCFG(app, "Player");
    EXPECT_TRUE(app.report.shuttingDown);
    EXPECT_EQ(host.BoxTexts().back(), "Programmer: end of file not reached, check file format. (Inherit Options)");
}

TEST_F(PlayerCfgFiles, AFailedLoadStartsBlankAndItsSaveTouchesNothing) {
    dir.WriteLines("players/Other/bindings.dat", {"1", "A.MAC", "A", "Cat"});
    dir.Write("players/Other/A.MAC.out", "Cat\r\n-1\r\n");
    dir.WriteLines("players/Other/special.dat", WithMemo("TRUE", "1", {"echo other"}));
    app.player.includedMacroFiles = {"W_FIRE.MAC"};
    app.player.includedMacros = {"Fire"};
    app.player.additionalCommandLines = {"echo old"};
    LoadPlayerCFG(app, "Other");
    EXPECT_EQ(host.BoxTexts().size(), 2u) << "the missing macro and the missing options.dat";
    EXPECT_FALSE(app.player.loaded);
    EXPECT_TRUE(app.player.includedMacroFiles.empty()) << "nothing of the Player-CFG shown before stays";
    EXPECT_EQ(app.player.additionalCommandLines, std::vector<std::string>{"echo other"});

    const auto before = dir.Snapshot();
    SavePlayerCFG(app);
    EXPECT_EQ(dir.Snapshot(), before) << "A.MAC.out stays, and no file is written";
    EXPECT_EQ(host.BoxTexts().size(), 2u);

    LoadPlayerCFG(app, "Player");
    EXPECT_TRUE(app.player.loaded);
}

TEST_F(PlayerCfgFiles, AFailedOrRefusedWriteKeepsTheOldFileAndIsReported) {
    LoadPlayerCFG(app, "Player");
    const std::string oldOptions = dir.Read("players/Player/options.dat");
    dir.Write("players/Player/options.dat.korvex-new/blocker", "");
    app.player.SetText(Option::General3, "9");
    app.player.special1 = false;
    app.player.additionalCommands = true;
    SavePlayerCFG(app);
    EXPECT_EQ(dir.Read("players/Player/options.dat"), oldOptions);
    EXPECT_EQ(host.BoxTexts(),
              std::vector<std::string>{"Couldn't save file. (" + dir.Path("players/Player/options.dat") + ")"});
    EXPECT_EQ(dir.Read("players/Player/special.dat"), JoinLines(WithMemo("TRUE", "0", {})));

    // A read-only file is not replaced behind the player's back.
    const std::string oldSpecial = dir.Read("players/Player/special.dat");
    SetReadOnly(dir.Path("players/Player/special.dat"));
    app.player.additionalCommands = false;
    SavePlayerCFG(app);
    EXPECT_EQ(dir.Read("players/Player/special.dat"), oldSpecial);
    EXPECT_EQ(host.BoxTexts().back(), "Couldn't save file. (" + dir.Path("players/Player/special.dat") + ")");
    EXPECT_FALSE(dir.Exists("players/Player/special.dat.korvex-new"));

    // Nothing is saved outside the players directory.
    const auto before = dir.Snapshot();
    app.currentPlayerName = "..";
    app.currentPlayerDir = dir.Path("players/..");
    SavePlayerCFG(app);
    EXPECT_TRUE(app.report.shuttingDown);
    EXPECT_EQ(host.BoxTexts().back(), "Initialization failed. (disk full?)");
    EXPECT_EQ(dir.Snapshot(), before);
}

TEST_F(PlayerCfgFiles, LeavingTheConfigEditorOfTheShownWindowSavesAndOtherSwitchesWriteNothing) {
    LoadPlayerCFG(app, "Player");
    const auto removeFiles = [&] {
        for (const char* file : {"bindings.dat", "options.dat", "special.dat"}) dir.Remove(std::string("players/Player/") + file);
    };
    removeFiles();
    // Before start-up shows the main window (and in korvex-cli, which shows none) there is
    // nothing on screen the player could have changed.
    ShowMainPage(app, Page::MacroDialog);
    EXPECT_FALSE(dir.Exists("players/Player/options.dat"));
    app.view.visible = true;
    ShowMainPage(app, Page::ConfigEditor);
    EXPECT_FALSE(dir.Exists("players/Player/options.dat"));
    ShowMainPage(app, Page::Options);
    EXPECT_EQ(dir.Read("players/Player/bindings.dat") + dir.Read("players/Player/special.dat"),
              "0\r\n" + JoinLines(SpecialLines("")));
    EXPECT_TRUE(dir.Exists("players/Player/options.dat"));
    removeFiles();
    ShowMainPage(app, Page::ModLauncher);
    EXPECT_FALSE(dir.Exists("players/Player/options.dat"));
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(IncludedMacros, KeptOnlyWithTheirFileDescriptionAndOutput) {
    dir.Remove("macros");  // only the macros written here
    dir.WriteMacro("JUMP.MAC", "Jump", "Movement");
    dir.WriteMacro("ROCKETJUMP.MAC", "Rocket Jump", "Weapons");
    dir.WriteMacro("Renamed.MAC", "New Name", "Misc");
    LoadMacroCatalogue(app.report, app.macroCatalogue, app.macroLists, dir.Path("macros"));
    for (const char* out : {"JUMP.MAC.out", "ROCKETJUMP.MAC.out", "Renamed.MAC.out"})
        dir.Write(std::string("players/Player/") + out, "x\r\n");
    dir.WriteLines("players/Player/bindings.dat", {"5", "ROCKETJUMP.MAC", "Rocket Jump", "Weapons", "JUMP.MAC", "Jump",
                                                   "Old", "Renamed.MAC", "Old Name", "Misc", "Gone.MAC", "Gone", "X",
                                                   "jump.mac", "Jump", "Movement"});
    LoadPlayerCFG(app, "Player");
    const PlayerCfg& cfg = app.player;
    EXPECT_EQ(cfg.includedMacroFiles, (std::vector<std::string>{"ROCKETJUMP.MAC", "JUMP.MAC", "jump.mac"}));
    EXPECT_EQ(cfg.includedMacros, (std::vector<std::string>{"Jump", "Jump", "Rocket Jump"}));
    const std::string dropped = "Couldn't find macro file. Maybe the existing macro has another description. The "
                                "macro will be removed from the included macros list. (";
    EXPECT_EQ(host.BoxTexts(), (std::vector<std::string>{dropped + "Old Name)", dropped + "Gone)"}));

    // Saving keeps only the outputs of included macros, in any letter case, and no stray file.
    app.player.includedMacroFiles = {"JUMP.MAC", "ROCKET.mac"};
    dir.Write("players/Player/Rocket.MAC.out", "Weapons\r\n");
    dir.Write("players/Player/notes.txt", "x");
    SavePlayerCFG(app);
    EXPECT_EQ(dir.Read("players/Player/bindings.dat"),
              JoinLines({"2", "JUMP.MAC", "Jump", "Movement", "ROCKET.mac", "Error", "Error"}));
    for (const char* gone : {"Renamed.MAC.out", "ROCKETJUMP.MAC.out", "notes.txt"})
        EXPECT_FALSE(dir.Exists(std::string("players/Player/") + gone)) << gone;
    EXPECT_TRUE(dir.Exists("players/Player/JUMP.MAC.out"));
    EXPECT_TRUE(dir.Exists("players/Player/Rocket.MAC.out"));
}

}  // namespace
}  // namespace korvex
