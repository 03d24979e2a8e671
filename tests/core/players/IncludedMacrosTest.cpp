#include <gtest/gtest.h>

#include "PlayerTestData.h"
#include "app/Korvex.h"
#include "macros/MacroCatalogue.h"
#include "players/PlayerCfgFiles.h"

namespace korvex {
namespace {

void WriteMacro(const ProgramDirFixture& dir, const std::string& file, const std::string& description,
                const std::string& category) {
    dir.WriteLines("macros/" + file, {"MACRO_DESC \"" + description + "\"", "MACRO_DETAILDESC \"help\"",
                                      "MACRO_CAT \"" + category + "\""});
}

TEST(IncludedMacros, KeptOnlyWithTheirFileDescriptionAndOutput) {
    ProgramDirFixture dir;
    dir.Remove("macros");  // only the macros written here
    WriteMacro(dir, "JUMP.MAC", "Jump", "Movement");
    WriteMacro(dir, "ROCKETJUMP.MAC", "Rocket Jump", "Weapons");
    WriteMacro(dir, "Renamed.MAC", "New Name", "Misc");
    LoadMacroCatalogue(dir.app(), dir.Path("macros"));
    for (const char* out : {"JUMP.MAC.out", "ROCKETJUMP.MAC.out", "Renamed.MAC.out"})
        dir.Write(std::string("players/Player/") + out, "x\r\n");
    dir.WriteLines("players/Player/bindings.dat", {"5", "ROCKETJUMP.MAC", "Rocket Jump", "Weapons", "JUMP.MAC", "Jump",
                                                   "Old", "Renamed.MAC", "Old Name", "Misc", "Gone.MAC", "Gone", "X",
                                                   "jump.mac", "Jump", "Movement"});
    LoadPlayerCFG(dir.app(), "Player");
    const PlayerCfg& cfg = dir.app().player;
    EXPECT_EQ(cfg.includedMacroFiles, (std::vector<std::string>{"ROCKETJUMP.MAC", "JUMP.MAC", "jump.mac"}));
    EXPECT_EQ(cfg.includedMacros, (std::vector<std::string>{"Jump", "Jump", "Rocket Jump"}));
    const std::string dropped = "Couldn't find macro file. Maybe the existing macro has another description. The "
                                "macro will be removed from the included macros list. (";
    EXPECT_EQ(dir.host().BoxTexts(), (std::vector<std::string>{dropped + "Old Name)", dropped + "Gone)"}));

    // Saving keeps only the outputs of included macros, in any letter case, and no stray file.
    dir.app().player.includedMacroFiles = {"JUMP.MAC", "ROCKET.mac"};
    dir.Write("players/Player/Rocket.MAC.out", "Weapons\r\n");
    dir.Write("players/Player/notes.txt", "x");
    SavePlayerCFG(dir.app());
    EXPECT_EQ(dir.Read("players/Player/bindings.dat"),
              JoinLines({"2", "JUMP.MAC", "Jump", "Movement", "ROCKET.mac", "Error", "Error"}));
    for (const char* gone : {"Renamed.MAC.out", "ROCKETJUMP.MAC.out", "notes.txt"})
        EXPECT_FALSE(dir.Exists(std::string("players/Player/") + gone)) << gone;
    EXPECT_TRUE(dir.Exists("players/Player/JUMP.MAC.out"));
    EXPECT_TRUE(dir.Exists("players/Player/Rocket.MAC.out"));
}

}  // namespace
}  // namespace korvex
