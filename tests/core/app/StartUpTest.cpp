#include <gtest/gtest.h>

#include <filesystem>

#include "app/InstanceGuard.h"
#include "app/StartUp.h"
#include "support/ProgramDirFixture.h"

namespace korvex {
namespace {

const std::string kSecondCopy =
    "Cannot run a second copy of Korvex. (If no second copy is active your system might be crashed before. "
    "Then please select Ignore.)";

TEST(StartUp, SecondInstanceCancelledTouchesNothing) {
    ProgramDirFixture dir;
    dir.Write("INKORVEX.INF", "");
    dir.WriteLines("backup/backup.dat", {"/somewhere/config.cfg"});
    dir.WriteLines("backup/delete.dat", {"/somewhere/autoexec.cfg"});
    dir.WriteLines("korvexoptions.dat", {"FALSE", "TRUE", "FALSE", "TRUE"});
    const auto before = dir.Snapshot();
    dir.host().Expect(Icon::Error, kSecondCopy, Button::Cancel);
    EXPECT_FALSE(RunInstanceGuard(dir.app()));
    EXPECT_EQ(dir.Snapshot(), before);
}

TEST(StartUp, SecondInstanceIgnoredStartsAndRemovesTheMarkerAtExit) {
    ProgramDirFixture dir;
    dir.Write("INKORVEX.INF", "");
    dir.WriteLines("korvexoptions.dat", {"TRUE", "FALSE", "TRUE", "TRUE"});
    dir.host().Expect(Icon::Error, kSecondCopy, Button::Ignore);
    ASSERT_TRUE(RunInstanceGuard(dir.app()));
    StartUp(dir.app());
    EXPECT_TRUE(dir.host().mainWindowShown);
    EXPECT_EQ(dir.app().currentPlayerName, "Player");
    ExitProgram(dir.app());
    EXPECT_FALSE(dir.Exists("INKORVEX.INF"));
    EXPECT_EQ(dir.host().boxes.size(), 1u);
}

TEST(StartUp, NormalRunShowsTheLoadingStepsInOrderAndSavesAtExit) {
    ProgramDirFixture dir;
    dir.WriteLines("korvexoptions.dat", {"TRUE", "FALSE", "TRUE", "TRUE"});
    ASSERT_TRUE(RunInstanceGuard(dir.app()));
    EXPECT_TRUE(dir.Exists("INKORVEX.INF"));
    StartUp(dir.app());
    EXPECT_EQ(dir.host().statusTexts, (std::vector<std::string>{"Adding macros...", "Loading Player-CFG...",
                                                                "Adding Player-Models...", "Adding modifications..."}));
    EXPECT_FALSE(dir.host().statusOpen);
    EXPECT_EQ(dir.app().view.caption, "Korvex v0.855\xDF - Player");
    EXPECT_TRUE(dir.host().boxes.empty());

    dir.Remove("players/lastplayer.dat");
    dir.app().options.quitAfterLaunching = true;
    ExitProgram(dir.app());
    EXPECT_EQ(dir.Read("players/lastplayer.dat"), "Player\r\n");
    EXPECT_EQ(dir.Read("korvexoptions.dat"), "TRUE\r\nTRUE\r\nTRUE\r\nTRUE\r\n");
    EXPECT_FALSE(dir.Exists("INKORVEX.INF"));
}

TEST(StartUp, RejectedDisclaimerEndsSilentlyAndKeepsTheFirstRunMarker) {
    ProgramDirFixture dir;
    dir.Write("korvex.ini", "");
    dir.WriteLines("korvexoptions.dat", {"TRUE", "FALSE", "TRUE", "TRUE"});
    dir.host().disclaimerAccepted = false;
    RunInstanceGuard(dir.app());
    StartUp(dir.app());
    EXPECT_EQ(dir.host().disclaimerShown, 1);
    EXPECT_TRUE(dir.app().shuttingDown);
    EXPECT_EQ(dir.host().closeRequests, 1);
    EXPECT_FALSE(dir.host().mainWindowShown);
    EXPECT_TRUE(dir.host().boxes.empty());
    const auto before = dir.Snapshot();
    ExitProgram(dir.app());
    EXPECT_TRUE(dir.Exists("korvex.ini"));
    EXPECT_FALSE(dir.Exists("INKORVEX.INF"));
    auto after = dir.Snapshot();
    EXPECT_EQ(after.size() + 1, before.size());  // only the marker went
}

TEST(StartUp, AcceptedDisclaimerWelcomesOnceAndMarksTheFirstRun) {
    ProgramDirFixture dir;
    dir.Write("korvex.ini", "");
    dir.WriteLines("korvexoptions.dat", {"TRUE", "FALSE", "TRUE", "TRUE"});
    StartUp(dir.app());
    EXPECT_TRUE(dir.app().firstRun);
    EXPECT_FALSE(dir.Exists("korvex.ini"));
    ASSERT_EQ(dir.host().boxes.size(), 1u);
    EXPECT_EQ(dir.host().boxes[0].icon, Icon::Information);
    EXPECT_EQ(dir.host().boxes[0].text.rfind("Welcome to Korvex!\r\n\nYou have started Korvex for the first time", 0), 0u);

    FakeHost secondHost;
    Korvex second(secondHost);
    second.executablePath = dir.app().executablePath;
    StartUp(second);
    EXPECT_FALSE(second.firstRun);
    EXPECT_EQ(secondHost.disclaimerShown, 0);
    EXPECT_TRUE(secondHost.boxes.empty());
}

TEST(StartUp, MissingLastPlayerIsFatalAndNothingIsSaved) {
    ProgramDirFixture dir;
    dir.WriteLines("korvexoptions.dat", {"FALSE", "FALSE", "FALSE", "FALSE"});
    dir.Remove("players/lastplayer.dat");
    RunInstanceGuard(dir.app());
    StartUp(dir.app());
    ASSERT_EQ(dir.host().boxes.size(), 1u);
    EXPECT_EQ(dir.host().boxes[0].text, "Initialization failed. (You should re-install the program.)");
    EXPECT_TRUE(dir.app().shuttingDown);
    ExitProgram(dir.app());
    EXPECT_EQ(dir.Read("korvexoptions.dat"), "FALSE\r\nFALSE\r\nFALSE\r\nFALSE\r\n");
    EXPECT_FALSE(dir.Exists("players/lastplayer.dat"));
    EXPECT_FALSE(dir.Exists("INKORVEX.INF"));
}

TEST(StartUp, ProgramOptionsReadLineByLineWithMissingLinesUnchecked) {
    ProgramDirFixture dir;
    dir.WriteLines("korvexoptions.dat", {"true", "TrUe"});
    LoadProgramOptions(dir.app());
    EXPECT_TRUE(dir.app().options.showHints);
    EXPECT_TRUE(dir.app().options.quitAfterLaunching);
    EXPECT_FALSE(dir.app().options.warnMultipleFunctionsWithinCfg);
    EXPECT_FALSE(dir.app().options.warnMultipleFunctionsByInheritance);

    dir.app().options = {false, true, false, true};
    SaveProgramOptions(dir.app());
    dir.app().options = {};
    LoadProgramOptions(dir.app());
    EXPECT_FALSE(dir.app().options.showHints);
    EXPECT_TRUE(dir.app().options.quitAfterLaunching);
    EXPECT_FALSE(dir.app().options.warnMultipleFunctionsWithinCfg);
    EXPECT_TRUE(dir.app().options.warnMultipleFunctionsByInheritance);
}

TEST(StartUp, MissingOrUnwritableOptionsFileIsReportedAndDefaultsStay) {
    ProgramDirFixture dir;
    dir.Remove("korvexoptions.dat");
    LoadProgramOptions(dir.app());
    EXPECT_EQ(dir.host().BoxTexts().back(), "Couldn't open file. (" + dir.Path("korvexoptions.dat") + ")");
    EXPECT_TRUE(dir.app().options.showHints);
    EXPECT_FALSE(dir.app().options.quitAfterLaunching);

    // A directory standing where the file belongs cannot be replaced.
    std::filesystem::create_directories(dir.Path("korvexoptions.dat"));
    SaveProgramOptions(dir.app());
    EXPECT_EQ(dir.host().BoxTexts().back(), "Couldn't create file. (" + dir.Path("korvexoptions.dat") + ")");
}

TEST(StartUp, UncreatableModsDirectoryIsFatal) {
    ProgramDirFixture dir;
    dir.Remove("mods");
    dir.Write("mods", "a file where the directory belongs");
    StartUp(dir.app());
    EXPECT_TRUE(dir.app().shuttingDown);
    EXPECT_EQ(dir.host().BoxTexts(), std::vector<std::string>{"Couldn't create directory. (" + dir.Path("mods") + ")"});
    EXPECT_FALSE(dir.host().mainWindowShown);
}

TEST(StartUp, ExecutablePathWithoutSeparatorIsAMacroLanguageError) {
    ProgramDirFixture dir;
    dir.app().executablePath = "korvex";
    StartUp(dir.app());
    EXPECT_EQ(dir.host().BoxTexts(),
              std::vector<std::string>{"MacroLanguage Error (Initialization): Invalid installation directory."});
    EXPECT_TRUE(dir.app().shuttingDown);
}

}  // namespace
}  // namespace korvex
