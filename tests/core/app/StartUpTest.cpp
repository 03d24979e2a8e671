#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>

#include "app/InstanceGuard.h"
#include "app/Messages.h"
#include "app/StartUp.h"
#include "mods/ModTree.h"
#include "support/ProgramDirTest.h"
#include "support/RunProgram.h"

namespace korvex {
namespace {

using StartUpTest = ProgramDirTest;

using Texts = std::vector<std::string>;
using Messages = ProgramDirTest;

const std::string kSecondCopy =
    "Cannot run a second copy of Korvex. (If no second copy is active your system might be crashed before. "
    "Then please select Ignore.)";

TEST_F(StartUpTest, ASecondInstanceCancelledTouchesNothingAndIgnoredStartsAndRemovesTheMarkerAtExit) {
    dir.Write("INKORVEX.INF", "");
    dir.WriteLines("backup/backup.dat", {"/somewhere/config.cfg"});
    dir.WriteLines("backup/delete.dat", {"/somewhere/autoexec.cfg"});
    dir.WriteLines("korvexoptions.dat", {"FALSE", "TRUE", "FALSE", "TRUE"});
    const auto before = dir.Snapshot();
    host.Expect(Icon::Error, kSecondCopy, Button::Cancel);
    EXPECT_FALSE(RunInstanceGuard(app.report, app.executablePath));
    EXPECT_EQ(dir.Snapshot(), before);

    ProgramDirFixture ignored;
    ignored.Write("INKORVEX.INF", "");
    ignored.host().Expect(Icon::Error, kSecondCopy, Button::Ignore);
    ASSERT_TRUE(RunInstanceGuard(ignored.app().report, ignored.app().executablePath));
    StartUp(ignored.app());
    EXPECT_TRUE(ignored.host().mainWindowShown);
    ExitProgram(ignored.app());
    EXPECT_FALSE(ignored.Exists("INKORVEX.INF"));
    EXPECT_EQ(ignored.host().boxes.size(), 1u);
}

// The marker names the running Korvex; one whose process has ended blocks nothing, one
// without a process id (as older copies write it) still does. The window asks as it always did.
TEST_F(StartUpTest, TheMarkerNamesTheRunningKorvexAndAStaleOneBlocksNothing) {
    const std::string own = std::to_string(::getpid());
    ASSERT_TRUE(RunInstanceGuard(app.report, app.executablePath));
    EXPECT_EQ(dir.Read("INKORVEX.INF"), own + "\r\n");
    EXPECT_TRUE(OtherInstanceRunning(app.executablePath));
    EXPECT_FALSE(InstanceMarkerIsStale(app.executablePath));

    dir.Write("INKORVEX.INF", "");
    EXPECT_TRUE(OtherInstanceRunning(app.executablePath));
    EXPECT_FALSE(InstanceMarkerIsStale(app.executablePath));

    dir.WriteLines("INKORVEX.INF", {std::to_string(EndedProcessId())});
    EXPECT_FALSE(OtherInstanceRunning(app.executablePath));
    EXPECT_TRUE(InstanceMarkerIsStale(app.executablePath));
    host.Expect(Icon::Error, kSecondCopy, Button::Cancel);
    EXPECT_FALSE(RunInstanceGuard(app.report, app.executablePath));
    host.Expect(Icon::Error, kSecondCopy, Button::Ignore);
    EXPECT_TRUE(RunInstanceGuard(app.report, app.executablePath));
    EXPECT_EQ(dir.Read("INKORVEX.INF"), own + "\r\n");
}

TEST_F(StartUpTest, NormalRunShowsTheLoadingStepsInOrderAndSavesAtExit) {
    dir.WriteLines("korvexoptions.dat", {"TRUE", "FALSE", "TRUE", "TRUE"});
    ASSERT_TRUE(RunInstanceGuard(app.report, app.executablePath));
    EXPECT_TRUE(dir.Exists("INKORVEX.INF"));
    StartUp(app);
    EXPECT_EQ(host.statusTexts,
              (Texts{"Adding macros...", "Loading Player-CFG...", "Adding Player-Models...", "Adding modifications..."}));
    EXPECT_FALSE(host.statusOpen);
    EXPECT_EQ(app.currentPlayerName, "Player");
    EXPECT_TRUE(host.boxes.empty());

    dir.Remove("players/lastplayer.dat");
    app.options.quitAfterLaunching = true;
    ExitProgram(app);
    EXPECT_EQ(dir.Read("players/lastplayer.dat"), "Player\r\n");
    EXPECT_EQ(dir.Read("korvexoptions.dat"), "TRUE\r\nTRUE\r\nTRUE\r\nTRUE\r\n");
    EXPECT_FALSE(dir.Exists("INKORVEX.INF"));
}

TEST_F(StartUpTest, TheDisclaimerRejectedEndsSilentlyAndAcceptedWelcomesOnce) {
    dir.Write("korvex.ini", "");
    host.disclaimerAccepted = false;
    RunInstanceGuard(app.report, app.executablePath);
    StartUp(app);
    EXPECT_EQ(host.disclaimerShown, 1);
    EXPECT_EQ(host.closeRequests, 1);
    EXPECT_FALSE(host.mainWindowShown);
    EXPECT_TRUE(host.boxes.empty());
    const auto before = dir.Snapshot();
    ExitProgram(app);
    EXPECT_TRUE(dir.Exists("korvex.ini"));
    EXPECT_FALSE(dir.Exists("INKORVEX.INF"));
    EXPECT_EQ(dir.Snapshot().size() + 1, before.size());  // only the marker went

    // The first start scans the Quake II directory; the sample tree's detection files know its MODs,
    // the base directory enters as the game itself, and the Player-CFG is offered for all three.
    ProgramDirFixture accepted;
    accepted.Write("korvex.ini", "");
    std::filesystem::copy(KORVEX_DATA_DIR "/../tests/fixtures/automod", accepted.Path("automod"));
    for (const char* mod : {"arena/ as Arena (beta)", "ctf/ as Capture The Flag"})
        accepted.host().Expect(Icon::Question,
                               "Korvex identified the modification located in " + accepted.quakeDir() + "/" + mod +
                                   ". Is this correct?",
                               Button::Yes);
    accepted.host().Expect(Icon::Question,
                           "Would you like to assign the Player-CFG 'Player' to these modifications, so that you can "
                           "launch Quake II with it at once?\r\n\r\nArena (beta) (ARENA)\r\nCapture The Flag "
                           "(CTF)\r\nQuake II (BASEQ2)",
                           Button::Yes);
    StartUp(accepted.app());
    EXPECT_TRUE(accepted.app().firstRun);
    EXPECT_FALSE(accepted.Exists("korvex.ini"));
    ASSERT_EQ(accepted.app().modTree.mods.size(), 3u);
    EXPECT_EQ(accepted.app().modTree.mods[0].text, "Arena (beta) (ARENA)");
    for (const ModNode& mod : accepted.app().modTree.mods) EXPECT_EQ(mod.players, Texts{"Player"}) << mod.text;
    EXPECT_EQ(accepted.Read("mods/baseq2"),
              JoinLines({"Quake II (BASEQ2)", "1", "Player", "TRUE", "TRUE", "", "", "0"}));
    ASSERT_EQ(accepted.host().boxes.size(), 4u);
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

TEST_F(StartUpTest, MissingLastPlayerIsFatalAndNothingIsSaved) {
    dir.WriteLines("korvexoptions.dat", {"FALSE", "FALSE", "FALSE", "FALSE"});
    dir.Remove("players/lastplayer.dat");
    RunInstanceGuard(app.report, app.executablePath);
    StartUp(app);
    EXPECT_EQ(host.BoxTexts(), Texts{"Initialization failed. (You should re-install the program.)"});
    EXPECT_TRUE(app.report.shuttingDown);
    ExitProgram(app);
    EXPECT_EQ(dir.Read("korvexoptions.dat"), "FALSE\r\nFALSE\r\nFALSE\r\nFALSE\r\n");
    EXPECT_FALSE(dir.Exists("players/lastplayer.dat"));
    EXPECT_FALSE(dir.Exists("INKORVEX.INF"));
}

TEST_F(StartUpTest, ProgramOptionsRoundTripAndAShortMissingOrUnwritableFileIsHandled) {
    const std::pair<Texts, std::string> cases[] = {{{"true", "TrUe"}, "TRUE\r\nTRUE\r\nFALSE\r\nFALSE\r\n"},
                                                   {{"FALSE", "TRUE", "FALSE", "TRUE"}, "FALSE\r\nTRUE\r\nFALSE\r\nTRUE\r\n"}};
    for (const auto& [lines, saved] : cases) {
        dir.WriteLines("korvexoptions.dat", lines);
        LoadProgramOptions(app);
        dir.Remove("korvexoptions.dat");
        SaveProgramOptions(app);
        EXPECT_EQ(dir.Read("korvexoptions.dat"), saved);
    }

    // A missing file is reported and the defaults stay; a directory where the file belongs
    // cannot be replaced.
    dir.Remove("korvexoptions.dat");
    app.options = {};
    LoadProgramOptions(app);
    EXPECT_EQ(host.BoxTexts().back(), "Couldn't open file. (" + dir.Path("korvexoptions.dat") + ")");
    EXPECT_TRUE(app.options.showHints);
    EXPECT_FALSE(app.options.quitAfterLaunching);
    std::filesystem::create_directories(dir.Path("korvexoptions.dat"));
    SaveProgramOptions(app);
    EXPECT_EQ(host.BoxTexts().back(), "Couldn't create file. (" + dir.Path("korvexoptions.dat") + ")");
}

TEST_F(StartUpTest, UncreatableModsDirectoryIsFatal) {
    dir.Remove("mods");
    dir.Write("mods", "a file where the directory belongs");
    StartUp(app);
    EXPECT_TRUE(app.report.shuttingDown);
    EXPECT_EQ(host.BoxTexts(), Texts{"Couldn't create directory. (" + dir.Path("mods") + ")"});
    EXPECT_FALSE(host.mainWindowShown);
}

TEST_F(StartUpTest, ExecutablePathWithoutSeparatorIsAMacroLanguageError) {
    app.executablePath = "korvex";
    StartUp(app);
    EXPECT_EQ(host.BoxTexts(), Texts{"MacroLanguage Error (Initialization): Invalid installation directory."});
    EXPECT_TRUE(app.report.shuttingDown);
}

TEST_F(Messages, FatalAndMacroLanguageReportsCloseTheProgram) {
    app.report.ShowError(Err::CouldntLoadFile, "a");
    EXPECT_FALSE(app.report.shuttingDown);
    EXPECT_EQ(host.closeRequests, 0);

    app.report.FatalError(Err::InitializationFailed, "disk full?");
    EXPECT_TRUE(app.report.shuttingDown);
    EXPECT_EQ(host.closeRequests, 1);

    app.report.MacroLanguageError(3, "X.MAC", 11);
    EXPECT_EQ(host.BoxTexts().back(), "MacroLanguage Error (X.MAC): Unknown command at line 3.");
    EXPECT_EQ(host.boxes.back().buttons, Buttons::Abort);
    EXPECT_EQ(host.closeRequests, 2);
}

}  // namespace
}  // namespace korvex
