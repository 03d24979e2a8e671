#include <gtest/gtest.h>

#include "PlayerTestData.h"
#include "app/Korvex.h"
#include "players/Inheritance.h"
#include "players/PlayerCfgFiles.h"

namespace korvex {
namespace {

using Names = std::vector<std::string>;

TEST(Inheritance, WithOnlyOnePlayerCfgCheckingInheritShowsMessage15) {
    ProgramDirFixture dir;
    LoadPlayerCFG(dir.app(), "Player");
    PlayerCfg& cfg = dir.app().player;
    EXPECT_TRUE(cfg.controls.inherit1Items.empty());
    EXPECT_FALSE(cfg.controls.inherit1Enabled);

    cfg.special1 = true;
    Special1Click(dir.app());
    EXPECT_FALSE(cfg.special1);
    EXPECT_FALSE(cfg.controls.inheritGroupVisible);
    EXPECT_EQ(dir.host().BoxTexts(),
              Names{"There are currently no players available of which you can inherit options. (Cure: create a player "
                    "who doesn't inherit anything.)"});
}

TEST(Inheritance, OffersOnlyPlayerCfgsWhoseChainEndsWell) {
    ProgramDirFixture dir;
    WritePlayer(dir, "Zed");
    WritePlayer(dir, "Child", "Player");     // leads back to the current one
    WritePlayer(dir, "Grandchild", "child");  // the same, through another letter case
    WritePlayer(dir, "LoopA", "LoopB");
    WritePlayer(dir, "LoopB", "LoopA");
    WritePlayer(dir, "Lost", "Nobody");
    WritePlayer(dir, "alpha", "Zed");
    WritePlayer(dir, "NoSpecial");
    dir.Remove("players/NoSpecial/special.dat");
    LoadPlayerCFG(dir.app(), "Player");
    PlayerCfg& cfg = dir.app().player;
    EXPECT_EQ(cfg.controls.inherit1Items, (Names{"alpha", "Zed"}));
    EXPECT_TRUE(cfg.controls.inherit1Enabled);

    cfg.special1 = true;
    Special1Click(dir.app());
    EXPECT_TRUE(cfg.special1);
    EXPECT_TRUE(cfg.controls.inheritGroupVisible);

    // A typed name is kept only when it is one of those offered.
    for (const auto& [typed, kept] : {std::pair{"zed", "zed"}, {"LoopA", kNoInheritText}, {"", kNoInheritText}}) {
        cfg.inherit1 = typed;
        Inherit1Change(dir.app());
        EXPECT_EQ(cfg.inherit1, kept) << typed;
    }
    cfg.inherit1 = "";
    dir.host().RunPosted();
    EXPECT_EQ(cfg.inherit1, kNoInheritText);
    EXPECT_TRUE(dir.host().boxes.empty());
    EXPECT_FALSE(dir.app().shuttingDown);
}

TEST(Inheritance, ADeletedAncestorIsResetAndTheResetIsSaved) {
    ProgramDirFixture dir;
    WritePlayer(dir, "Child", "Ancestor");
    LoadPlayerCFG(dir.app(), "Child");
    PlayerCfg& cfg = dir.app().player;
    EXPECT_EQ(cfg.inherit1, kNoInheritText);
    EXPECT_FALSE(cfg.special1);
    EXPECT_FALSE(cfg.controls.inherit1Enabled);
    EXPECT_FALSE(cfg.controls.inheritGroupVisible);
    EXPECT_EQ(dir.host().BoxTexts(),
              Names{"The player you inherited options from is no longer available, perhaps because of deletion, etc. "
                    "(Cure: create a player who doesn't inherit anything; check if all players you inherit from do "
                    "still exist.)"});
    SavePlayerCFG(dir.app());
    EXPECT_EQ(dir.Read("players/Child/special.dat"), JoinLines(SpecialLines("")));
}

TEST(Inheritance, AnAncestorChosenButBrokenMeanwhileIsFatal) {
    ProgramDirFixture dir;
    WritePlayer(dir, "Other");
    LoadPlayerCFG(dir.app(), "Player");
    WritePlayer(dir, "Other", "Player");
    dir.app().player.inherit1 = "Other";
    Inherit1Change(dir.app());
    EXPECT_TRUE(dir.app().shuttingDown);
    EXPECT_EQ(dir.host().BoxTexts(),
              Names{"Programmer: Player inherits options although this was previously checked. (Other)"});
}

}  // namespace
}  // namespace korvex
