#include "MacroTestSupport.h"

namespace korvex {
namespace {

using E = std::vector<std::string>;

TEST_F(MacroTest, OnlyDescriptionsRunCleanlyAndMissingCategoryFailsAtTheEnd) {
    Run({});
    EXPECT_EQ(Boxes(), E{});
    EXPECT_EQ(app().macroResults.LastCommand, -1);
    EXPECT_EQ(app().macroResults.LastKey, -1);
    EXPECT_EQ(app().macroResults.MacroCat, "Tests");

    RunLines({"MACRO_DESC \"Test\"", "MACRO_DETAILDESC \"A test macro\""});
    EXPECT_EQ(Boxes(), E{Error(MacroErr::NoMacroDescription, 0)});
}

TEST_F(MacroTest, AFalseIfSkipsNestedBlocksAndResumesAfterItsOwnFi) {
    Run({"IF \"a\" \"=\" \"b\"", "  IF \"x\" \"<>\" \"x\"", "    QUAKE_COMMAND \"inner\"", "  FI",
         "  QUAKE_COMMAND \"skipped\"", "FI", "QUAKE_COMMAND \"after\"", "IF \"a\" \"<>\" \"b\"",
         "QUAKE_COMMAND \"taken\"", "FI"});
    EXPECT_EQ(Boxes(), E{});
    EXPECT_EQ(Commands(), (E{"after", "taken"}));
    EXPECT_EQ(app().interpreter.IfDepth, -1);
}

// Each case runs after the one before failed: a new run starts with no block open and no label searched.
TEST_F(MacroTest, UnbalancedBlocksUnknownLabelsAndBadOperatorsAreReported) {
    ExpectFaults({
        {{"IF \"a\" \"==\" \"a\"", "FI"}, {{MacroErr::NoValidOperator, 4}, {MacroErr::FiWithoutIf, 5}, {MacroErr::FiWithoutIf, 0}}},
        {{"FI"}, {{MacroErr::FiWithoutIf, 4}, {MacroErr::FiWithoutIf, 0}}},
        {{"IF \"a\" \"=\" \"a\""}, {{MacroErr::UnexpectedEndOfFile, 0}}},
        {{"GOTO \"nowhere\"", "LABEL \"somewhere\""}, {{MacroErr::UnexpectedEndOfFile, 0}}},
        {{"QUAKE_COMMAND \"fine\""}, {}},
    });
    RunMacro(app(), PathOf("NONE.MAC"), false);
    EXPECT_EQ(Boxes().back(), ComposeMacroLanguageError(0, PathOf("NONE.MAC"), "File not found"));
}

// The search passes the IF without opening it, so the block's FI then closes nothing.
TEST_F(MacroTest, GotoIfFindsALabelInsideASkippedBlockAndKeepsTheIfDepth) {
    Run({"GOTOIF \"inside\" \"1\" \"=\" \"1\"", "QUAKE_COMMAND \"not reached\"", "IF \"a\" \"=\" \"b\"",
         "LABEL \"Inside\"", "QUAKE_COMMAND \"in the block\"", "FI", "QUAKE_COMMAND \"end\""});
    EXPECT_EQ(Commands(), (E{"in the block", "end"}));
    EXPECT_EQ(Boxes(), E{Error(MacroErr::FiWithoutIf, 9)});
}

TEST_F(MacroTest, AJumpSearchesFromTheTopAndLineNumbersCountAgain) {
    Variable(2) = "x";
    Run({"ASSIGN \"\" 1", "LABEL \"again\"", "CONCAT 1 2 1", "GOTOIF \"again\" \"&1&\" \"<>\" \"xxx\"",
         "QUAKE_COMMAND \"&1&\"", "BOGUS"});
    EXPECT_EQ(Commands(), E{"xxx"});
    EXPECT_EQ(Boxes().back(), Error(MacroErr::UnknownCommand, 0));
    EXPECT_EQ(Boxes()[Boxes().size() - 2], Error(MacroErr::UnknownCommand, 9));
}

TEST_F(MacroTest, LabelsIgnoreCaseConditionsDoNot) {
    Run({"GOTO \"END\"", "QUAKE_COMMAND \"jumped over\"", "label \"end\"", "IF \"Yes\" \"=\" \"yes\"",
         "QUAKE_COMMAND \"case-blind\"", "FI", "IF \"1\" \"=\" \"1.0\"", "QUAKE_COMMAND \"numeric\"", "FI"});
    EXPECT_EQ(Boxes(), E{});
    EXPECT_EQ(Commands(), E{});
}

TEST_F(MacroTest, AMacroJumpingInCirclesEndsWithOneReportPerFault) {
    Run({"LABEL \"loop\"", "QUAKE_COMMAND \"echo round\"", "GOTO \"loop\""});
    EXPECT_EQ(Boxes(), (E{Error(MacroErr::TooManyCommands, 5), Error(MacroErr::TooManyStatements, 0)}));
    EXPECT_EQ(app().macroResults.LastCommand, kMaxMacroCommands - 1);
    EXPECT_FALSE(app().interpreter.MacroSuspended);
    EXPECT_EQ(ComposeMacroLanguageError(0, "X.MAC", MacroErrorText(MacroErr::TooManyStatements)),
              "MacroLanguage Error (X.MAC): Too many statements carried out.");
}

TEST_F(MacroTest, VariablesSurviveFromOneRunToTheNext) {
    Run({"ASSIGN \"kept\" 42"});
    Run({"QUAKE_COMMAND \"say &42&\""});
    EXPECT_EQ(Commands(), E{"say kept"});
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

}  // namespace
}  // namespace korvex
