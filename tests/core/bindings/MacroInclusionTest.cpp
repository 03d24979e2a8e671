#include <gtest/gtest.h>

#include "app/Korvex.h"
#include "bindings/IncludedMacroKeys.h"
#include "bindings/MacroInclusion.h"
#include "macros/MacroCatalogue.h"
#include "macros/MacroDialog.h"
#include "support/ProgramDirTest.h"

namespace korvex {
namespace {

const std::string kDeg = "\xB0";

// A program directory with macros written by the test and the Player-CFG "Bob".
class InclusionTest : public ProgramDirTest {
protected:
    InclusionTest() {
        dir.Remove("macros");
        dir.WriteMacro("FIRE.MAC", "Fire", "Tests",
                       {"QUAKE_COMMAND \"alias +shoot \"+attack\"\"", "NECESSARY_KEY \"+shoot\" \"Shoot\""});
        dir.WriteMacro("MOVE.MAC", "Move", "Tests",
                       {"QUAKE_COMMAND \"bind k +forward; bind l +back\"", "NECESSARY_KEY \"+forward\" \"Forward\"",
                        "NECESSARY_KEY \"+back\" \"Back\""});
        dir.WriteMacro("NAME.MAC", "Name", "Tests", {"QUAKE_COMMAND \"name Bob\""});
        dir.WriteMacro("NOTHING.MAC", "Nothing", "Tests");
        dir.WriteMacro("ASK.MAC", "Ask", "Tests",
                       {"INPUTFIELD 10 40 200 \"Text:\" \"hi\" 1", "INPUTMODE", "QUAKE_COMMAND \"say &1&\"",
                        "NECESSARY_KEY \"+say\" \"Say\""});
        LoadMacroCatalogue(app.report, app.macroCatalogue, app.macroLists, dir.Path("macros"));
        app.currentPlayerName = "Bob";
        app.currentPlayerDir = dir.Path("players/Bob");
        dir.Write("players/Bob/bindings.dat", "0\r\n");
        ShowMacrosOfCategory(app.macroCatalogue, app.macroLists, "Tests");
    }

    // Selects these macros of AvailMacros, presses "Add to Config" and runs the chain.
    void Add(const std::vector<std::string>& descriptions) {
        MacroBindingsView& lists = app.macroLists;
        lists.availSelected.assign(lists.availMacros.size(), false);
        for (std::size_t i = 0; i < lists.availMacros.size(); ++i)
            for (const std::string& d : descriptions)
                if (lists.availMacros[i] == d) lists.availSelected[i] = true;
        AddToConfig(app);
        host.RunPosted();
    }
    void Keys(std::initializer_list<const char*> keys) { host.keyAnswers.assign(keys.begin(), keys.end()); }
    std::string Out(const std::string& file) { return dir.Read("players/Bob/" + file + ".out"); }
};

TEST_F(InclusionTest, NewMacrosRunInListOrderWithTheirOwnKeys) {
    Keys({"MOUSE1", "w", "s"});
    Add({"Move", "Fire", "Name", "Nothing"});
    // Two key requests give two prompts in statement order; BIND lines follow the commands.
    EXPECT_EQ(host.keyRequests, (std::vector<std::string>{"Shoot", "Forward", "Back"}));
    EXPECT_EQ(Out("MOVE.MAC"), JoinLines({"Tests", "1", "+forward", "Forward", "w", "+back", "Back", "s",
                                          "bind k +forward; bind l +back", "BIND w \"+forward\"",
                                          "BIND s \"+back\""}));
    EXPECT_EQ(Out("FIRE.MAC"), JoinLines({"Tests", "0", "+shoot", "Shoot", "MOUSE1", "alias +shoot \"+attack\"",
                                          "BIND MOUSE1 \"+shoot\""}));
    EXPECT_EQ(Out("NAME.MAC"), JoinLines({"Tests", "-1", "name Bob"}));
    // A macro with neither keys nor commands is never included.
    EXPECT_FALSE(dir.Exists("players/Bob/NOTHING.MAC.out"));
    EXPECT_EQ(app.player.includedMacros, (std::vector<std::string>{"Fire", "Move", "Name"}));
    EXPECT_EQ(app.player.includedMacroFiles, (std::vector<std::string>{"FIRE.MAC", "MOVE.MAC", "NAME.MAC"}));
    EXPECT_TRUE(app.interpreter.ReadyForNextMacro);
    // Only a stored macro is deselected.
    EXPECT_EQ(app.macroLists.availSelected, (std::vector<bool>{false, false, false, false, true}));
}

TEST_F(InclusionTest, NoSecondRunStartsWhileKeysAreCaptured) {
    host.RunPosted();  // what loading the catalogue left
    QueueMacroFiles(app.macroCatalogue, app.inclusion, "Fire");
    QueueMacroFiles(app.macroCatalogue, app.inclusion, "Move");
    RunNextPendingMacro(app);
    RunNextPendingMacro(app);  // Fire still waits for its key
    EXPECT_EQ(app.inclusion.PendingMacros.size(), 1u);
    EXPECT_EQ(app.macroResults.MacroDesc, "Fire");
    Keys({"MOUSE1", "w", "s"});
    host.RunPosted();
    EXPECT_TRUE(app.inclusion.PendingMacros.empty());
    EXPECT_EQ(app.player.includedMacros, (std::vector<std::string>{"Fire", "Move"}));
}

TEST_F(InclusionTest, AnIncludedMacroCancelledTheOthersRun) {
    Keys({"MOUSE1"});
    Add({"Fire"});
    host.includedChoices = {IncludedMacroChoice::Cancel};
    Keys({"w", "s"});
    Add({"Fire", "Move", "Name"});
    EXPECT_EQ(host.includedQuestions, (std::vector<std::string>{"Fire"}));
    EXPECT_EQ(host.keyRequests, (std::vector<std::string>{"Shoot", "Forward", "Back"}));
    EXPECT_EQ(app.player.includedMacros, (std::vector<std::string>{"Fire", "Move", "Name"}));
}

TEST_F(InclusionTest, AddingKeysToAnIncludedMacro) {
    Keys({"F1"});
    Add({"Fire"});
    host.includedChoices = {IncludedMacroChoice::AddKeyBinding};
    Keys({"SHIFT|a"});
    Add({"Fire"});
    // The key list is one word of the BIND line; the console line stays in place.
    EXPECT_EQ(Out("FIRE.MAC"), JoinLines({"Tests", "0", "+shoot", "Shoot", "F1" + kDeg + "SHIFT|a",
                                          "alias +shoot \"+attack\"", "BIND F1" + kDeg + "SHIFT|a \"+shoot\""}));
    EXPECT_FALSE(dir.Exists("players/Bob/FIRE.MAC.out.korvex-new"));

    // A list over 80 characters takes no further key, even a new one.
    std::string longList = "F1";
    while (longList.size() <= kMaxBoundKeysLength) longList += kDeg + "MOUSE1";
    dir.WriteLines("players/Bob/FIRE.MAC.out", {"Tests", "0", "+shoot", "Shoot", longList, "BIND x \"y\""});
    host.includedChoices = {IncludedMacroChoice::AddKeyBinding};
    Keys({"F7"});
    Add({"Fire"});
    EXPECT_EQ(host.BoxTexts().back().rfind("You want to bind too many keys to one command. (F1, MOUSE1", 0), 0u);
    EXPECT_EQ(Out("FIRE.MAC"), JoinLines({"Tests", "0", "+shoot", "Shoot", longList, "BIND " + longList + " \"+shoot\""}));

    // A request whose list was emptied by hand gets the key alone, without a separator before it.
    dir.WriteLines("players/Bob/FIRE.MAC.out", {"Tests", "0", "+shoot", "Shoot", ""});
    host.includedChoices = {IncludedMacroChoice::AddKeyBinding};
    Keys({"F7"});
    Add({"Fire"});
    EXPECT_EQ(Out("FIRE.MAC"), JoinLines({"Tests", "0", "+shoot", "Shoot", "F7", "BIND F7 \"+shoot\""}));
}

// The key request dialog learns which keys the other included macros bind, to name them while
// one is pressed; the included-macros list shows each macro's keys.
TEST_F(InclusionTest, TheKeysOfTheOtherIncludedMacrosAreNamed) {
    Keys({"F1", "a|SHIFT", "F1"});
    Add({"Fire", "Move"});
    // Move's keys were asked for with Fire included before it.
    ASSERT_EQ(host.boundKeys.size(), 1u);
    EXPECT_EQ(host.boundKeys[0].description, "Fire");
    EXPECT_EQ(host.boundKeys[0].keys, std::vector<std::string>{"F1"});

    const std::vector<MacroKeys> included = IncludedMacroKeys(app.macroCatalogue, app.player, app.currentPlayerDir);
    ASSERT_EQ(included.size(), 2u);
    EXPECT_EQ(IncludedMacroItemText(included[0]), "Fire: F1");
    EXPECT_EQ(IncludedMacroItemText(included[1]), "Move: a with SHIFT pressed, F1");
    EXPECT_EQ(KeyBoundByText(included, "f1"), "f1 is bound by Fire, Move");
    EXPECT_EQ(KeyBoundByText(included, "a|SHIFT"), "a with SHIFT pressed is bound by Move");
    EXPECT_EQ(KeyBoundByText(included, "MOUSE1"), "");
    EXPECT_EQ(KeyBoundByText(included, ""), "");

    // Keys added to an included macro: the others are named, not the macro itself.
    host.includedChoices = {IncludedMacroChoice::AddKeyBinding};
    Keys({"F2"});
    Add({"Fire"});
    ASSERT_EQ(host.boundKeys.size(), 1u);
    EXPECT_EQ(host.boundKeys[0].description, "Move");
}

TEST_F(InclusionTest, OverwriteRunsTheMacroAgainFromScratch) {
    Keys({"w", "s"});
    Add({"Move"});
    host.includedChoices = {IncludedMacroChoice::Overwrite};
    Keys({"UPARROW", "DOWNARROW"});
    Add({"Move"});
    EXPECT_EQ(host.keyRequests.size(), 4u);
    EXPECT_EQ(Out("MOVE.MAC"), JoinLines({"Tests", "1", "+forward", "Forward", "UPARROW", "+back", "Back", "DOWNARROW",
                                          "bind k +forward; bind l +back", "BIND UPARROW \"+forward\"",
                                          "BIND DOWNARROW \"+back\""}));
    EXPECT_EQ(app.player.includedMacros, (std::vector<std::string>{"Move"}));
    EXPECT_EQ(app.player.includedMacroFiles, (std::vector<std::string>{"MOVE.MAC"}));
}

TEST_F(InclusionTest, AMacroWithoutKeysCannotGetMore) {
    Keys({"MOUSE1"});
    Add({"Name", "Fire"});
    host.boxes.clear();
    Add({"Name", "Move"});  // the handler ends at once: Move is not run
    EXPECT_EQ(host.BoxTexts(), (std::vector<std::string>{"Macro already included. (Name)"}));
    EXPECT_EQ(app.player.includedMacros, (std::vector<std::string>{"Fire", "Name"}));
}

TEST_F(InclusionTest, FailuresKeepTheOldStateAndReport) {
    // The store step cannot write: reported, and the macro stays out.
    dir.Write("players/Bob/NAME.MAC.out", "");
    SetReadOnly(dir.Path("players/Bob/NAME.MAC.out"));
    Add({"Name"});
    EXPECT_EQ(host.BoxTexts().back(), "Couldn't create file. (" + dir.Path("players/Bob/NAME.MAC.out") + ")");
    EXPECT_TRUE(app.player.includedMacros.empty());
    EXPECT_TRUE(app.interpreter.ReadyForNextMacro);

    // A read-only output file of an included macro is left as it is.
    Keys({"F1"});
    Add({"Fire"});
    const std::string before = Out("FIRE.MAC");
    SetReadOnly(dir.Path("players/Bob/FIRE.MAC.out"));
    host.includedChoices = {IncludedMacroChoice::AddKeyBinding};
    Add({"Fire"});
    EXPECT_EQ(host.BoxTexts().back(), "Couldn't delete file. (" + dir.Path("players/Bob/FIRE.MAC.out") + ")");
    EXPECT_EQ(Out("FIRE.MAC"), before);
}

TEST_F(InclusionTest, CancellingEndsTheAdditionWithNothingStored) {
    // Cancel on the macro dialog: back to the Config-Editor, and the macros waiting are dropped.
    Add({"Ask", "Fire"});
    ASSERT_EQ(app.view.page, Page::MacroDialog);
    CancelMacroDialog(app);
    host.RunPosted();
    EXPECT_EQ(app.view.page, Page::ConfigEditor);
    EXPECT_FALSE(app.interpreter.MacroSuspended);
    EXPECT_TRUE(app.interpreter.dialog.inputFields.empty());
    EXPECT_TRUE(host.keyRequests.empty());
    EXPECT_EQ(host.BoxTexts(),
              (std::vector<std::string>{"Cancelled: \"Ask\" and the macros after it were not added."}));

    // Escape at a key request: nothing of the macro is stored.
    Keys({"w", ""});
    Add({"Move"});
    EXPECT_EQ(host.BoxTexts().back(), "Cancelled: \"Move\" was not added.");
    EXPECT_FALSE(dir.Exists("players/Bob/MOVE.MAC.out"));
    EXPECT_FALSE(dir.Exists("players/Bob/ASK.MAC.out"));
    EXPECT_FALSE(dir.Exists("players/Bob/FIRE.MAC.out"));
    EXPECT_TRUE(app.player.includedMacros.empty());

    // Nothing is left half done: the next addition runs as usual.
    Keys({"F1"});
    Add({"Fire"});
    EXPECT_EQ(app.player.includedMacros, (std::vector<std::string>{"Fire"}));

    // Escape while adding a key to an included macro leaves its file as it was.
    const std::string before = Out("FIRE.MAC");
    host.includedChoices = {IncludedMacroChoice::AddKeyBinding};
    Keys({""});
    Add({"Fire"});
    EXPECT_EQ(host.BoxTexts().back(), "Cancelled: no key was added to \"Fire\".");
    EXPECT_EQ(Out("FIRE.MAC"), before);
}

}  // namespace
}  // namespace korvex
