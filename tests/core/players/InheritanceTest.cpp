#include <gtest/gtest.h>

#include "PlayerTestData.h"
#include "app/Korvex.h"
#include "players/Inheritance.h"
#include "players/PlayerCfgFiles.h"
#include "support/ProgramDirTest.h"

namespace korvex {
namespace {

using Inheritance = ProgramDirTest;

using Names = std::vector<std::string>;

TEST_F(Inheritance, OffersOnlyPlayerCfgsWhoseChainEndsWellAndSaysWhenThereIsNone) {
    LoadPlayerCFG(app, "Player");
    EXPECT_TRUE(app.player.controls.inherit1Items.empty());
    EXPECT_FALSE(app.player.controls.inherit1Enabled);
    app.player.special1 = true;
    Special1Click(app);
    EXPECT_FALSE(app.player.special1);
    EXPECT_FALSE(app.player.controls.inheritGroupVisible);
    EXPECT_EQ(host.BoxTexts(),
              Names{"There are currently no players available of which you can inherit options. (Cure: create a player "
                    "who doesn't inherit anything.)"});
    host.boxes.clear();

    WritePlayer(dir, "Zed");
    WritePlayer(dir, "Child", "Player");     // leads back to the current one
    WritePlayer(dir, "Grandchild", "child");  // the same, through another letter case
    WritePlayer(dir, "LoopA", "LoopB");
    WritePlayer(dir, "LoopB", "LoopA");
    WritePlayer(dir, "Lost", "Nobody");
    WritePlayer(dir, "alpha", "Zed");
    WritePlayer(dir, "NoSpecial");
    dir.Remove("players/NoSpecial/special.dat");
    LoadPlayerCFG(app, "Player");
    PlayerCfg& cfg = app.player;
    EXPECT_EQ(cfg.controls.inherit1Items, (Names{"alpha", "Zed"}));
    EXPECT_TRUE(cfg.controls.inherit1Enabled);

    cfg.special1 = true;
    Special1Click(app);
    EXPECT_TRUE(cfg.special1);
    EXPECT_TRUE(cfg.controls.inheritGroupVisible);

    // A typed name is kept only when it is one of those offered.
    for (const auto& [typed, kept] : {std::pair{"zed", "zed"}, {"LoopA", kNoInheritText}, {"", kNoInheritText}}) {
        cfg.inherit1 = typed;
        Inherit1Change(app);
        EXPECT_EQ(cfg.inherit1, kept) << typed;
    }
    cfg.inherit1 = "";
    host.RunPosted();
    EXPECT_EQ(cfg.inherit1, kNoInheritText);
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_FALSE(app.report.shuttingDown);
}

TEST_F(Inheritance, ADeletedAncestorIsResetAndTheResetIsSaved) {
    WritePlayer(dir, "Child", "Ancestor");
    LoadPlayerCFG(app, "Child");
    PlayerCfg& cfg = app.player;
    EXPECT_EQ(cfg.inherit1, kNoInheritText);
    EXPECT_FALSE(cfg.special1);
    EXPECT_FALSE(cfg.controls.inherit1Enabled);
    EXPECT_FALSE(cfg.controls.inheritGroupVisible);
    EXPECT_EQ(host.BoxTexts(),
              Names{"The player you inherited options from is no longer available, perhaps because of deletion, etc. "
                    "(Cure: create a player who doesn't inherit anything; check if all players you inherit from do "
                    "still exist.)"});
    SavePlayerCFG(app);
    EXPECT_EQ(dir.Read("players/Child/special.dat"), JoinLines(SpecialLines("")));
}

TEST_F(Inheritance, AnAncestorChosenButBrokenMeanwhileIsFatal) {
    WritePlayer(dir, "Other");
    LoadPlayerCFG(app, "Player");
    WritePlayer(dir, "Other", "Player");
    app.player.inherit1 = "Other";
    Inherit1Change(app);
    EXPECT_TRUE(app.report.shuttingDown);
    EXPECT_EQ(host.BoxTexts(),
              Names{"Programmer: Player inherits options although this was previously checked. (Other)"});
}

}  // namespace
}  // namespace korvex
