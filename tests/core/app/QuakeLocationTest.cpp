#include <gtest/gtest.h>

#include <filesystem>

#include "app/QuakeLocation.h"
#include "app/StartUp.h"
#include "install/InstallIdentification.h"
#include "install/ModInstallation.h"
#include "mods/Launcher.h"
#include "mods/ModIdentification.h"
#include "mods/ModMaintenance.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"
#include "support/ProgramDirTest.h"

namespace korvex {
namespace {

namespace fs = std::filesystem;
using Texts = std::vector<std::string>;

const std::string kNoGame =
    "Korvex runs without Quake II for now: launching the game, the MOD-Scan and installing MODs wait until you "
    "choose your Quake II directory with \"Browse...\" on the Options page.";
const std::string kInstallQuakeFirst = "Quake II path not available. (Install Quake II first.)";

std::string NoQuakeIn(const std::string& dir) {
    return "There is no Quake II in " + dir +
           ". A Quake II directory holds the game (QUAKE2.EXE, or quake2 on Linux) and its data in baseq2 (pak0.pak).";
}

// Besides the sample game, the search root holds a native game with its data, a built engine
// without any and a copy too deep for the search.
class QuakeLocation : public ProgramDirTest {
protected:
    QuakeLocation() {
        dir.Remove("quakepath.dat");
        WriteNativeGame(NativeGame(), "baseq2/PAK1.PAK");
        WriteNativeGame(EngineOnly(), "baseq2/game.so");
        std::string deep = dir.root() + "/deep";
        for (int level = 0; level < 13; ++level) deep += "/d";
        WriteWholeFile(deep + "/QUAKE2.EXE", "");
        WriteWholeFile(deep + "/baseq2/pak0.pak", "PACK");
    }
    std::string NativeGame() const { return dir.root() + "/games/yq2"; }
    std::string EngineOnly() const { return dir.root() + "/build/yq2"; }
    static void WriteNativeGame(const std::string& game, const std::string& data) {
        WriteWholeFile(game + "/quake2", "#!/bin/sh\n");
        fs::permissions(game + "/quake2", fs::perms::owner_exec, fs::perm_options::add);
        WriteWholeFile(JoinPath(game, data), "PACK");
    }
};

TEST_F(QuakeLocation, AStoredValidDirectoryStartsWithoutASearchWhateverTheGamesLetterCase) {
    dir.WriteLines("quakepath.dat", {dir.quakeDir()});
    fs::rename(dir.quakeDir() + "/QUAKE2.EXE", dir.quakeDir() + "/Quake2.exe");
    LoadQuakeDir(app.report, app.paths, app.quakeSearchRoots);
    EXPECT_EQ(app.paths.quakeDir, dir.quakeDir());
    EXPECT_TRUE(host.quakeSearchProgress.empty());
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_FALSE(IsQuakeDir(dir.quakeDir() + "/baseq2"));
}

// One window lists every game found, each once and sorted; a built engine without the game's
// data and a game below the search's depth are not among them. The search window shows where
// it is and how many it found, and closes.
TEST_F(QuakeLocation, AStaleDirectoryIsSearchedAndTheGameChosenFromTheListIsStored) {
    dir.WriteLines("quakepath.dat", {dir.root() + "/gone"});
    host.quakeDirAnswers.push_back({QuakeDirChoice::Found, NativeGame()});
    LoadQuakeDir(app.report, app.paths, app.quakeSearchRoots);
    ASSERT_EQ(host.quakeDirRequests.size(), 1u);
    EXPECT_EQ(host.quakeDirRequests[0].found, (Texts{NativeGame(), dir.quakeDir()}));
    EXPECT_EQ(app.paths.quakeDir, NativeGame());
    EXPECT_EQ(dir.Read("quakepath.dat"), NativeGame() + "\r\n");
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_FALSE(host.quakeSearchOpen);
    ASSERT_FALSE(host.quakeSearchProgress.empty());
    EXPECT_EQ(host.quakeSearchProgress.front().folder, dir.root());
    EXPECT_EQ(host.quakeSearchProgress.front().found, 0);
    EXPECT_EQ(host.quakeSearchProgress.back().found, 2);
    EXPECT_GE(host.quakeSearchProgress.size(), 13u) << "every folder is shown";
    EXPECT_FALSE(HoldsQuakeGame(EngineOnly()));
    EXPECT_TRUE(IsQuakeDir(EngineOnly()));
}

// Browse takes only a folder that holds the game; anything else is named and the list comes
// back. Cancel in the list starts Korvex without a game, which it says once.
TEST_F(QuakeLocation, NothingFoundLeavesBrowseOrCancel) {
    app.quakeSearchRoots = {dir.root() + "/build"};
    host.quakeDirAnswers = {{QuakeDirChoice::Browse, {}}, {QuakeDirChoice::Browse, {}}, {QuakeDirChoice::Browse, {}}};
    host.directoryAnswers = {{true, EngineOnly()}, {false, {}}, {true, dir.quakeDir() + "/"}};
    host.Expect(Icon::Error, NoQuakeIn(EngineOnly()), Button::Ok);
    LoadQuakeDir(app.report, app.paths, app.quakeSearchRoots);
    EXPECT_EQ(host.quakeDirRequests.size(), 3u);
    EXPECT_TRUE(host.quakeDirRequests[0].found.empty());
    EXPECT_EQ(app.paths.quakeDir, dir.quakeDir());
    EXPECT_EQ(dir.Read("quakepath.dat"), dir.quakeDir() + "\r\n");

    dir.Remove("quakepath.dat");
    host.quakeDirAnswers = {{QuakeDirChoice::Cancel, {}}};
    host.boxes.clear();
    LoadQuakeDir(app.report, app.paths, app.quakeSearchRoots);
    EXPECT_TRUE(app.paths.quakeDir.empty());
    EXPECT_FALSE(app.report.shuttingDown);
    EXPECT_EQ(host.BoxTexts(), Texts{kNoGame});
    EXPECT_EQ(host.boxes[0].icon, Icon::Information);
    EXPECT_FALSE(dir.Exists("quakepath.dat"));
}

// Cancel in the search window stops the walk at once; the list offers what was found so far.
TEST_F(QuakeLocation, ACancelledSearchStopsAtOnce) {
    host.cancelQuakeSearchAt = 1;
    host.quakeDirAnswers = {{QuakeDirChoice::Cancel, {}}};
    LoadQuakeDir(app.report, app.paths, app.quakeSearchRoots);
    EXPECT_EQ(host.quakeSearchProgress.size(), 1u);
    EXPECT_FALSE(host.quakeSearchOpen);
    ASSERT_EQ(host.quakeDirRequests.size(), 1u);
    EXPECT_TRUE(host.quakeDirRequests[0].found.empty());
    EXPECT_EQ(host.BoxTexts(), Texts{kNoGame});
}

TEST_F(QuakeLocation, AnUnwritableLocationFileIsReportedAndTheFindStillUsed) {
    fs::create_directories(dir.Path("quakepath.dat"));
    host.quakeDirAnswers.push_back({QuakeDirChoice::Found, dir.quakeDir()});
    LoadQuakeDir(app.report, app.paths, app.quakeSearchRoots);
    EXPECT_EQ(app.paths.quakeDir, dir.quakeDir());
    EXPECT_EQ(host.BoxTexts().back(), "Couldn't create file. (" + dir.Path("quakepath.dat") + ")");
    EXPECT_FALSE(app.report.shuttingDown);
}

// Without a game Korvex starts, says so once and skips the first start's MOD scan; whatever
// needs the game refuses with message 11 and writes nothing.
TEST_F(QuakeLocation, WithoutAGameKorvexStartsAndWhatNeedsTheGameRefuses) {
    dir.Write("korvex.ini", "");
    app.quakeSearchRoots = {dir.root() + "/build"};
    host.quakeDirAnswers = {{QuakeDirChoice::Cancel, {}}};
    StartUp(app);
    EXPECT_TRUE(host.mainWindowShown);
    EXPECT_TRUE(app.firstRun);
    EXPECT_FALSE(app.report.shuttingDown);
    EXPECT_EQ(app.currentPlayerName, "Player");
    ASSERT_EQ(host.boxes.size(), 2u);  // the message, then the welcome; no MOD scan
    EXPECT_EQ(host.boxes[0].text, kNoGame);

    dir.WriteLines("mods/ctf", {"Capture The Flag (CTF)", "1", "Player", "TRUE", "TRUE", "", "", "0"});
    const auto before = dir.Snapshot();
    host.boxes.clear();
    EXPECT_FALSE(LaunchPlayer(app, "Capture The Flag (CTF)", "Player"));
    RunCompleteModScan(app, true);
    InstallNewMODButtonClick(app);
    AddExistingMODBtnClick(app);
    EXPECT_FALSE(RemoveMod(app.report, app.paths, app.modTree, "Capture The Flag (CTF)", true));
    EXPECT_FALSE(RenameMod(app.report, app.paths, app.modTree, "Capture The Flag (CTF)", "Flag", "flag"));
    EXPECT_EQ(host.BoxTexts(), Texts(6, kInstallQuakeFirst));
    EXPECT_EQ(dir.Snapshot(), before);
    EXPECT_FALSE(fs::exists("/korvex"));
}

}  // namespace
}  // namespace korvex
