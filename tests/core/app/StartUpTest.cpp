#include <gtest/gtest.h>

#include <filesystem>

#include "app/InstanceGuard.h"
#include "app/StartUp.h"
#include "support/ProgramDirFixture.h"

namespace korvex {
namespace {

using Texts = std::vector<std::string>;

const std::string kSecondCopy =
    "Cannot run a second copy of Korvex. (If no second copy is active your system might be crashed before. "
    "Then please select Ignore.)";

TEST(StartUp, ASecondInstanceCancelledTouchesNothingAndIgnoredStartsAndRemovesTheMarkerAtExit) {
    ProgramDirFixture cancelled;
    cancelled.Write("INKORVEX.INF", "");
    cancelled.WriteLines("backup/backup.dat", {"/somewhere/config.cfg"});
    cancelled.WriteLines("backup/delete.dat", {"/somewhere/autoexec.cfg"});
    cancelled.WriteLines("korvexoptions.dat", {"FALSE", "TRUE", "FALSE", "TRUE"});
    const auto before = cancelled.Snapshot();
    cancelled.host().Expect(Icon::Error, kSecondCopy, Button::Cancel);
    EXPECT_FALSE(RunInstanceGuard(cancelled.app()));
    EXPECT_EQ(cancelled.Snapshot(), before);

    ProgramDirFixture ignored;
    ignored.Write("INKORVEX.INF", "");
    ignored.host().Expect(Icon::Error, kSecondCopy, Button::Ignore);
    ASSERT_TRUE(RunInstanceGuard(ignored.app()));
    StartUp(ignored.app());
    EXPECT_TRUE(ignored.host().mainWindowShown);
    ExitProgram(ignored.app());
    EXPECT_FALSE(ignored.Exists("INKORVEX.INF"));
    EXPECT_EQ(ignored.host().boxes.size(), 1u);
}

TEST(StartUp, NormalRunShowsTheLoadingStepsInOrderAndSavesAtExit) {
    ProgramDirFixture dir;
    dir.WriteLines("korvexoptions.dat", {"TRUE", "FALSE", "TRUE", "TRUE"});
    ASSERT_TRUE(RunInstanceGuard(dir.app()));
    EXPECT_TRUE(dir.Exists("INKORVEX.INF"));
    StartUp(dir.app());
    EXPECT_EQ(dir.host().statusTexts,
              (Texts{"Adding macros...", "Loading Player-CFG...", "Adding Player-Models...", "Adding modifications..."}));
    EXPECT_FALSE(dir.host().statusOpen);
    EXPECT_EQ(dir.app().currentPlayerName, "Player");
    EXPECT_TRUE(dir.host().boxes.empty());

    dir.Remove("players/lastplayer.dat");
    dir.app().options.quitAfterLaunching = true;
    ExitProgram(dir.app());
    EXPECT_EQ(dir.Read("players/lastplayer.dat"), "Player\r\n");
    EXPECT_EQ(dir.Read("korvexoptions.dat"), "TRUE\r\nTRUE\r\nTRUE\r\nTRUE\r\n");
    EXPECT_FALSE(dir.Exists("INKORVEX.INF"));
}

TEST(StartUp, TheDisclaimerRejectedEndsSilentlyAndAcceptedWelcomesOnce) {
    ProgramDirFixture rejected;
    rejected.Write("korvex.ini", "");
    rejected.host().disclaimerAccepted = false;
    RunInstanceGuard(rejected.app());
    StartUp(rejected.app());
    EXPECT_EQ(rejected.host().disclaimerShown, 1);
    EXPECT_EQ(rejected.host().closeRequests, 1);
    EXPECT_FALSE(rejected.host().mainWindowShown);
    EXPECT_TRUE(rejected.host().boxes.empty());
    const auto before = rejected.Snapshot();
    ExitProgram(rejected.app());
    EXPECT_TRUE(rejected.Exists("korvex.ini"));
    EXPECT_FALSE(rejected.Exists("INKORVEX.INF"));
    EXPECT_EQ(rejected.Snapshot().size() + 1, before.size());  // only the marker went

    // The first start scans the Quake II directory; the sample tree's detection files know its MODs.
    ProgramDirFixture accepted;
    accepted.Write("korvex.ini", "");
    std::filesystem::copy(KORVEX_DATA_DIR "/../tests/fixtures/automod", accepted.Path("automod"));
    for (const char* mod : {"arena/ as Arena (beta)", "ctf/ as Capture The Flag"})
        accepted.host().Expect(Icon::Question,
                               "Korvex identified the modification located in " + accepted.quakeDir() + "/" + mod +
                                   ". Is this correct?",
                               Button::Yes);
    StartUp(accepted.app());
    EXPECT_TRUE(accepted.app().firstRun);
    EXPECT_FALSE(accepted.Exists("korvex.ini"));
    ASSERT_EQ(accepted.app().modTree.mods.size(), 2u);
    EXPECT_EQ(accepted.app().modTree.mods[0].text, "Arena (beta) (ARENA)");
    ASSERT_EQ(accepted.host().boxes.size(), 3u);
    EXPECT_EQ(accepted.host().boxes[0].icon, Icon::Information);
    EXPECT_EQ(accepted.host().boxes[0].text.rfind("Welcome to Korvex!\r\n\nYou have started Korvex for the first time", 0), 0u);

    FakeHost secondHost;
    Korvex second(secondHost);
    second.executablePath = accepted.app().executablePath;
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
    EXPECT_EQ(dir.host().BoxTexts(), Texts{"Initialization failed. (You should re-install the program.)"});
    EXPECT_TRUE(dir.app().shuttingDown);
    ExitProgram(dir.app());
    EXPECT_EQ(dir.Read("korvexoptions.dat"), "FALSE\r\nFALSE\r\nFALSE\r\nFALSE\r\n");
    EXPECT_FALSE(dir.Exists("players/lastplayer.dat"));
    EXPECT_FALSE(dir.Exists("INKORVEX.INF"));
}

TEST(StartUp, ProgramOptionsRoundTripAndAShortFileLeavesTheRestUnchecked) {
    ProgramDirFixture dir;
    const std::pair<Texts, std::string> cases[] = {{{"true", "TrUe"}, "TRUE\r\nTRUE\r\nFALSE\r\nFALSE\r\n"},
                                                   {{"FALSE", "TRUE", "FALSE", "TRUE"}, "FALSE\r\nTRUE\r\nFALSE\r\nTRUE\r\n"}};
    for (const auto& [lines, saved] : cases) {
        dir.WriteLines("korvexoptions.dat", lines);
        LoadProgramOptions(dir.app());
        dir.Remove("korvexoptions.dat");
        SaveProgramOptions(dir.app());
        EXPECT_EQ(dir.Read("korvexoptions.dat"), saved);
    }
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
    EXPECT_EQ(dir.host().BoxTexts(), Texts{"Couldn't create directory. (" + dir.Path("mods") + ")"});
    EXPECT_FALSE(dir.host().mainWindowShown);
}

TEST(StartUp, ExecutablePathWithoutSeparatorIsAMacroLanguageError) {
    ProgramDirFixture dir;
    dir.app().executablePath = "korvex";
    StartUp(dir.app());
    EXPECT_EQ(dir.host().BoxTexts(), Texts{"MacroLanguage Error (Initialization): Invalid installation directory."});
    EXPECT_TRUE(dir.app().shuttingDown);
}

}  // namespace
}  // namespace korvex
