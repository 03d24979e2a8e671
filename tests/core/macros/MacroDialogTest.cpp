#include "MacroTestSupport.h"

namespace korvex {
namespace {

using E = std::vector<std::string>;

const MacroDialog& Dialog(Korvex& app) { return app.interpreter.dialog; }

TEST_F(MacroTest, InputModeShowsTheDialogPageAndOkResumesTheRun) {
    Run({"TEXT 10 20 \"Say what?\"", "INPUTFIELD 10 40 200 \"Text:\" \"hello\" 1",
         "INPUTCOMBO 10 70 100 \"Team:\" \"red\" \"red^ blue^green^\" 2", "INPUTMODE",
         "QUAKE_COMMAND \"say &1& &2&\""});
    EXPECT_TRUE(app().interpreter.MacroSuspended);
    EXPECT_EQ(app().view.page, Page::MacroDialog);
    EXPECT_EQ(app().view.caption, std::string(kCaptionPrefix) + "Macro-Dialog (Test)");
    EXPECT_EQ(app().interpreter.InputModeDesc, "Test");
    ASSERT_EQ(Dialog(app()).inputCombos.size(), 1u);
    EXPECT_EQ(Dialog(app()).inputCombos[0].items, (E{"red", "blue", "green"}));
    EXPECT_EQ(SplitComboItems("a^^"), (E{"a", ""}));  // only one trailing caret adds no item
    EXPECT_EQ(Dialog(app()).texts[0].top + kCaptionDrop, 22);
    EXPECT_EQ(ControlLeftOf(10, 50), 70);
    EXPECT_FALSE(NavigateTo(app(), Page::ModLauncher));

    TypeIntoInputCombo(app().report, app().interpreter, 0, "blue");
    Button1Click(run());
    EXPECT_FALSE(app().interpreter.MacroSuspended);
    EXPECT_EQ(app().view.page, Page::ConfigEditor);
    EXPECT_EQ(Commands(), E{"say hello blue"});
    EXPECT_TRUE(Dialog(app()).inputFields.empty());
    EXPECT_EQ(Boxes(), E{"Please finish adding the macro first!"});
}

// Two fields on one variable leave the later one's text; an empty dialog and a second
// INPUTMODE each show a fresh dialog.
TEST_F(MacroTest, TwoFieldsOnOneVariableAndASecondInputMode) {
    Run({"INPUTFIELD 0 0 10 \"A\" \"first\" 1", "INPUTFIELD 0 30 10 \"B\" \"second\" 1", "INPUTMODE",
         "QUAKE_COMMAND \"echo &1&\""});
    EXPECT_EQ(Variable(1), "second");
    TypeIntoInputField(app().report, app().interpreter, 0, "typed");
    EXPECT_EQ(Variable(1), "second");
    Button1Click(run());
    EXPECT_EQ(Commands(), E{"echo second"});

    Run({"INPUTMODE", "INPUTFIELD 0 0 10 \"Name\" \"x\" 1", "INPUTMODE", "QUAKE_COMMAND \"name &1&\""});
    EXPECT_TRUE(Dialog(app()).inputFields.empty());
    Button1Click(run());
    EXPECT_TRUE(app().interpreter.MacroSuspended);
    ASSERT_EQ(Dialog(app()).inputFields.size(), 1u);
    EXPECT_EQ(app().view.page, Page::MacroDialog);
    TypeIntoInputField(app().report, app().interpreter, 0, "Bob");
    Button1Click(run());
    EXPECT_EQ(Commands(), E{"name Bob"});
    EXPECT_EQ(Boxes(), E{});
    host().RunPosted();
    EXPECT_TRUE(app().interpreter.ReadyForNextMacro);
}

// What is typed reaches the game as typed, through variables and assignments; a double quote or
// a semicolon, which the game would read as part of its own syntax, is refused where it is typed.
TEST_F(MacroTest, TypedTextIsDataAndWhatTheGameCannotCarryIsRefused) {
    Run({"INPUTFIELD 10 40 200 \"First text:\" \"hi\" 1", "INPUTCOMBO 10 70 100 \"\" \"a\" \"a^b\" 2", "INPUTMODE",
         "ASSIGN \"&1&\" 3", "NECESSARY_KEY \"say &3&\" \"Press the key that says: &1&\"",
         "QUAKE_COMMAND \"echo &2&\""});
    const std::string typed = "Tom & Jerry &2& http://x 50% " + std::string(200, 'x');
    TypeIntoInputField(app().report, app().interpreter, 0, typed);
    TypeIntoInputCombo(app().report, app().interpreter, 0, "gg; kill");
    EXPECT_FALSE(Button1Click(run()));
    TypeIntoInputField(app().report, app().interpreter, 0, "\"wp\"");
    EXPECT_FALSE(Button1Click(run()));
    EXPECT_EQ(Boxes(), (E{"The field number 1 cannot hold a semicolon (;): in the game the rest of the text would "
                          "run as a console command.",
                          "The field \"First text\" cannot hold a double quote (\"): in the game it would end the "
                          "command."}));
    EXPECT_TRUE(app().interpreter.MacroSuspended);
    EXPECT_EQ(app().view.page, Page::MacroDialog);

    TypeIntoInputField(app().report, app().interpreter, 0, typed);
    TypeIntoInputCombo(app().report, app().interpreter, 0, "100%");
    EXPECT_TRUE(Button1Click(run()));
    EXPECT_EQ(Boxes().size(), 2u);
    EXPECT_EQ(Commands(), E{"echo 100%"});
    EXPECT_EQ(app().macroResults.Keys[0].Command, "say " + typed);
    EXPECT_EQ(app().macroResults.Keys[0].Description, "Press the key that says: " + typed);
}

}  // namespace
}  // namespace korvex
