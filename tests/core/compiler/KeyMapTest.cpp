#include <gtest/gtest.h>

#include "compiler/ConfigCompiler.h"
#include "compiler/KeyMap.h"
#include "macros/MacroCatalogue.h"
#include "players/PlayerCfgFiles.h"
#include "support/CompilerTestData.h"
#include "support/ProgramDirTest.h"

namespace korvex {
namespace {

using Lines = std::vector<std::string>;

// Fire comes before Jump by file name, but "Moves" before "Weapons": the merge follows the categories.
const TestMacro kFire{"TFIRE.MAC", "Test Fire", "Weapons", {"+attack", "Fire", "a"}, {"BIND a \"+attack\""}};
const TestMacro kJump{"TJUMP.MAC", "Test Jump", "Moves", {"+moveup", "Jump", "a"}, {"BIND a \"+moveup\""}};
const TestMacro kDuck{"TDUCK.MAC", "Test Duck", "Moves", {"+movedown", "Duck", "q|SHIFT"}, {"BIND q|SHIFT \"+movedown\""}};
const TestMacro kTalk{"TTALK.MAC", "Test Talk", "Talk", {"say hi", "Talk", "t\xB0" "F1"}, {"BIND t\xB0" "F1 \"say hi\""}};
const TestMacro kZoom{"TZOOM.MAC", "Test Zoom", "View", {"fov", "Zoom", "z"}, {"BIND z \"fov $FOV_0.5$\""}};

class KeyMapOfPlayer : public ProgramDirTest {
protected:
    KeyMapOfPlayer() {
        app.paths.quakeDir = dir.quakeDir();
        for (const TestMacro& macro : {kFire, kJump, kDuck, kTalk, kZoom}) dir.WriteMacro(macro.file, macro.description, macro.category);
        LoadMacroCatalogue(app.report, app.macroCatalogue, app.macroLists, app.paths.macros);
    }
    static Lines MapLines(const KeyMap& map) {
        Lines lines;
        for (const KeyMapKey& key : map.keys) lines.push_back(KeyMapLine(key));
        return lines;
    }
};

TEST_F(KeyMapOfPlayer, FollowsTheMergeChordsKeyListsAndTheChainOfAncestors) {
    WritePlayer(dir, "B", {kZoom});
    WritePlayer(dir, "A", {}, CompleteOptionLines(), Inheriting("B", "1000000"));
    WritePlayer(dir, "P", {kFire, kJump, kDuck, kTalk}, CompleteOptionLines(), Inheriting("A", "1000000"));
    const auto before = dir.Snapshot();

    KeyMap map;
    ASSERT_TRUE(CompileKeyMap(app.report, app.paths, app.macroCatalogue, "P", map))
        << testing::PrintToString(host.BoxTexts());
    EXPECT_EQ(MapLines(map), (Lines{"a\t+moveup; +attack\tTest Jump (P); Test Fire (P)",
                                   "F1\tsay hi\tTest Talk (P)",
                                   "q|SHIFT\t+movedown\tTest Duck (P)",
                                   "t\tsay hi\tTest Talk (P)",
                                   "z\tfov 45.00000\tTest Zoom (B)"}))
        << "the chord's modifier runs a generated trigger and is no macro's key";
    EXPECT_EQ(dir.Snapshot(), before) << "the map is made without writing anything";

    const KeyKind kinds[] = {KeyKind::Shared, KeyKind::Own, KeyKind::Own, KeyKind::Own, KeyKind::Inherited};
    for (std::size_t i = 0; i < map.keys.size(); ++i) EXPECT_EQ(KeyKindOf(map, map.keys[i]), kinds[i]) << map.keys[i].key;
    EXPECT_EQ(SharedKeysAcrossCategories(map), Lines{"a"});
    EXPECT_EQ(SharedKeysNotice(map), "1 key is shared by macros of different categories: a");
    EXPECT_EQ(ChordModifiersOf(map), Lines{"SHIFT"});

    // The compile that writes the scripts gives the same map; its shared-key question is kept.
    host.Expect(Icon::Question,
                      "Two macros share the same keys:\n\na: Jump [P] <-> Fire [P]\n\nWould you like to temporarily "
                      "remove the conflicting macro on the left from the player-cfg P?",
                      Button::No);
    KeyMap written;
    LoadPlayerCFG(app, "P");
    ASSERT_TRUE(CompilePlayerConfig(app, "P", dir.quakeDir() + "/korvex", false, {}, &written));
    EXPECT_EQ(MapLines(written), MapLines(map));
    EXPECT_EQ(LinesOf(dir, "../quake2/korvex/Shared Bindings and Hotkeys.CFG").at(2), "alias +bk_a \"+moveup; +attack\"");
}

TEST_F(KeyMapOfPlayer, ShownPlayerKeepsItsChangesAndABrokenOneGivesNoMap) {
    WritePlayer(dir, "P", {kFire, kJump});
    LoadPlayerCFG(app, "P");
    app.player.includedMacroFiles = {kJump.file};  // removed on screen, not yet saved
    const auto before = dir.Snapshot();
    KeyMap map;
    ASSERT_TRUE(CompileKeyMap(app.report, app.paths, app.macroCatalogue, "P", map));
    EXPECT_EQ(MapLines(map), Lines{"a\t+moveup; +attack\tTest Jump (P); Test Fire (P)"}) << "as stored";
    EXPECT_EQ(app.player.includedMacroFiles, Lines{kJump.file});
    EXPECT_EQ(dir.Snapshot(), before);

    // A Player-CFG that does not compile leaves no map, not even the one made before.
    Lines options = CompleteOptionLines();
    options[static_cast<int>(Option::Video2)] = "Resolution";
    WritePlayer(dir, "Broken", {kFire}, options);
    EXPECT_FALSE(CompileKeyMap(app.report, app.paths, app.macroCatalogue, "Broken", map));
    EXPECT_TRUE(map.keys.empty());
}

}  // namespace
}  // namespace korvex
