#include <gtest/gtest.h>

#include "app/Messages.h"
#include "support/ProgramDirFixture.h"

namespace korvex {
namespace {

TEST(Messages, FatalAndMacroLanguageReportsCloseTheProgram) {
    ProgramDirFixture dir;
    ShowError(dir.app(), Err::CouldntLoadFile, "a");
    EXPECT_FALSE(dir.app().shuttingDown);
    EXPECT_EQ(dir.host().closeRequests, 0);

    FatalError(dir.app(), Err::InitializationFailed, "disk full?");
    EXPECT_TRUE(dir.app().shuttingDown);
    EXPECT_EQ(dir.host().closeRequests, 1);

    MacroLanguageError(dir.app(), 3, "X.MAC", 11);
    EXPECT_EQ(dir.host().BoxTexts().back(), "MacroLanguage Error (X.MAC): Unknown command at line 3.");
    EXPECT_EQ(dir.host().boxes.back().buttons, Buttons::Abort);
    EXPECT_EQ(dir.host().closeRequests, 2);
}

}  // namespace
}  // namespace korvex
