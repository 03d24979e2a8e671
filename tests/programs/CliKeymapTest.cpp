#include "programs/CliCommandLine.h"

namespace korvex {
namespace {

using CliKeymap = CliTest;

// Tester (the delivered Player-CFG's options) with two macros of one category that bind F1.
TEST_F(CliKeymap, OneLinePerKeyOrTheCompilesMessagesAndNothingWritten) {
    IncludeMacros(dir, "Tester", {{"A_HELLO.MAC", "Say hello", "Talk", "say hi", "F1"},
                                  {"B_BYE.MAC", "Say goodbye", "Talk", "say ho", "F1"}});
    dir.Write("players/Tester/special.dat", dir.Read("players/Player/special.dat"));
    std::string options = dir.Read("players/Player/options.dat");
    dir.Write("players/Tester/options.dat", options);
    auto before = dir.Snapshot();
    ProgramRun run = Succeeds("keymap Tester");
    EXPECT_EQ(run.output, "F1\tsay hi; say ho\tSay hello (Tester); Say goodbye (Tester)\n");
    EXPECT_EQ(dir.Snapshot(), before);

    options.replace(options.find("640x480\r\n"), 7, "Video mode");  // a prompt, not a value
    dir.Write("players/Tester/options.dat", options);
    before = dir.Snapshot();
    run = Run("keymap Tester");
    EXPECT_EQ(run.exitStatus, 1);
    EXPECT_EQ(run.output, "");
    EXPECT_TRUE(Holds(run.errors, "Invalid input. (choose a value for \"Video mode\" on the Options tab)\n"));
    EXPECT_EQ(dir.Snapshot(), before);

    EXPECT_EQ(Run("keymap Nobody").exitStatus, 1);
    EXPECT_EQ(Run("keymap ''").exitStatus, 1);
    EXPECT_EQ(Run("keymap").exitStatus, 2);
}

}  // namespace
}  // namespace korvex
