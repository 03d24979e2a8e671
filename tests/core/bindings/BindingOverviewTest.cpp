#include <gtest/gtest.h>

#include "app/Korvex.h"
#include "app/StartUp.h"
#include "bindings/BindingOverview.h"
#include "bindings/MacroInclusion.h"
#include "macros/MacroCatalogue.h"
#include "players/CharacterLists.h"
#include "support/ProgramDirTest.h"

namespace korvex {
namespace {

const std::string kDeg = "\xB0";

class OverviewTest : public ProgramDirTest {
protected:
    OverviewTest() {
        dir.Remove("macros");
        for (const char* name : {"MOVE", "NAME"}) dir.WriteMacro(std::string(name) + ".MAC", name, "Tests");
        LoadMacroCatalogue(app.report, app.macroCatalogue, app.macroLists, dir.Path("macros"));
        host.RunPosted();
        app.currentPlayerDir = dir.Path("players/Bob");
        dir.WriteLines("players/Bob/MOVE.MAC.out",
                       {"Tests", "1", "+attack", "Fire", "MOUSE1" + kDeg + "SHIFT|a", "+moveup", "Jump", "SPACE",
                        "bind k +forward", "BIND MOUSE1" + kDeg + "SHIFT|a \"+attack\"", "BIND SPACE \"+moveup\""});
        dir.WriteLines("players/Bob/NAME.MAC.out", {"Tests", "-1", "name Bob"});
        app.player.includedMacroFiles = {"MOVE.MAC", "NAME.MAC"};
        app.player.includedMacros = {"MOVE", "NAME"};
    }
    void Select(std::vector<bool> selected) {
        app.macroLists.includedSelected = std::move(selected);
        ShowKeyBindingOverview(app);
    }
    std::string Move() { return dir.Read("players/Bob/MOVE.MAC.out"); }
};

TEST_F(OverviewTest, OneLinePerFunctionAndEditsWrittenHoweverItCloses) {
    host.overviewAnswers = {{OverviewAction::EditBinding, -1}, {OverviewAction::EditBinding, 1}};  // first none
    host.keyAnswers = {"SPACE", "MOUSE2"};  // the first is there already
    // OK closes the editor; the overview is then closed with Escape: still written.
    host.editorAnswers = {{EditorAction::AddKey, {}}, {EditorAction::AddKey, {}}, {EditorAction::Ok, {}}};
    Select({true, false});
    ASSERT_EQ(host.overviewsShown.size(), 3u);
    std::vector<std::string> lines;
    for (const TKey& request : host.overviewsShown.front().keys) lines.push_back(OverviewLine(request));
    ASSERT_EQ(host.editorsShown.size(), 3u);
    EXPECT_EQ(host.editorsShown[0].title, "Jump");
    EXPECT_EQ(host.editorsShown[2].keys, (std::vector<std::string>{"MOUSE2", "SPACE"}));
    EXPECT_EQ(lines, (std::vector<std::string>{"Fire has been bound to MOUSE1, SHIFT with a pressed",
                                               "Jump has been bound to SPACE"}));
    EXPECT_EQ(host.BoxTexts(),
              (std::vector<std::string>{"You can't perform this action without having selected anything. (Key Bindings)",
                                        "Command already bound to that key. (SPACE)"}));
    EXPECT_EQ(host.keyRequests, (std::vector<std::string>{"Jump", "Jump"}));
    EXPECT_EQ(Move(), JoinLines({"Tests", "1", "+attack", "Fire", "MOUSE1" + kDeg + "SHIFT|a", "+moveup", "Jump",
                                 "MOUSE2" + kDeg + "SPACE", "bind k +forward",
                                 "BIND MOUSE1" + kDeg + "SHIFT|a \"+attack\"", "BIND MOUSE2" + kDeg + "SPACE \"+moveup\""}));
    EXPECT_EQ(app.macroLists.includedSelected, (std::vector<bool>{false, false}));
}

TEST_F(OverviewTest, FunctionsWithoutKeysGoAndTheLastTakesTheMacro) {
    const std::string question =
        "There is no key left to bind a function to. If you choose OK this function will be deleted.";
    const OverviewAnswer editFirst{OverviewAction::EditBinding, 0};
    const EditorAnswer removeAll{EditorAction::RemoveKeys, {true, true}};
    const EditorAnswer ok{EditorAction::Ok, {}};
    // Kept open, then cancelled: nothing changes.
    host.editorAnswers = {removeAll, ok, {EditorAction::Cancel, {}}, removeAll, ok};
    host.Expect(Icon::Question, question, Button::Cancel);
    host.Expect(Icon::Question, question, Button::Ok);
    host.overviewAnswers = {editFirst};
    Select({true, false});
    EXPECT_EQ(host.editorsShown.at(2).keys, std::vector<std::string>{});
    host.overviewAnswers = {editFirst};
    Select({true, false});
    // Its console line stays; its BIND line is gone.
    EXPECT_EQ(Move(), JoinLines({"Tests", "0", "+moveup", "Jump", "SPACE", "bind k +forward", "BIND SPACE \"+moveup\""}));

    host.editorAnswers = {removeAll, ok};
    host.Expect(Icon::Question, question, Button::Ok);
    host.overviewAnswers = {editFirst};
    Select({true, false});
    EXPECT_EQ(host.BoxTexts().back(), "As there is no function left to bind any key to, the macro will be removed "
                                        "from the included macros list.");
    EXPECT_EQ(Move(), JoinLines({"Tests", "-1", "bind k +forward"}));
    EXPECT_EQ(app.player.includedMacros, (std::vector<std::string>{"NAME"}));
    EXPECT_EQ(app.player.includedMacroFiles, (std::vector<std::string>{"NAME.MAC"}));
}

TEST_F(OverviewTest, MacroWithoutKeyRequestsAndDamagedFiles) {
    const std::string before = dir.Read("players/Bob/NAME.MAC.out");
    Select({false, true});
    EXPECT_EQ(host.BoxTexts(), (std::vector<std::string>{"There a no bindings available for this macro. (NAME)"}));
    EXPECT_TRUE(host.overviewsShown.empty());
    EXPECT_EQ(dir.Read("players/Bob/NAME.MAC.out"), before);

    // A count of 99 with one request, binary bytes and a key list far longer than a line of
    // 1024 characters read without harm and come back whole in a consistent layout.
    std::string keys = "SHIFT";
    for (int i = 0; i < 2000; ++i) keys += kDeg + "SHIFT";
    dir.WriteLines("players/Bob/MOVE.MAC.out", {"Tests", "99", "+attack", "F\x01\xFF", keys});
    Select({true, false});
    EXPECT_EQ(Move(), JoinLines({"Tests", "0", "+attack", "F\x01\xFF", keys, "BIND " + keys + " \"+attack\""}));

    // A list that is no Quake II key is reported, and the file stays as it was.
    const std::string edited = JoinLines({"Tests", "0", "+attack", "Fire", "x \"quit\" y", "BIND x \"quit\" y \"+attack\""});
    dir.Write("players/Bob/MOVE.MAC.out", edited);
    host.boxes.clear();
    Select({true, false});
    EXPECT_EQ(host.BoxTexts(), std::vector<std::string>{UnknownKeyMessage("x \"quit\" y in " + dir.Path("players/Bob/MOVE.MAC.out"))});
    EXPECT_EQ(host.overviewsShown.size(), 1u);
    EXPECT_EQ(Move(), edited);
}

// The overview goes through the selected macros one by one; the keyboard map opened from it
// compiles the Player-CFG and leaves that selection as it was.
TEST(OverviewWalk, ItsKeyboardMapLeavesTheWalkThroughTheSelectedMacros) {
    ProgramDirFixture dir;
    Korvex& app = dir.app();
    std::vector<std::string> bindings{"3"};
    for (const auto& [name, key] : {std::pair{"ALPHA", "F1"}, std::pair{"BETA", "F2"}, std::pair{"GAMMA", "F1"}}) {
        const std::string file = std::string(name) + ".MAC";
        dir.WriteMacro(file, name, "Tests");
        dir.WriteLines("players/Player/" + file + ".out", {"Tests", "0", "say hi", std::string("Press ") + name, key,
                                                           std::string("BIND ") + key + " \"say hi\""});
        bindings.insert(bindings.end(), {file, name, "Tests"});
    }
    dir.WriteLines("players/Player/bindings.dat", bindings);
    LoadMacroCatalogue(app.report, app.macroCatalogue, app.macroLists, dir.Path("macros"));
    dir.host().RunPosted();
    app.paths.quakeDir = dir.quakeDir();
    FillModelList(app.report, app.paths, app.player);  // the options name a model and skin of the game
    LoadLastPlayer(app);
    ASSERT_EQ(app.player.includedMacros.size(), 3u);

    const OverviewAnswer map{OverviewAction::KeyboardMap, -1};
    dir.host().overviewAnswers = {map, {}, map, {}};
    app.macroLists.includedSelected = {true, false, true};
    ShowKeyBindingOverview(app);
    EXPECT_EQ(dir.host().keyMapsShown, (std::vector<std::string>{"Player", "Player"}));
    std::vector<std::string> walked;
    for (const MacroOutput& overview : dir.host().overviewsShown) walked.push_back(overview.keys.front().Description);
    EXPECT_EQ(walked, (std::vector<std::string>{"Press ALPHA", "Press ALPHA", "Press GAMMA", "Press GAMMA"}));
    EXPECT_EQ(app.macroLists.includedSelected, (std::vector<bool>(3, false)));
}

}  // namespace
}  // namespace korvex
