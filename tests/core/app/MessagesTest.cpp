#include <gtest/gtest.h>

#include "app/Messages.h"
#include "support/ProgramDirTest.h"

namespace korvex {
namespace {

using Messages = ProgramDirTest;

TEST_F(Messages, FatalAndMacroLanguageReportsCloseTheProgram) {
    ShowError(app, Err::CouldntLoadFile, "a");
    EXPECT_FALSE(app.shuttingDown);
    EXPECT_EQ(host.closeRequests, 0);

    FatalError(app, Err::InitializationFailed, "disk full?");
    EXPECT_TRUE(app.shuttingDown);
    EXPECT_EQ(host.closeRequests, 1);

    MacroLanguageError(app, 3, "X.MAC", 11);
    EXPECT_EQ(host.BoxTexts().back(), "MacroLanguage Error (X.MAC): Unknown command at line 3.");
    EXPECT_EQ(host.boxes.back().buttons, Buttons::Abort);
    EXPECT_EQ(host.closeRequests, 2);
}

}  // namespace
}  // namespace korvex
