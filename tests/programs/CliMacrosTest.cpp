#include "programs/CliCommandLine.h"

namespace korvex {
namespace {

using CliMacros = CliTest;

TEST_F(CliMacros, ListsTheCatalogueTabSeparatedInFileNameOrder) {
    const ProgramRun run = Succeeds("macros");
    EXPECT_EQ(run.output.rfind("Communication\tGesture\tC_GESTURE.MAC\n", 0), 0u) << run.output;
    EXPECT_TRUE(Holds(run.output, "View and Zoom\tZoom while held\tV_ZOOM.MAC\n"));

    dir.Remove("macros");
    const ProgramRun empty = Run("macros");
    EXPECT_EQ(empty.exitStatus, 0);
    EXPECT_EQ(empty.output, "");
}

TEST_F(CliMacros, RunMacroTypesInputsAnswersKeysAndPrintsTheOutputFileLayout) {
    const ProgramRun run = Succeeds("run-macro T_CALLS.MAC --input 2='red base' --key F6");
    EXPECT_EQ(run.output, JoinLines({"Team Play", "0", "say_team Incoming - red base",
                                     "Press the key that tells your team: Incoming - red base", "F6",
                                     "BIND F6 \"say_team Incoming - red base\""}));

    // A macro that never stops asking is given up.
    Fails("run-macro C_SAY.MAC --input 1=''", "given up");
}

TEST_F(CliMacros, AMacroLanguageErrorGoesToStandardErrorWithStatus1) {
    dir.WriteMacro("BAD.MAC", "Bad", "c", {"BOGUS"});
    const ProgramRun run = Run("run-macro BAD.MAC");
    EXPECT_EQ(run.exitStatus, 1);
    EXPECT_EQ(run.output, "");
    EXPECT_TRUE(Holds(run.errors, "MacroLanguage Error (" + dir.Path("macros/BAD.MAC") + "): Unknown command at line 4.\n"));
}

// The delivered Player-CFG "Player" with macros added from the command line.
TEST_F(CliMacros, AddKeysListAndRemove) {
    Succeeds("add-macro Player T_CALLS.MAC --input 2='red base' --key F6");
    Succeeds("add-macro Player 'Rocket jump' --key 'SHIFT|a'");

    // Included already: nothing changes without an option.
    Fails("add-macro Player 'Rocket jump' --key F1", "already included");
    Succeeds("add-macro Player 'Rocket jump' --add-key --key MOUSE2");
    Fails("add-macro Player 'Rocket jump' --add-key --key MOUSE2",
          "Command already bound to that key. (SHIFT with a pressed, MOUSE2)");

    const ProgramRun listed = Succeeds("bindings Player");
    EXPECT_EQ(listed.output, "Rocket jump\n  Press the key for the rocket jump has been bound to SHIFT with a pressed, "
                             "MOUSE2\nTeam call with place\n  Press the key that tells your team: Incoming - red base has "
                             "been bound to F6\n");

    // The editor holds the keys sorted; an empty list deletes the function and then the macro.
    Succeeds("set-keys Player R_BASIC.MAC 1 'SHIFT|a\xC2\xB0" "F1'");
    EXPECT_NE(dir.Read("players/Player/R_BASIC.MAC.out").find("BIND F1\xB0SHIFT|a \"+rjump\""), std::string::npos);
    Succeeds("set-keys Player R_BASIC.MAC 1 ''");
    EXPECT_FALSE(dir.Exists("players/Player/R_BASIC.MAC.out"));
    Succeeds("remove-macro Player T_CALLS.MAC");
    EXPECT_FALSE(dir.Exists("players/Player/T_CALLS.MAC.out"));
    EXPECT_EQ(Run("bindings Player").output, "");
}

// Typed values reach the game as typed, or are refused with nothing written; only Quake II
// keys enter a Player-CFG from the command line.
TEST_F(CliMacros, TypedValuesAndKeysAreCheckedBeforeAnythingIsWritten) {
    const ProgramRun typed = Succeeds("run-macro C_TWOSAY.MAC --input '1=Tom & Jerry 50% http://x' --key a --key b");
    EXPECT_TRUE(Holds(typed.output, "BIND a \"say Tom & Jerry 50% http://x\""));

    const std::string bindings = dir.Read("players/Player/bindings.dat");
    Fails("add-macro Player C_TWOSAY.MAC --input '1=gg; kill' --key a --key b",
          "The field \"First text\" cannot hold a semicolon (;)");
    Fails("add-macro Player R_BASIC.MAC --key 'x \"quit\" y'", "Only Quake II key names can be bound. (x \"quit\" y)");
    EXPECT_EQ(dir.Read("players/Player/bindings.dat"), bindings);
    EXPECT_FALSE(dir.Exists("players/Player/C_TWOSAY.MAC.out"));
    EXPECT_FALSE(dir.Exists("players/Player/R_BASIC.MAC.out"));

    Succeeds("add-macro Player R_BASIC.MAC --key 'a|SHIFT'");
    EXPECT_EQ(Run("set-keys Player R_BASIC.MAC 1 'F1\xC2\xB0SHIF'").exitStatus, 1);
    EXPECT_TRUE(Holds(dir.Read("players/Player/R_BASIC.MAC.out"), "BIND a|SHIFT \"+rjump\""));
    // A degree sign typed into a command is text, not the key separator.
    Succeeds("add-macro Player C_SAY.MAC --input '1=It is 20\xC2\xB0" "C' --key F9");
    Succeeds("compile Player " + dir.Path("compiled"));
    EXPECT_NE(dir.Read("compiled/Communication.cfg").find("BIND F9 \"say It is 20\xB0" "C\"\r\n"), std::string::npos)
        << dir.Read("compiled/Communication.cfg");
}

// Wrong usage gives status 2; a refused command status 1, with nothing saved.
TEST_F(CliMacros, RefusalsAndMissingKeys) {
    const std::string bindings = dir.Read("players/Player/bindings.dat");
    for (const auto& [args, status] : {std::pair<const char*, int>{"run-macro", 2}, {"run-macro X.MAC --input x=1", 2},
                                       {"add-macro Player", 2}, {"add-macro Player R_BASIC.MAC", 1},  // no key given
                                       {"add-macro Nobody R_BASIC.MAC --key a", 1}, {"add-macro Player NOSUCH.MAC --key a", 1},
                                       {"remove-macro Player R_BASIC.MAC", 1}, {"set-keys Player R_BASIC.MAC 1 a", 1}})
        EXPECT_EQ(Run(args).exitStatus, status) << args;
    EXPECT_EQ(dir.Read("players/Player/bindings.dat"), bindings);

    Succeeds("add-macro Player C_NAME.MAC --input 1=Bob");
    Fails("add-macro Player C_NAME.MAC --add-key", "Macro already included. (Player name)");
}

}  // namespace
}  // namespace korvex
