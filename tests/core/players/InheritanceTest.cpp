#include <gtest/gtest.h>

#include "PlayerTestData.h"
#include "app/Korvex.h"
#include "players/CharacterLists.h"
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

    cfg.inherit1 = "zed";
    Inherit1Change(dir.app());
    EXPECT_EQ(cfg.inherit1, "zed");
    cfg.inherit1 = "LoopA";
    Inherit1Change(dir.app());
    EXPECT_EQ(cfg.inherit1, kNoInheritText);
    cfg.inherit1 = "";
    Inherit1Change(dir.app());
    EXPECT_EQ(cfg.inherit1, kNoInheritText);
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

TEST(Inheritance, AdditionalCommandsShowAfterTheClickWasProcessed) {
    ProgramDirFixture dir;
    LoadPlayerCFG(dir.app(), "Player");
    dir.app().player.additionalCommands = true;
    PlayerCFGAdditionalCommandsCheckBoxClick(dir.app());
    EXPECT_FALSE(dir.app().player.controls.additionalCommandsVisible);
    dir.host().RunPosted();
    EXPECT_TRUE(dir.app().player.controls.additionalCommandsVisible);
}

TEST(CharacterLists, ModelsAndSkinsComeFromTheGamesPlayerModels) {
    ProgramDirFixture dir;
    dir.app().quakeDir = dir.quakeDir();
    FillModelList(dir.app());
    PlayerCfg& cfg = dir.app().player;
    EXPECT_EQ(cfg.controls.modelItems, (Names{"Model: female", "Model: male"}));

    cfg.SetText(Option::Character1, "Model: male");
    cfg.SetText(Option::Character2, "Skin: athena");
    Character1Change(dir.app());
    EXPECT_EQ(cfg.Text(Option::Character2), "Skin");
    Character2Enter(dir.app());
    EXPECT_EQ(cfg.controls.skinItems, (Names{"Skin: cipher", "Skin: grunt"}));

    FillSkinList(dir.app(), "Xfemale");
    EXPECT_EQ(cfg.controls.skinItems, Names{"Skin: athena"});
    FillSkinList(dir.app(), "Model: nobody");
    EXPECT_TRUE(cfg.controls.skinItems.empty());
}

}  // namespace
}  // namespace korvex
