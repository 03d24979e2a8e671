#include <gtest/gtest.h>

#include "programs/CliCommandLine.h"
#include "support/ProgramDirFixture.h"
#include "support/RunProgram.h"

namespace korvex {
namespace {

TEST(CliMacros, ListsTheCatalogueTabSeparatedInFileNameOrder) {
    ProgramDirFixture dir;
    const ProgramRun run = RunProgram(Cli(dir, "macros"), dir.root());
    EXPECT_EQ(run.exitStatus, 0) << run.errors;
    EXPECT_EQ(run.output.rfind("Communication\tGesture\tC_GESTURE.MAC\n", 0), 0u) << run.output;
    EXPECT_NE(run.output.find("View and Zoom\tZoom while held\tV_ZOOM.MAC\n"), std::string::npos);

    dir.Remove("macros");
    const ProgramRun empty = RunProgram(Cli(dir, "macros"), dir.root());
    EXPECT_EQ(empty.exitStatus, 0);
    EXPECT_EQ(empty.output, "");
}

TEST(CliRunMacro, TypesInputsAnswersKeysAndPrintsTheOutputFileLayout) {
    ProgramDirFixture dir;
    const ProgramRun run = RunProgram(Cli(dir, "run-macro T_CALLS.MAC --input 2='red base' --key F6"), dir.root());
    EXPECT_EQ(run.exitStatus, 0) << run.errors;
    EXPECT_EQ(run.output, JoinLines({"Team Play", "0", "say_team Incoming - red base",
                                     "Press the key that tells your team: Incoming - red base", "F6",
                                     "BIND F6 \"say_team Incoming - red base\""}));
}

TEST(CliRunMacro, AMacroLanguageErrorGoesToStandardErrorWithStatus1) {
    ProgramDirFixture dir;
    dir.WriteLines("macros/BAD.MAC", {"MACRO_DESC \"Bad\"", "MACRO_DETAILDESC \"d\"", "MACRO_CAT \"c\"", "BOGUS"});
    const ProgramRun run = RunProgram(Cli(dir, "run-macro BAD.MAC"), dir.root());
    EXPECT_EQ(run.exitStatus, 1);
    EXPECT_EQ(run.output, "");
    EXPECT_NE(run.errors.find("MacroLanguage Error (" + dir.Path("macros/BAD.MAC") + "): Unknown command at line 4.\n"),
              std::string::npos)
        << run.errors;
    EXPECT_EQ(RunProgram(Cli(dir, "run-macro"), dir.root()).exitStatus, 2);
    EXPECT_EQ(RunProgram(Cli(dir, "run-macro X.MAC --input x=1"), dir.root()).exitStatus, 2);
}

TEST(CliRunMacro, AMacroThatNeverStopsAskingIsGivenUp) {
    ProgramDirFixture dir;
    const ProgramRun run = RunProgram(Cli(dir, "run-macro C_SAY.MAC --input 1=''"), dir.root());
    EXPECT_EQ(run.exitStatus, 1);
    EXPECT_NE(run.errors.find("given up"), std::string::npos);
}

}  // namespace
}  // namespace korvex
