#include "MacroTestSupport.h"

namespace korvex {
namespace {

using E = std::vector<std::string>;

TEST_F(MacroTest, ArithmeticStoresWholeNumbersPlainAndOthersWithFiveDecimals) {
    Run({"ASSIGN \"1\" 1", "ASSIGN \"2\" 2", "ASSIGN \"3\" 3", "ASSIGN \"-1\" 4", "ASSIGN \"-2.7\" 5",
         "ADD 1 2 10", "DIV 1 3 11", "MULT 3 4 12", "DIV 12 2 13", "REAL2INT 5 14", "ASSIGN \"0\" 0",
         "TAN 0 15", "ASSIGN \"ab\" 6", "CONCAT 6 6 6", "ADD 1 1 1"});
    EXPECT_EQ(Boxes(), E{});
    EXPECT_EQ(Variable(10), "3");
    EXPECT_EQ(Variable(11), "0.33333");
    EXPECT_EQ(Variable(12), "-3");
    EXPECT_EQ(Variable(13), "-1.50000");
    EXPECT_EQ(Variable(14), "-2");
    EXPECT_EQ(Variable(15), "0");
    EXPECT_EQ(Variable(6), "abab");
    EXPECT_EQ(Variable(1), "2");
}

TEST_F(MacroTest, DivisionByZeroAndEmptyOrTextOperandsAreReportedAtOnceAndStoreNothing) {
    ExpectFaults({
        {{"ASSIGN \"1\" 1", "ASSIGN \"0\" 2", "ASSIGN \"kept\" 3", "DIV 1 2 3"}, {{MacroErr::DivisionByZero, 7}}},
        {{"ASSIGN \"\" 1", "ASSIGN \"2\" 2", "ADD 1 2 3", "ASSIGN \"two\" 1", "MULT 1 2 3"},
         {{MacroErr::WrongType, 6}, {MacroErr::WrongType, 8}, {MacroErr::WrongType, 0}}},
    });
    EXPECT_EQ(Variable(3), "kept");
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

}  // namespace
}  // namespace korvex
