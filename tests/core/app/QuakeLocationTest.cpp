#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "app/QuakeLocation.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"
#include "support/ProgramDirFixture.h"

namespace korvex {
namespace {

std::string Question(const std::string& exe) { return "Is this your Quake II directory?\r\n\n" + exe; }

TEST(QuakeLocation, AStoredValidDirectoryStartsWithoutASearchWhateverTheGamesLetterCase) {
    ProgramDirFixture dir;
    std::filesystem::rename(dir.quakeDir() + "/QUAKE2.EXE", dir.quakeDir() + "/Quake2.exe");
    LoadQuakeDir(dir.app());
    EXPECT_EQ(dir.app().quakeDir, dir.quakeDir());
    EXPECT_TRUE(dir.host().statusTexts.empty());
    EXPECT_TRUE(dir.host().boxes.empty());
    EXPECT_FALSE(IsQuakeDir(dir.quakeDir() + "/baseq2"));
}

TEST(QuakeLocation, AStaleDirectoryIsSearchedAgainAndReplacedAfterConfirmation) {
    ProgramDirFixture dir;
    dir.WriteLines("quakepath.dat", {dir.root() + "/gone"});
    dir.host().Expect(Icon::Question, Question(dir.quakeDir() + "/QUAKE2.EXE"), Button::Yes);
    LoadQuakeDir(dir.app());
    EXPECT_EQ(dir.app().quakeDir, dir.quakeDir());
    EXPECT_EQ(dir.Read("quakepath.dat"), dir.quakeDir() + "\r\n");
    EXPECT_EQ(dir.host().statusTexts, std::vector<std::string>{"Please stand by while I search for Quake II"});
    EXPECT_FALSE(dir.host().statusOpen);
}

TEST(QuakeLocation, ASecondGameInTheSameTreeIsOfferedOnlyAfterTheFirstWasDeclined) {
    ProgramDirFixture dir;
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
    dir.host().Expect(Icon::Question, Question(first), Button::No);
    dir.host().Expect(Icon::Question, Question(second), Button::Yes);
    LoadQuakeDir(dir.app());
    EXPECT_EQ(dir.app().quakeDir, ParentDirectory(second));
    EXPECT_EQ(dir.Read("quakepath.dat"), ParentDirectory(second) + "\r\n");
}

TEST(QuakeLocation, DecliningEveryFindEndsTheProgramWithMessage11) {
    ProgramDirFixture dir;
    dir.Remove("quakepath.dat");
    dir.host().Expect(Icon::Question, Question(dir.quakeDir() + "/QUAKE2.EXE"), Button::No);
    LoadQuakeDir(dir.app());
    EXPECT_TRUE(dir.app().quakeDir.empty());
    EXPECT_TRUE(dir.app().shuttingDown);
    EXPECT_EQ(dir.host().BoxTexts().back(), "Quake II path not available. (Install Quake II first.)");
    EXPECT_FALSE(dir.Exists("quakepath.dat"));
}

TEST(QuakeLocation, TheSearchStopsAtADepthAndLetsTheWindowRepaint) {
    ProgramDirFixture dir;
    dir.Remove("quakepath.dat");
    std::string deep = dir.root() + "/deep";
    for (int level = 0; level < 13; ++level) deep += "/d";
    WriteWholeFile(deep + "/QUAKE2.EXE", "");
    dir.app().quakeSearchRoots = {dir.root() + "/deep"};
    LoadQuakeDir(dir.app());
    EXPECT_TRUE(dir.app().shuttingDown) << "no question about the game thirteen levels down";
    EXPECT_GE(dir.host().pendingEventRuns, 13);
    EXPECT_TRUE(IsLocalDirectory(dir.root()));
}

TEST(QuakeLocation, AnUnwritableLocationFileIsReportedAndTheFindStillUsed) {
    ProgramDirFixture dir;
    dir.Remove("quakepath.dat");
    std::filesystem::create_directories(dir.Path("quakepath.dat"));
    dir.host().Expect(Icon::Question, Question(dir.quakeDir() + "/QUAKE2.EXE"), Button::Yes);
    LoadQuakeDir(dir.app());
    EXPECT_EQ(dir.app().quakeDir, dir.quakeDir());
    EXPECT_EQ(dir.host().BoxTexts().back(), "Couldn't create file. (" + dir.Path("quakepath.dat") + ")");
    EXPECT_FALSE(dir.app().shuttingDown);
}

}  // namespace
}  // namespace korvex
