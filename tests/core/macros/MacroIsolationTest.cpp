#include "MacroTestSupport.h"

#include "macros/MacroCatalogue.h"
#include "macros/MacroDialog.h"
#include "macros/MacroErrors.h"

namespace korvex {
namespace {

using MacroIsolation = MacroTest;

// Reading descriptions for the catalogue or for a check of included macros leaves a macro
// that waits in its dialog as it was.
TEST_F(MacroIsolation, ReadingDescriptionsNeverDisturbsAWaitingMacro) {
    Run({"INPUTFIELD 10 10 100 \"Name\" \"Bob\" 1", "INPUTMODE ", "QUAKE_COMMAND \"say &1&\""});
    ASSERT_TRUE(app().interpreter.MacroSuspended);
    const int generation = app().interpreter.dialog.generation;
    LoadMacroCatalogue(app(), dir.Path("macros"));
    EXPECT_EQ(DescriptionOfMacro(app(), dir.Path("macros"), "W_FIRE.MAC"), "Fire");
    EXPECT_FALSE(app().interpreter.ReadyForNextMacro);
    EXPECT_EQ(app().interpreter.dialog.generation, generation);
    EXPECT_EQ(app().interpreter.dialog.inputFields.size(), 1u);
    EXPECT_EQ(app().macroResults.MacroDesc, "Test");
    EXPECT_TRUE(host().posted.empty());

    TypeIntoInputField(app(), 0, "Ann");
    Button1Click(app());
    EXPECT_EQ(Commands(), std::vector<std::string>{"say Ann"});
    EXPECT_TRUE(Boxes().empty()) << Boxes().front();
}

// A macro is read once; its lines count only as far as 255 characters, and a jump moves to a
// line without reading the file again.
TEST_F(MacroIsolation, LongLinesAndLoopsStayBoundedAndHugeFilesAreRefused) {
    Run({"LABEL \"top\"", "QUAKE_COMMAND \"say hi\" //" + std::string(900 << 10, 'a'),
         "QUAKE_COMMAND \"" + std::string(300, 'b') + "\"", "GOTO \"top\" \"\" \"\" \"\""});
    EXPECT_EQ(Boxes().front(), Error(MacroErr::WrongType, 6)) << "the closing quote lies past the 255th character";
    EXPECT_EQ(Boxes().at(1), Error(MacroErr::TooManyCommands, 5));
    EXPECT_EQ(Boxes().back(), Error(MacroErr::TooManyStatements, 0));
    EXPECT_EQ(Commands(), std::vector<std::string>(kMaxMacroCommands, "say hi"));

    host().boxes.clear();
    dir.Write("macros/T.MAC", std::string(kMaxMacroFileSize + 1, '\n'));
    RunMacro(app(), PathOf("T.MAC"), false);
    EXPECT_EQ(Boxes(), std::vector<std::string>{Error(MacroErr::FileTooLarge, 0)});
    host().boxes.clear();
    LoadMacroCatalogue(app(), dir.Path("macros"));
    EXPECT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes().front(), Error(MacroErr::FileTooLarge, 0));
}

}  // namespace
}  // namespace korvex
