#include <gtest/gtest.h>

#include "programs/CliCommandLine.h"
#include "support/ProgramDirFixture.h"
#include "support/RunProgram.h"

namespace korvex {
namespace {

// Tester (the delivered Player-CFG's options) with two macros of one category that bind F1.
class CliKeymap : public ::testing::Test {
protected:
    CliKeymap() {
        for (const auto& [file, description, command] :
             {std::tuple{"A_HELLO.MAC", "Say hello", "say hi"}, std::tuple{"B_BYE.MAC", "Say goodbye", "say ho"}}) {
            const std::string desc = std::string("\"") + description + "\"";
            dir.WriteLines(std::string("macros/") + file, {"MACRO_DESC " + desc, "MACRO_DETAILDESC " + desc, "MACRO_CAT \"Talk\""});
            dir.WriteLines(std::string("players/Tester/") + file + ".out",
                           {"Talk", "0", command, "Press the key", "F1", std::string("BIND F1 \"") + command + "\""});
        }
        dir.WriteLines("players/Tester/bindings.dat",
                       {"2", "A_HELLO.MAC", "Say hello", "Talk", "B_BYE.MAC", "Say goodbye", "Talk"});
        dir.Write("players/Tester/special.dat", dir.Read("players/Player/special.dat"));
    }
    ProgramRun Keymap(const std::string& player) {
        return RunProgram(Cli(dir, "keymap " + player), dir.root());
    }

    ProgramDirFixture dir;
};

TEST_F(CliKeymap, OneLinePerKeyAndNothingWritten) {
    dir.Write("players/Tester/options.dat", dir.Read("players/Player/options.dat"));
    const auto before = dir.Snapshot();
    const ProgramRun run = Keymap("Tester");
    EXPECT_EQ(run.exitStatus, 0) << run.errors;
    EXPECT_EQ(run.output, "F1\tsay hi; say ho\tSay hello (Tester); Say goodbye (Tester)\n");
    EXPECT_EQ(dir.Snapshot(), before);
}

TEST_F(CliKeymap, PlayerThatDoesNotCompileGivesItsMessagesAndNoMap) {
    std::string options = dir.Read("players/options.dat");
    const std::size_t sixth = [&] {
        std::size_t at = 0;
        for (int line = 0; line < 5; ++line) at = options.find("\r\n", at) + 2;
        return at;
    }();
    options.replace(sixth, options.find("\r\n", sixth) - sixth, "Video mode");  // a prompt, not a value
    dir.Write("players/Tester/options.dat", options);
    const auto before = dir.Snapshot();
    const ProgramRun run = Keymap("Tester");
    EXPECT_EQ(run.exitStatus, 1);
    EXPECT_EQ(run.output, "");
    EXPECT_NE(run.errors.find("Invalid input. (video resolution)\n"), std::string::npos) << run.errors;
    EXPECT_EQ(dir.Snapshot(), before);

    EXPECT_EQ(Keymap("Nobody").exitStatus, 1);
    EXPECT_EQ(Keymap("''").exitStatus, 1);
    EXPECT_EQ(RunProgram(Cli(dir, "keymap"), dir.root()).exitStatus, 2);
}

}  // namespace
}  // namespace korvex
