#include "MacroTestSupport.h"

#include "macros/MacroCatalogue.h"
#include "macros/MacroDialog.h"
#include "macros/MacroLineReader.h"

namespace korvex {
namespace {

using E = std::vector<std::string>;
namespace M = MacroErr;

// A new run starts with no block open and no label searched, whatever the run before left.
TEST_F(MacroTest, RunsGiveTheirCommandsAndReportEachFaultWithItsLine) {
    ExpectRuns({
        // Keywords ignore case; QUAKE_COMMAND takes everything between the outer quotes.
        {{"IF \"a\" \"=\" \"a\"", "fi", "  quake_command \"bind x +attack\"", "QUAKE_COMMAND \"alias +zoom \"fov 30\"\""},
         {},
         {"bind x +attack", "alias +zoom \"fov 30\""}},
        {{"QUAKE_COMMAND \"say \"hi\""}, {{M::UnevenQuotes, 4}, {M::UnevenQuotes, 0}}},
        {{"FIX", "FI\t", "QUAKE_COMMAND\t\"x\""},  // a keyword needs a space after it
         {{M::UnknownCommand, 4}, {M::UnknownCommand, 5}, {M::UnknownCommand, 6}, {M::UnknownCommand, 0}}},
        {{"// a comment line", "\t ", "SHOWMESSAGE \"see http://x\""},  // "//" starts a comment even in quotes
         {{M::TooFewParameters, 6}, {M::TooFewParameters, 0}}},
        {{"TEXT 10\t20 \"x\""}, {{M::WrongType, 4}, {M::WrongType, 0}}},  // a number ends at a space only
        {{"ASSIGN \"x\""}, {{M::WrongType, 4}, {M::WrongType, 0}}},       // a missing trailing number
        {{"QUAKE_COMMAND \"echo\"", "QUAKE_COMMAND  \"echo x\""}, {{M::WrongType, 5}, {M::WrongType, 0}}, {"echo"}},
        {{"QUAKE_COMMAND"}, {{M::TooFewParameters, 4}, {M::TooFewParameters, 0}}},
        {{"ASSIGN \"a&150&b\" 9", "ASSIGN \"x\" 200"}, {{M::InvalidVariableNumber, 4}, {M::InvalidVariableNumber, 5}}},
        {{"IF \"a\" \"==\" \"a\"", "FI"}, {{M::NoValidOperator, 4}, {M::FiWithoutIf, 5}, {M::FiWithoutIf, 0}}},
        {{"FI"}, {{M::FiWithoutIf, 4}, {M::FiWithoutIf, 0}}},
        {{"IF \"a\" \"=\" \"a\""}, {{M::UnexpectedEndOfFile, 0}}},
        {{"GOTO \"nowhere\"", "LABEL \"somewhere\""}, {{M::UnexpectedEndOfFile, 0}}},
        // A skipped block substitutes nothing; a false IF skips the blocks nested in it.
        {{"IF \"a\" \"=\" \"b\"", "QUAKE_COMMAND \"&x&\"", "FI"}, {}},
        {{"IF \"a\" \"=\" \"b\"", "  IF \"x\" \"<>\" \"x\"", "    QUAKE_COMMAND \"inner\"", "  FI",
          "  QUAKE_COMMAND \"skipped\"", "FI", "QUAKE_COMMAND \"after\"", "IF \"a\" \"<>\" \"b\"",
          "QUAKE_COMMAND \"taken\"", "FI"},
         {},
         {"after", "taken"}},
        // The search passes the IF without opening it, so the block's FI then closes nothing.
        {{"GOTOIF \"inside\" \"1\" \"=\" \"1\"", "QUAKE_COMMAND \"not reached\"", "IF \"a\" \"=\" \"b\"",
          "LABEL \"Inside\"", "QUAKE_COMMAND \"in the block\"", "FI", "QUAKE_COMMAND \"end\""},
         {{M::FiWithoutIf, 9}},
         {"in the block", "end"}},
        // A jump searches from the top, and the line numbers count again.
        {{"ASSIGN \"x\" 2", "ASSIGN \"\" 1", "LABEL \"again\"", "CONCAT 1 2 1",
          "GOTOIF \"again\" \"&1&\" \"<>\" \"xxx\"", "QUAKE_COMMAND \"&1&\"", "BOGUS"},
         {{M::UnknownCommand, 10}, {M::UnknownCommand, 0}},
         {"xxx"}},
        // Labels ignore case, conditions do not.
        {{"GOTO \"END\"", "QUAKE_COMMAND \"jumped over\"", "label \"end\"", "IF \"Yes\" \"=\" \"yes\"",
          "QUAKE_COMMAND \"case-blind\"", "FI", "IF \"1\" \"=\" \"1.0\"", "QUAKE_COMMAND \"numeric\"", "FI"},
         {}},
        {{"ASSIGN \"kept\" 42"}, {}},
        {{"QUAKE_COMMAND \"say &42&\""}, {}, {"say kept"}},
        // Whole numbers are stored plain, others with five decimals.
        {{"ASSIGN \"1\" 1", "ASSIGN \"2\" 2", "ASSIGN \"3\" 3", "ASSIGN \"-1\" 4", "ASSIGN \"-2.7\" 5", "ADD 1 2 10",
          "DIV 1 3 11", "MULT 3 4 12", "DIV 12 2 13", "REAL2INT 5 14", "ASSIGN \"0\" 0", "TAN 0 15", "ASSIGN \"ab\" 6",
          "CONCAT 6 6 6", "ADD 1 1 1", "QUAKE_COMMAND \"&10& &11& &12& &13& &14& &15& &6& &1&\""},
         {},
         {"3 0.33333 -3 -1.50000 -2 0 abab 2"}},
        // Division by zero and empty or text operands are reported at once and store nothing.
        {{"ASSIGN \"1\" 1", "ASSIGN \"0\" 2", "ASSIGN \"kept\" 3", "DIV 1 2 3"}, {{M::DivisionByZero, 7}}},
        {{"ASSIGN \"\" 1", "ASSIGN \"2\" 2", "ADD 1 2 3", "ASSIGN \"two\" 1", "MULT 1 2 3"},
         {{M::WrongType, 6}, {M::WrongType, 8}, {M::WrongType, 0}}},
    });
    EXPECT_EQ(Variable(3), "kept");
    EXPECT_EQ(Variable(9), "ab") << "a variable number from 100 on inserts nothing";
    EXPECT_EQ(Error(M::UnevenQuotes, 4), "MacroLanguage Error (" + PathOf("T.MAC") + "): Uneven number of char \" found at line 4.");
    RunMacro(run(), PathOf("NONE.MAC"), false);
    EXPECT_EQ(Boxes().back(), ComposeMacroLanguageError(0, PathOf("NONE.MAC"), "File not found"));
}

TEST_F(MacroTest, ReferencesAndTrailingParameters) {
    Run({"NECESSARY_KEY \"+attack\"", "ASSIGN \"x\" 5 and text after it is ignored"});
    EXPECT_EQ(Boxes(), E{});
    EXPECT_EQ(app().macroResults.Keys[0].Command, "+attack");
    EXPECT_EQ(app().macroResults.Keys[0].Description, "");
    EXPECT_EQ(Variable(5), "x");

    Variable(1) = "2&";
    Variable(2) = "done";
    Variable(6) = "7";
    Run({"ASSIGN \"&&1&\" 3", "ASSIGN \"abc\" &6"});  // a run of "&" opens at its last; a line end closes
    EXPECT_EQ(Boxes(), E{});
    EXPECT_EQ(Variable(3), "done");
    EXPECT_EQ(Variable(7), "abc");

    Variable(1) = "hi";
    Run({"QUAKE_COMMAND \"say &&1&\""});
    EXPECT_EQ(Boxes()[0], Error(MacroErr::InvalidVariableReference, 4));
}

TEST_F(MacroTest, SelfReferringVariablesEndInAnInvalidReference) {
    Variable(1) = "&2&";
    Variable(2) = "x&1&";
    Run({"ASSIGN \"&1&\" 3"});
    ASSERT_FALSE(Boxes().empty());
    EXPECT_EQ(Boxes()[0], Error(MacroErr::InvalidVariableReference, 4));
    EXPECT_LE(Variable(3).size(), kMaxVariableLength);
}

TEST(MacroNumbers, ReadAndWrittenAsTheLanguageDefines) {
    EXPECT_EQ(ParseMacroNumber("-2.5e1"), -25.0);
    EXPECT_EQ(ParseMacroNumber("+.5"), 0.5);
    EXPECT_EQ(ParseMacroNumber(""), std::nullopt);
    EXPECT_EQ(ParseMacroNumber("1,5"), std::nullopt);
    EXPECT_EQ(ParseMacroNumber("1e999"), std::nullopt);
    EXPECT_EQ(ParseMacroNumber(" 1"), std::nullopt);
    EXPECT_EQ(FormatMacroNumber(-0.0), "0");
}

TEST_F(MacroTest, OnlyDescriptionsRunCleanlyAndMissingCategoryFailsAtTheEnd) {
    Run({});
    EXPECT_EQ(Boxes(), E{});
    EXPECT_EQ(app().macroResults.LastCommand, -1);
    EXPECT_EQ(app().macroResults.LastKey, -1);
    EXPECT_EQ(app().macroResults.MacroCat, "Tests");

    RunLines({"MACRO_DESC \"Test\"", "MACRO_DETAILDESC \"A test macro\""});
    EXPECT_EQ(Boxes(), E{Error(MacroErr::NoMacroDescription, 0)});

    // Reading only the descriptions substitutes nothing.
    host().boxes.clear();
    RunLines({"MACRO_DESC \"Fire & forget &x\"", "MACRO_DETAILDESC \"d\"", "MACRO_CAT \"c\"", "QUAKE_COMMAND \"&&\""},
             true);
    EXPECT_EQ(Boxes(), E{});
    EXPECT_EQ(app().macroResults.MacroDesc, "Fire & forget &x");
}

TEST_F(MacroTest, AFinishedRunHandsOverAndBecomesReadyAgain) {
    Run({"NECESSARY_KEY \"+attack\" \"Fire\""});
    EXPECT_FALSE(app().interpreter.ReadyForNextMacro);
    ASSERT_EQ(host().posted.size(), 1u);
    EXPECT_EQ(app().interpreter.CurrentKeyIndex, -1);
    host().keyAnswers = {"MOUSE1"};
    host().RunPosted();
    EXPECT_EQ(host().keyRequests, std::vector<std::string>{"Fire"});
    EXPECT_TRUE(app().interpreter.ReadyForNextMacro);
}

TEST_F(MacroTest, ConcatenationsCannotGrowWithoutEnd) {
    Variable(3) = "1";
    Variable(2) = "0";
    Run({"ASSIGN \"0123456789\" 1", "LABEL \"grow\"", "CONCAT 1 1 1", "ADD 2 3 2", "GOTOIF \"grow\" \"&2&\" \"<>\" \"40\""});
    EXPECT_EQ(Variable(1).size(), kMaxVariableLength);
}

TEST_F(MacroTest, EachLimitIsReportedAtOnceWithItsLine) {
    std::vector<std::string> body;
    for (int i = 0; i < 21; ++i) body.push_back("INPUTFIELD 0 0 10 \"f\" \"\" 1");
    for (int i = 0; i < 21; ++i) body.push_back("TEXT 0 0 \"t\"");
    for (int i = 0; i < 41; ++i) body.push_back("INPUTCOMBO 0 0 10 \"c\" \"\" \"a^b\" 2");
    for (int i = 0; i < 51; ++i) body.push_back("NECESSARY_KEY \"+attack\" \"Fire\"");
    for (int i = 0; i < 51; ++i) body.push_back("QUAKE_COMMAND \"echo\"");
    Run(body);
    EXPECT_EQ(Boxes(), (E{Error(MacroErr::TooManyInputFields, 3 + 21), Error(MacroErr::TooManyTexts, 3 + 42),
                          Error(MacroErr::TooManyInputCombos, 3 + 83), Error(MacroErr::TooManyKeys, 3 + 134),
                          Error(MacroErr::TooManyCommands, 3 + 185)}));
    EXPECT_EQ(app().macroResults.LastKey, 49);
    EXPECT_EQ(app().macroResults.LastCommand, 49);
}

using MacroIsolation = MacroTest;

// Reading descriptions for the catalogue or for a check of included macros leaves a macro
// that waits in its dialog as it was.
TEST_F(MacroIsolation, ReadingDescriptionsNeverDisturbsAWaitingMacro) {
    Run({"INPUTFIELD 10 10 100 \"Name\" \"Bob\" 1", "INPUTMODE ", "QUAKE_COMMAND \"say &1&\""});
    ASSERT_TRUE(app().interpreter.MacroSuspended);
    const int generation = app().interpreter.dialog.generation;
    LoadMacroCatalogue(app().report, app().macroCatalogue, app().macroLists, dir.Path("macros"));
    EXPECT_EQ(DescriptionOfMacro(app().report, dir.Path("macros"), "W_FIRE.MAC"), "Fire");
    EXPECT_FALSE(app().interpreter.ReadyForNextMacro);
    EXPECT_EQ(app().interpreter.dialog.generation, generation);
    EXPECT_EQ(app().interpreter.dialog.inputFields.size(), 1u);
    EXPECT_EQ(app().macroResults.MacroDesc, "Test");
    EXPECT_TRUE(host().posted.empty());

    TypeIntoInputField(app().report, app().interpreter, 0, "Ann");
    Button1Click(run());
    EXPECT_EQ(Commands(), std::vector<std::string>{"say Ann"});
    EXPECT_TRUE(Boxes().empty()) << Boxes().front();
}

// A macro is read once; its lines count only as far as 255 characters, and a jump moves to a
// line without reading the file again.
TEST_F(MacroIsolation, LongLinesAndLoopsStayBoundedAndHugeFilesAreRefused) {
    Run({"LABEL \"top\"", "QUAKE_COMMAND \"say hi\" //" + std::string(900 << 10, 'a'),
         "QUAKE_COMMAND \"" + std::string(300, 'b') + "\"", "GOTO \"top\" \"\" \"\" \"\""});
    // One report per fault: the closing quote lies past the 255th character, then the limits.
    EXPECT_EQ(Boxes(), (std::vector<std::string>{Error(MacroErr::WrongType, 6), Error(MacroErr::TooManyCommands, 5),
                                                 Error(MacroErr::TooManyStatements, 0)}));
    EXPECT_EQ(Commands(), std::vector<std::string>(kMaxMacroCommands, "say hi"));
    EXPECT_FALSE(app().interpreter.MacroSuspended);
    EXPECT_EQ(Boxes().back(), "MacroLanguage Error (" + PathOf("T.MAC") + "): Too many statements carried out.");

    host().boxes.clear();
    dir.Write("macros/T.MAC", std::string(kMaxMacroFileSize + 1, '\n'));
    RunMacro(run(), PathOf("T.MAC"), false);
    EXPECT_EQ(Boxes(), std::vector<std::string>{Error(MacroErr::FileTooLarge, 0)});
    host().boxes.clear();
    LoadMacroCatalogue(app().report, app().macroCatalogue, app().macroLists, dir.Path("macros"));
    EXPECT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes().front(), Error(MacroErr::FileTooLarge, 0));
}

}  // namespace
}  // namespace korvex
