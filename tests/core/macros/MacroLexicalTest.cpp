#include "MacroTestSupport.h"

#include "macros/MacroLineReader.h"

namespace korvex {
namespace {

using E = std::vector<std::string>;

namespace M = MacroErr;

TEST_F(MacroTest, KeywordsIgnoreCaseAndQuakeCommandTakesEverythingBetweenTheOuterQuotes) {
    Run({"IF \"a\" \"=\" \"a\"", "fi", "  quake_command \"bind x +attack\"", "QUAKE_COMMAND \"alias +zoom \"fov 30\"\""});
    EXPECT_EQ(Boxes(), E{});
    EXPECT_EQ(Commands(), (E{"bind x +attack", "alias +zoom \"fov 30\""}));
    Run({"QUAKE_COMMAND \"say \"hi\""});
    EXPECT_EQ(Boxes()[0], "MacroLanguage Error (" + PathOf("T.MAC") + "): Uneven number of char \" found at line 4.");
}

TEST_F(MacroTest, LexicalFaultsAreReportedWithTheirLine) {
    ExpectFaults({
        {{"FIX", "FI\t", "QUAKE_COMMAND\t\"x\""},  // a keyword needs a space after it
         {{M::UnknownCommand, 4}, {M::UnknownCommand, 5}, {M::UnknownCommand, 6}, {M::UnknownCommand, 0}}},
        {{"// a comment line", "\t ", "SHOWMESSAGE \"see http://x\""},  // "//" starts a comment even in quotes
         {{M::TooFewParameters, 6}, {M::TooFewParameters, 0}}},
        {{"TEXT 10\t20 \"x\""}, {{M::WrongType, 4}, {M::WrongType, 0}}},  // a number ends at a space only
        {{"ASSIGN \"x\""}, {{M::WrongType, 4}, {M::WrongType, 0}}},       // a missing trailing number
        {{"QUAKE_COMMAND \"echo\"", "QUAKE_COMMAND  \"echo x\""}, {{M::WrongType, 5}, {M::WrongType, 0}}},
        {{"QUAKE_COMMAND"}, {{M::TooFewParameters, 4}, {M::TooFewParameters, 0}}},
        {{"ASSIGN \"a&150&b\" 9", "ASSIGN \"x\" 200"}, {{M::InvalidVariableNumber, 4}, {M::InvalidVariableNumber, 5}}},
    });
    EXPECT_EQ(Variable(9), "ab") << "a variable number from 100 on inserts nothing";
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

TEST_F(MacroTest, SkippedBlocksAndDescriptionRunsDoNotSubstitute) {
    Run({"IF \"a\" \"=\" \"b\"", "QUAKE_COMMAND \"&x&\"", "FI"});
    EXPECT_EQ(Boxes(), E{});

    RunLines({"MACRO_DESC \"Fire & forget &x\"", "MACRO_DETAILDESC \"d\"", "MACRO_CAT \"c\"", "QUAKE_COMMAND \"&&\""},
             true);
    EXPECT_EQ(Boxes(), E{});
    EXPECT_EQ(app().macroResults.MacroDesc, "Fire & forget &x");
}

TEST_F(MacroTest, SelfReferringVariablesEndInAnInvalidReference) {
    Variable(1) = "&2&";
    Variable(2) = "x&1&";
    Run({"ASSIGN \"&1&\" 3"});
    ASSERT_FALSE(Boxes().empty());
    EXPECT_EQ(Boxes()[0], Error(MacroErr::InvalidVariableReference, 4));
    EXPECT_LE(Variable(3).size(), kMaxVariableLength);
}

TEST_F(MacroTest, LongLinesAreCutAt255Characters) {
    const std::string comment = "QUAKE_COMMAND \"echo hi\" // " + std::string(1000, 'x');
    Run({comment, "QUAKE_COMMAND \"" + std::string(400, 'y') + "\""});
    EXPECT_EQ(Commands(), E{"echo hi"});
    EXPECT_EQ(Boxes()[0], Error(MacroErr::WrongType, 5));
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

}  // namespace
}  // namespace korvex
