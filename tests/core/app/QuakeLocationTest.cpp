#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "app/QuakeLocation.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"
#include "support/ProgramDirTest.h"

namespace korvex {
namespace {

using QuakeLocation = ProgramDirTest;

std::string Question(const std::string& exe) { return "Is this your Quake II directory?\r\n\n" + exe; }

TEST_F(QuakeLocation, AStoredValidDirectoryStartsWithoutASearchWhateverTheGamesLetterCase) {
    std::filesystem::rename(dir.quakeDir() + "/QUAKE2.EXE", dir.quakeDir() + "/Quake2.exe");
    LoadQuakeDir(app.report, app.paths, app.quakeSearchRoots);
    EXPECT_EQ(app.paths.quakeDir, dir.quakeDir());
    EXPECT_TRUE(host.statusTexts.empty());
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_FALSE(IsQuakeDir(dir.quakeDir() + "/baseq2"));
}

TEST_F(QuakeLocation, AStaleDirectoryIsSearchedAgainAndReplacedAfterConfirmation) {
    dir.WriteLines("quakepath.dat", {dir.root() + "/gone"});
    host.Expect(Icon::Question, Question(dir.quakeDir() + "/QUAKE2.EXE"), Button::Yes);
    LoadQuakeDir(app.report, app.paths, app.quakeSearchRoots);
    EXPECT_EQ(app.paths.quakeDir, dir.quakeDir());
    EXPECT_EQ(dir.Read("quakepath.dat"), dir.quakeDir() + "\r\n");
    EXPECT_EQ(host.statusTexts, std::vector<std::string>{"Please stand by while I search for Quake II"});
    EXPECT_FALSE(host.statusOpen);
}

TEST_F(QuakeLocation, ASecondGameInTheSameTreeIsOfferedOnlyAfterTheFirstWasDeclined) {
    dir.Remove("quakepath.dat");
    const std::string top = dir.quakeDir() + "/QUAKE2.EXE";
    const std::string deeper = dir.quakeDir() + "/ctf/old/quake2.exe";
    WriteWholeFile(deeper, "");
    // The walk follows the file system's listing order, so either may come first.
    const std::vector<DirEntry> entries = ListDirectory(dir.quakeDir());
    const bool topFirst = std::find_if(entries.begin(), entries.end(), [](const DirEntry& e) {
                              return e.name == "QUAKE2.EXE" || e.name == "ctf";
                          })->name == "QUAKE2.EXE";
    const std::string first = topFirst ? top : deeper;
    const std::string second = topFirst ? deeper : top;
    host.Expect(Icon::Question, Question(first), Button::No);
    host.Expect(Icon::Question, Question(second), Button::Yes);
    LoadQuakeDir(app.report, app.paths, app.quakeSearchRoots);
    EXPECT_EQ(app.paths.quakeDir, ParentDirectory(second));
    EXPECT_EQ(dir.Read("quakepath.dat"), ParentDirectory(second) + "\r\n");
}

TEST_F(QuakeLocation, DecliningEveryFindEndsTheProgramWithMessage11) {
    dir.Remove("quakepath.dat");
    host.Expect(Icon::Question, Question(dir.quakeDir() + "/QUAKE2.EXE"), Button::No);
    LoadQuakeDir(app.report, app.paths, app.quakeSearchRoots);
    EXPECT_TRUE(app.paths.quakeDir.empty());
    EXPECT_TRUE(app.report.shuttingDown);
    EXPECT_EQ(host.BoxTexts().back(), "Quake II path not available. (Install Quake II first.)");
    EXPECT_FALSE(dir.Exists("quakepath.dat"));
}

TEST_F(QuakeLocation, TheSearchStopsAtADepthAndLetsTheWindowRepaint) {
    dir.Remove("quakepath.dat");
    std::string deep = dir.root() + "/deep";
    for (int level = 0; level < 13; ++level) deep += "/d";
    WriteWholeFile(deep + "/QUAKE2.EXE", "");
    app.quakeSearchRoots = {dir.root() + "/deep"};
    LoadQuakeDir(app.report, app.paths, app.quakeSearchRoots);
    EXPECT_TRUE(app.report.shuttingDown) << "no question about the game thirteen levels down";
    EXPECT_GE(host.pendingEventRuns, 13);
    EXPECT_TRUE(IsLocalDirectory(dir.root()));
}

TEST_F(QuakeLocation, AnUnwritableLocationFileIsReportedAndTheFindStillUsed) {
    dir.Remove("quakepath.dat");
    std::filesystem::create_directories(dir.Path("quakepath.dat"));
    host.Expect(Icon::Question, Question(dir.quakeDir() + "/QUAKE2.EXE"), Button::Yes);
    LoadQuakeDir(app.report, app.paths, app.quakeSearchRoots);
    EXPECT_EQ(app.paths.quakeDir, dir.quakeDir());
    EXPECT_EQ(host.BoxTexts().back(), "Couldn't create file. (" + dir.Path("quakepath.dat") + ")");
    EXPECT_FALSE(app.report.shuttingDown);
}

}  // namespace
}  // namespace korvex
