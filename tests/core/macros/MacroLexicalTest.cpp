#include "MacroTestSupport.h"

#include "macros/MacroLineReader.h"

namespace korvex {
namespace {

using E = std::vector<std::string>;

TEST_F(MacroTest, KeywordsIgnoreCaseButNeedASpaceAfterThem) {
    Run({"IF \"a\" \"=\" \"a\"", "fi", "  quake_command \"bind x +attack\""});
    EXPECT_EQ(Boxes(), E{});
    EXPECT_EQ(Commands(), E{"bind x +attack"});

    Run({"FIX", "FI\t", "QUAKE_COMMAND\t\"x\""});
    EXPECT_EQ(Boxes(), (E{Error(MacroErr::UnknownCommand, 4), Error(MacroErr::UnknownCommand, 5),
                          Error(MacroErr::UnknownCommand, 6), Error(MacroErr::UnknownCommand, 0)}));
}

TEST_F(MacroTest, CommentsStartAtTwoSlashesEvenInsideQuotes) {
    Run({"// a comment line", "\t ", "SHOWMESSAGE \"see http://x\""});
    EXPECT_EQ(Boxes(), (E{Error(MacroErr::TooFewParameters, 6), Error(MacroErr::TooFewParameters, 0)}));
}

TEST_F(MacroTest, NumbersEndAtASpaceNotAtATab) {
    Run({"TEXT 10\t20 \"x\""});
    EXPECT_EQ(Boxes(), (E{Error(MacroErr::WrongType, 4), Error(MacroErr::WrongType, 0)}));
}

TEST_F(MacroTest, MissingTrailingNumberFailsMissingTrailingStringIsEmpty) {
    Run({"NECESSARY_KEY \"+attack\"", "ASSIGN \"x\" 5 and text after it is ignored"});
    EXPECT_EQ(Boxes(), E{});
    EXPECT_EQ(app().macroResults.Keys[0].Command, "+attack");
    EXPECT_EQ(app().macroResults.Keys[0].Description, "");
    EXPECT_EQ(Variable(5), "x");

    Run({"ASSIGN \"x\""});
    EXPECT_EQ(Boxes().back(), Error(MacroErr::WrongType, 0));
    EXPECT_EQ(Boxes()[0], Error(MacroErr::WrongType, 4));
}

TEST_F(MacroTest, ARunOfAmpersandsOpensTheReferenceAtItsLast) {
    Variable(1) = "2&";
    Variable(2) = "done";
    Run({"ASSIGN \"&&1&\" 3"});
    EXPECT_EQ(Boxes(), E{});
    EXPECT_EQ(Variable(3), "done");

    Variable(1) = "hi";
    Run({"QUAKE_COMMAND \"say &&1&\""});
    EXPECT_EQ(Boxes()[0], Error(MacroErr::InvalidVariableReference, 4));
}

TEST_F(MacroTest, AReferenceMayLackItsClosingAmpersandAtTheLineEnd) {
    Variable(5) = "7";
    Run({"ASSIGN \"abc\" &5"});
    EXPECT_EQ(Boxes(), E{});
    EXPECT_EQ(Variable(7), "abc");
}

TEST_F(MacroTest, VariableNumbersFrom100AreReportedAtOnceAndInsertNothing) {
    Run({"ASSIGN \"a&150&b\" 9", "ASSIGN \"x\" 200"});
    EXPECT_EQ(Boxes(), (E{Error(MacroErr::InvalidVariableNumber, 4), Error(MacroErr::InvalidVariableNumber, 5)}));
    EXPECT_EQ(Variable(9), "ab");
}

TEST_F(MacroTest, SkippedBlocksAndDescriptionRunsDoNotSubstitute) {
    Run({"IF \"a\" \"=\" \"b\"", "QUAKE_COMMAND \"&x&\"", "FI"});
    EXPECT_EQ(Boxes(), E{});

    RunLines({"MACRO_DESC \"Fire & forget &x\"", "MACRO_DETAILDESC \"d\"", "MACRO_CAT \"c\"", "QUAKE_COMMAND \"&&\""},
             true);
    EXPECT_EQ(Boxes(), E{});
    EXPECT_EQ(app().macroResults.MacroDesc, "Fire & forget &x");
}

TEST_F(MacroTest, QuakeCommandTakesEverythingBetweenTheFirstAndLastQuote) {
    Run({"QUAKE_COMMAND \"alias +zoom \"fov 30\"\"", "QUAKE_COMMAND  \"echo x\""});
    EXPECT_EQ(Commands(), E{"alias +zoom \"fov 30\""});
    EXPECT_EQ(Boxes(), (E{Error(MacroErr::WrongType, 5), Error(MacroErr::WrongType, 0)}));

    Run({"QUAKE_COMMAND \"say \"hi\""});
    EXPECT_EQ(Boxes()[2], Error(MacroErr::UnevenQuotes, 4));
    EXPECT_EQ(Boxes()[2], "MacroLanguage Error (" + PathOf("T.MAC") + "): Uneven number of char \" found at line 4.");

    Run({"QUAKE_COMMAND"});
    EXPECT_EQ(Boxes()[4], Error(MacroErr::TooFewParameters, 4));
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
    EXPECT_EQ(FormatMacroNumber(1.0 / 3), "0.33333");
    EXPECT_EQ(FormatMacroNumber(-3), "-3");
    EXPECT_EQ(FormatMacroNumber(2.5), "2.50000");
    EXPECT_EQ(FormatMacroNumber(-0.0), "0");
}

}  // namespace
}  // namespace korvex
