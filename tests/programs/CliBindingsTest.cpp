#include <gtest/gtest.h>

#include "programs/CliCommandLine.h"
#include "support/ProgramDirFixture.h"
#include "support/RunProgram.h"

namespace korvex {
namespace {

// The delivered Player-CFG "Player" with macros added from the command line.
class CliBindings : public ::testing::Test {
protected:
    ProgramRun Run(const std::string& args) { return RunProgram(Cli(dir, args), dir.root()); }
    std::string Out(const std::string& file) { return dir.Read("players/Player/" + file + ".out"); }
    ProgramDirFixture dir;
};

TEST_F(CliBindings, AddKeysListAndRemove) {
    EXPECT_EQ(Run("add-macro Player T_CALLS.MAC --input 2='red base' --key F6").exitStatus, 0);
    EXPECT_EQ(Run("add-macro Player 'Rocket jump' --key 'SHIFT|a'").exitStatus, 0);
    EXPECT_EQ(Out("T_CALLS.MAC"), JoinLines({"Team Play", "0", "say_team Incoming - red base",
                                             "Press the key that tells your team: Incoming - red base", "F6",
                                             "BIND F6 \"say_team Incoming - red base\""}));

    // Included already: nothing changes without an option.
    const ProgramRun again = Run("add-macro Player 'Rocket jump' --key F1");
    EXPECT_EQ(again.exitStatus, 1);
    EXPECT_NE(again.errors.find("already included"), std::string::npos) << again.errors;
    EXPECT_EQ(Run("add-macro Player 'Rocket jump' --add-key --key MOUSE2").exitStatus, 0);
    const ProgramRun twice = Run("add-macro Player 'Rocket jump' --add-key --key MOUSE2");
    EXPECT_EQ(twice.exitStatus, 1);
    EXPECT_NE(twice.errors.find("Command already bound to that key. (SHIFT with a pressed, MOUSE2)"), std::string::npos)
        << twice.errors;

    const ProgramRun listed = Run("bindings Player");
    EXPECT_EQ(listed.exitStatus, 0) << listed.errors;
    EXPECT_EQ(listed.output, "Rocket jump\n  Press the key for the rocket jump has been bound to SHIFT with a pressed, "
                             "MOUSE2\nTeam call with place\n  Press the key that tells your team: Incoming - red base has "
                             "been bound to F6\n");

    // The editor holds the keys sorted; an empty list deletes the function and then the macro.
    EXPECT_EQ(Run("set-keys Player R_BASIC.MAC 1 'SHIFT|a\xC2\xB0" "F1'").exitStatus, 0);
    EXPECT_NE(Out("R_BASIC.MAC").find("BIND F1\xB0SHIFT|a \"+rjump\""), std::string::npos);
    const ProgramRun cleared = Run("set-keys Player R_BASIC.MAC 1 ''");
    EXPECT_EQ(cleared.exitStatus, 0) << cleared.errors;
    EXPECT_FALSE(dir.Exists("players/Player/R_BASIC.MAC.out"));
    EXPECT_EQ(Run("remove-macro Player T_CALLS.MAC").exitStatus, 0);
    EXPECT_FALSE(dir.Exists("players/Player/T_CALLS.MAC.out"));
    EXPECT_EQ(Run("bindings Player").output, "");
}

TEST_F(CliBindings, RefusalsAndMissingKeys) {
    EXPECT_EQ(Run("add-macro Player R_BASIC.MAC").exitStatus, 1);  // no key given: nothing saved
    EXPECT_EQ(dir.Read("players/Player/bindings.dat").find("R_BASIC"), std::string::npos);
    EXPECT_EQ(Run("add-macro Nobody R_BASIC.MAC --key a").exitStatus, 1);
    EXPECT_EQ(Run("add-macro Player NOSUCH.MAC --key a").exitStatus, 1);
    EXPECT_EQ(Run("add-macro Player").exitStatus, 2);
    EXPECT_EQ(Run("remove-macro Player R_BASIC.MAC").exitStatus, 1);
    EXPECT_EQ(Run("set-keys Player R_BASIC.MAC 1 a").exitStatus, 1);

    ASSERT_EQ(Run("add-macro Player C_NAME.MAC --input 1=Bob").exitStatus, 0);
    const ProgramRun noKeys = Run("add-macro Player C_NAME.MAC --add-key");
    EXPECT_EQ(noKeys.exitStatus, 1);
    EXPECT_NE(noKeys.errors.find("Macro already included. (Player name)"), std::string::npos) << noKeys.errors;
}

}  // namespace
}  // namespace korvex
