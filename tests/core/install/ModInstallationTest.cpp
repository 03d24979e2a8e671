#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <thread>

#include "app/PendingOperation.h"
#include "app/Recovery.h"
#include "install/InstallIdentification.h"
#include "install/ModFilesMove.h"
#include "install/ModInstallation.h"
#include "install/NewFileSearch.h"
#include "mods/ModCatalogue.h"
#include "mods/ModManifest.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"
#include "support/ProgramDirTest.h"
#include "support/ZipBuilder.h"

namespace korvex {
namespace {

namespace fs = std::filesystem;
using NewFileSearch = ProgramDirTest;

const char* kAutodetectionFailed = "Couldn't auto-detect any modification. (Autodetection failed)";

class InstallTest : public ProgramDirTest {
protected:
    InstallTest() {
        dir.Remove("automod");
        fs::create_directories(dir.Path("automod"));
        app.paths.quakeDir = dir.quakeDir();
        dir.WriteLines("automod/Capture The Flag", {"ctf", "pak0.pak=4"});
    }
    std::string Download(const std::string& name) const { return JoinPath(dir.root(), "downloads/" + name); }
    std::vector<std::string> TreeTexts() { return ModTreeTexts(app.modTree); }
    void Install(const std::vector<std::string>& files) {
        app.install.fileList.assign(files.begin(), files.end());
        ASSERT_TRUE(StartInstallation(app));
        host.RunPosted();
    }
    void ExpectCorrect(const std::string& mod, Button answer) {
        host.Expect(Icon::Question, "Korvex identified this modification as " + mod + ". Is this correct?", answer);
    }
    void ExpectInstalled(const std::string& mod) {
        host.Expect(Icon::Information, "Modification '" + mod + "' has been correctly installed.", Button::Ok);
    }
    bool TempGone() const { return !fs::exists(dir.Path("temp")); }
    void ExpectSetupQuestion(const std::string& file, Button answer) {
        host.Expect(Icon::Question,
                    "The file " + file + " is not a ZIP- or SFX-File. Maybe this is an InstallShield application. " +
                        "Korvex will now run the this file. If you are asked for a location, enter a path containing " +
                        "*NO* files to help Korvex detecting what you've installed.",
                    answer);
    }
};

// The manifest lists what each installation put into the game, with the files it replaced kept
// as they were; an update adds to it. A game directory that was there without one gets none.
TEST_F(InstallTest, InstallationsKeepAManifestWithCopiesOfWhatTheyReplaced) {
    dir.WriteLines("automod/New Mod", {"newmod", "nothingelse", "pak0.pak=3"});
    WriteZip(Download("new.zip"), {ZipFile("newmod/pak0.pak", "NEW"), ZipFile("newmod/maps/a.bsp", "map a")});
    ExpectCorrect("New Mod", Button::Yes);
    ExpectInstalled("New Mod");
    Install({Download("new.zip")});
    EXPECT_EQ(host.lastProgress[InstallWindow::Extracting], (InstallProgress{2, 2, 8, 8}));
    EXPECT_EQ(host.lastProgress[InstallWindow::Copying], (InstallProgress{2, 2, 8, 8}));
    EXPECT_EQ(dir.Read("manifests/newmod/manifest.dat"),
              JoinLines({"3 " + DigestOfFile(Quake("newmod/pak0.pak"))->hash + " newmod/pak0.pak",
                         "5 " + DigestOfFile(Quake("newmod/maps/a.bsp"))->hash + " newmod/maps/a.bsp"}));

    // Into baseq2: the game's own file is copied before the MOD's takes its place, once.
    const std::string baseq2Pak = ReadWholeFile(Quake("baseq2/pak0.pak"));
    fs::create_directories(dir.Path("temp/pack/maps"));
    WriteWholeFile(dir.Path("temp/pack/pak0.pak"), "pack v1");
    WriteWholeFile(dir.Path("temp/pack/maps/q2dm9.bsp"), "map 9");
    ASSERT_TRUE(InstallModFiles(app.report, app.paths, dir.Path("temp/pack"), Quake("baseq2"), true));
    fs::create_directories(dir.Path("temp/pack"));
    WriteWholeFile(dir.Path("temp/pack/pak0.pak"), "pack v2!");
    ASSERT_TRUE(InstallModFiles(app.report, app.paths, dir.Path("temp/pack"), Quake("baseq2"), true));
    EXPECT_EQ(ReadWholeFile(Quake("baseq2/pak0.pak")), "pack v2!");
    EXPECT_EQ(dir.Read("manifests/baseq2/replaced/baseq2/pak0.pak"), baseq2Pak);
    EXPECT_FALSE(dir.Exists("manifests/baseq2/replaced/baseq2/maps"));
    const std::optional<Manifest> pack = ReadManifest(dir.Path("manifests/baseq2"));
    ASSERT_TRUE(pack);
    ASSERT_EQ(pack->size(), 2u);
    EXPECT_EQ(pack->at(0).path, "baseq2/pak0.pak");
    EXPECT_EQ(pack->at(0).digest, *DigestOfFile(Quake("baseq2/pak0.pak")));
    EXPECT_EQ(pack->at(1).path, "baseq2/maps/q2dm9.bsp");

    // ctf was there before manifests were kept: a manifest of the update alone would undo too little.
    WriteZip(Download("ctf.zip"), {ZipFile("ctf/pak0.pak", "NEW!")});
    ExpectCorrect("Capture The Flag", Button::Yes);
    ExpectInstalled("Capture The Flag");
    Install({Download("ctf.zip")});
    EXPECT_FALSE(dir.Exists("manifests/ctf"));
}

// A kill after the manifest was written and some files moved: the next start moves the rest,
// and the manifest matches what is on disk.
TEST_F(InstallTest, AnInterruptedMoveIsFinishedWithAManifestThatMatchesTheDisk) {
    fs::create_directories(dir.Path("temp/newmod"));
    fs::create_directories(Quake("newmod"));
    WriteWholeFile(Quake("newmod/moved.pak"), "moved");
    WriteWholeFile(dir.Path("temp/newmod/left.pak"), "left behind");
    dir.WriteLines("manifests/newmod/manifest.dat",
                   {"5 " + DigestOfFile(Quake("newmod/moved.pak"))->hash + " newmod/moved.pak",
                    "11 " + DigestOfFile(dir.Path("temp/newmod/left.pak"))->hash + " newmod/left.pak"});
    const std::string before = dir.Read("manifests/newmod/manifest.dat");
    dir.WriteLines("pending.dat", {"install-mod", dir.Path("temp/newmod"), Quake("newmod"), kWithManifest});
    host.Expect(Icon::Information,
                "Korvex was stopped while moving the MOD's files from " + dir.Path("temp/newmod") + " to " +
                    Quake("newmod") + ". That has now been finished.",
                Button::Ok);
    FinishInterruptedWork(app.report, app.paths);
    EXPECT_EQ(ReadWholeFile(Quake("newmod/left.pak")), "left behind");
    EXPECT_EQ(dir.Read("manifests/newmod/manifest.dat"), before);
    const std::optional<Manifest> manifest = ReadManifest(dir.Path("manifests/newmod"));
    ASSERT_TRUE(manifest);
    for (const ManifestFile& file : *manifest)
        EXPECT_EQ(StateOf(app.paths.quakeDir, file), FileState::Unchanged) << file.path;
    EXPECT_FALSE(dir.Exists("pending.dat"));
}

TEST_F(InstallTest, TwoRoundsUnpackIntoOneTemporaryDirectory) {
    dir.WriteLines("automod/Two Parts", {"two", "nothingelse", "pak0.pak=1", "pak1.pak=1"});
    WriteZip(Download("part1.zip"), {ZipFile("pak0.pak", "0")});
    WriteZip(Download("part2.zip"), {ZipFile("pak1.pak", "1")});
    host.distributionAnswers = {DistributionKind::Multiple};
    host.installFileAnswers = {{Download("part1.zip")}, {Download("part2.zip"), "//server/share/x.zip"}};
    host.Expect(Icon::Question, "Add more files to the installation list?", Button::Yes);
    host.Expect(Icon::Question, "Add more files to the installation list?", Button::No);
    ExpectCorrect("Two Parts", Button::Yes);
    ExpectInstalled("Two Parts");
    InstallNewMODButtonClick(app);
    host.RunPosted();
    EXPECT_TRUE(host.installFileRequests.at(0).multiSelect);
    EXPECT_TRUE(fs::exists(dir.quakeDir() + "/two/pak0.pak"));
    EXPECT_TRUE(fs::exists(dir.quakeDir() + "/two/pak1.pak"));
    EXPECT_EQ(host.BoxTexts().at(1),
              "You cannot install a modification from unmapped network drives: //server/share/x.zip.");
}

TEST_F(InstallTest, NothingChosenOrNothingUnpackedIdentifiesNothing) {
    host.distributionAnswers = {DistributionKind::Single};
    host.installFileAnswers = {{}};
    InstallNewMODButtonClick(app);
    host.RunPosted();
    EXPECT_EQ(host.BoxTexts(), std::vector<std::string>{kAutodetectionFailed});

    // A refused archive: its message, then nothing to identify, and temp/ is gone.
    WriteZip(Download("evil.zip"), {ZipFile("pak0.pak", "PACK"), ZipFile("../../evil.txt", "x")});
    Install({Download("evil.zip")});
    EXPECT_EQ(host.BoxTexts().at(1), "Couldn't extract archive correctly. (" + Download("evil.zip") +
                                         ": the entry ../../evil.txt would land outside the folder it is unpacked "
                                         "into)");
    EXPECT_EQ(host.BoxTexts().at(2), kAutodetectionFailed);
    EXPECT_TRUE(TempGone());
    EXPECT_TRUE(TreeTexts().empty());
}

TEST_F(InstallTest, NoToTheProposedNameLeadsToTheManualPath) {
    WriteZip(Download("ctf.zip"), {ZipFile("ctf/pak0.pak", "NEW!"), ZipFile("readme.txt", "read me")});
    ExpectCorrect("Capture The Flag", Button::No);
    host.Expect(Icon::Question, "Would you like to identify the modification yourself?", Button::Yes);
    host.modRootAnswers = {{true, dir.Path("temp/ctf/pak0.pak")}};
    host.modIdentityAnswers = {{true, "My Flag", "MyFlag"}};
    host.Expect(Icon::Question, "Do you want Korvex to remember this modification, so that Korvex can detect it next time?",
                Button::No);
    ExpectInstalled("My Flag");
    host.unclaimedAnswers = {{UnclaimedAction::Done, {}, {}}};
    Install({Download("ctf.zip")});
    EXPECT_EQ(host.BoxTexts().at(1), kAutodetectionFailed);
    EXPECT_EQ(host.modRootRequests.at(0).files,
              (std::vector<std::string>{dir.Path("temp/ctf/pak0.pak"), dir.Path("temp/readme.txt")}));
    EXPECT_EQ(ReadWholeFile(dir.quakeDir() + "/myflag/pak0.pak"), "NEW!");
    // The name the player gave wins over what detection makes of the installed directory.
    EXPECT_EQ(TreeTexts(), std::vector<std::string>{"My Flag (MYFLAG)"});
    ASSERT_EQ(host.unclaimedRequests.size(), 1u);
    EXPECT_EQ(host.unclaimedRequests[0].caption, "Unknown files");
    EXPECT_EQ(host.unclaimedRequests[0].files, std::vector<std::string>{dir.Path("temp/readme.txt")});
    EXPECT_EQ(ReadWholeFile(dir.Path("temp/readme.txt")), "read me");  // kept until the next installation
    EXPECT_FALSE(fs::exists(dir.Path("temp/ctf")));
}

// Nothing of an archive is dropped silently: what lies beside the MOD is offered, and what
// the player keeps stays in temp/.
TEST_F(InstallTest, FilesBesideTheModAreOfferedAndKeptInTemp) {
    WriteZip(Download("ctf.zip"), {ZipFile("ctf/pak0.pak", "NEW!"), ZipFile("baseq2/maps/q2ctf9.bsp", "map"),
                                   ZipFile("readme.txt", "read me")});
    ExpectCorrect("Capture The Flag", Button::Yes);
    host.unclaimedAnswers = {{UnclaimedAction::Delete, {dir.Path("temp/readme.txt")}, {}}, {}};
    host.Expect(Icon::Question, "Do you really want to delete the selected files?", Button::Yes);
    ExpectInstalled("Capture The Flag");
    Install({Download("ctf.zip")});
    EXPECT_EQ(ReadWholeFile(dir.quakeDir() + "/ctf/pak0.pak"), "NEW!");
    EXPECT_TRUE(fs::exists(dir.quakeDir() + "/ctf/gamex86.dll"));  // what was there stays
    EXPECT_EQ(TreeTexts(), std::vector<std::string>{"Capture The Flag (CTF)"});
    EXPECT_FALSE(app.install.running);
    ASSERT_EQ(host.unclaimedRequests.size(), 2u);
    EXPECT_EQ(host.unclaimedRequests[0].caption, "Unknown files");
    EXPECT_EQ(host.unclaimedRequests[0].files,
              (std::vector<std::string>{dir.Path("temp/baseq2/maps/q2ctf9.bsp"), dir.Path("temp/readme.txt")}));
    EXPECT_FALSE(fs::exists(dir.Path("temp/readme.txt")));
    EXPECT_EQ(ReadWholeFile(dir.Path("temp/baseq2/maps/q2ctf9.bsp")), "map");
    EXPECT_FALSE(fs::exists(dir.Path("temp/ctf")));
}

TEST_F(InstallTest, CatalogueEntryThatCannotBeWrittenIsNoInstallation) {
    dir.Remove("mods");
    dir.Write("mods", "a file where the catalogue belongs");
    WriteZip(Download("ctf.zip"), {ZipFile("ctf/pak0.pak", "NEW!")});
    ExpectCorrect("Capture The Flag", Button::Yes);
    host.Expect(Icon::Error, "Couldn't create file. (" + dir.Path("mods/CTF") + ")", Button::Ok);
    Install({Download("ctf.zip")});
    EXPECT_TRUE(app.install.installedModDir.empty());
    EXPECT_TRUE(TreeTexts().empty());
}

TEST_F(InstallTest, UpdateThatDetectionNoLongerKnowsAsksForANewName) {
    dir.WriteLines("automod/Arena", {"arena", "nothingelse", "gamex86.dll=5"});
    WriteWholeFile(dir.quakeDir() + "/arena/old.pak", "old");
    WriteZip(Download("arena.exe"), {ZipFile("arena/gamex86.dll", "v2.00")}, ProgramStub());
    ExpectCorrect("Arena", Button::Yes);
    host.updatedModAnswers = {{true, "Arena 2"}};
    host.Expect(Icon::Question,
                "Do you want Korvex to remember this installed modification, so that Korvex can detect it next time?",
                Button::Yes);
    ExpectInstalled("Arena");
    Install({Download("arena.exe")});
    EXPECT_EQ(host.updatedModRequests.at(0).caption, "Existing modification updated: Arena (ARENA)");
    EXPECT_EQ(TreeTexts(), std::vector<std::string>{"Arena 2 (ARENA)"});
    EXPECT_EQ(dir.Read("automod/#1001#Arena 2"), JoinLines({"arena", "nothingelse", "gamex86.dll=5", "old.pak=3"}));
}

// A setup program: Cancel skips it; a program that is no archive, or an archive holding
// SETUP.EXE, is run; the files it created are identified, the ones outside the MOD offered.
// What wine installs into its prefix (a directory beginning with ".") is found as well.
TEST_F(InstallTest, SetupProgramsRunAndWhatTheyCreatedIsFound) {
    const std::string drive = JoinPath(dir.root(), "drive");
    const std::string wine = JoinPath(dir.root(), ".wine");
    fs::create_directories(drive);
    fs::create_directories(wine + "/drive_c");
    app.quakeSearchRoots = {drive};
    const char* previousPrefix = std::getenv("WINEPREFIX");
    const std::string keptPrefix = previousPrefix ? previousPrefix : "";
    ::setenv("WINEPREFIX", wine.c_str(), 1);
    const std::string setup = Download("setup.exe");
    WriteWholeFile(setup, "#!/bin/sh\nmkdir -p '" + drive + "/games/ctf' '" + drive + "/windows'\n" +
                              "printf NEW! > '" + drive + "/games/ctf/pak0.pak'\n" + "printf x > '" + drive +
                              "/windows/ctf.dll'\n" + "printf w > \"$WINEPREFIX/drive_c/ctf.txt\"\n" +
                              "(sleep 0.2; printf y > '" + drive + "/windows/late.txt') &\n");
    fs::permissions(setup, fs::perms::owner_exec, fs::perm_options::add);
    WriteZip(Download("sfx.exe"), {ZipFile("SETUP.EXE", "MZ"), ZipFile("data.cab", "x")}, ProgramStub());
    // Creation times count in seconds: nothing the fixture made may look new.
    const std::time_t made = std::time(nullptr);
    while (std::time(nullptr) <= made) std::this_thread::sleep_for(std::chrono::milliseconds(20));

    ExpectSetupQuestion(Download("sfx.exe"), Button::Cancel);
    ExpectSetupQuestion(setup, Button::Ok);
    ExpectCorrect("Capture The Flag", Button::Yes);
    host.unclaimedAnswers = {{UnclaimedAction::Delete, {drive + "/windows/ctf.dll"}, {}}, {}};
    host.Expect(Icon::Question, "Do you really want to delete the selected files?", Button::Yes);
    ExpectInstalled("Capture The Flag");
    app.install.fileList = {Download("sfx.exe"), setup};
    ASSERT_TRUE(StartInstallation(app));
    host.RunPosted();
    while (host.timerTick) {
        host.timerTick();  // the window's one-second timer
        host.RunPosted();
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    if (previousPrefix)
        ::setenv("WINEPREFIX", keptPrefix.c_str(), 1);
    else
        ::unsetenv("WINEPREFIX");
    EXPECT_EQ(ReadWholeFile(dir.quakeDir() + "/ctf/pak0.pak"), "NEW!");
    EXPECT_FALSE(fs::exists(drive + "/games/ctf/pak0.pak"));
    ASSERT_EQ(host.unclaimedRequests.size(), 2u);
    EXPECT_EQ(host.unclaimedRequests[0].files, (std::vector<std::string>{wine + "/drive_c/ctf.txt",
                                                                         drive + "/windows/ctf.dll",
                                                                         drive + "/windows/late.txt"}));
    EXPECT_EQ(host.unclaimedRequests[1].files,
              (std::vector<std::string>{wine + "/drive_c/ctf.txt", drive + "/windows/late.txt"}));
    EXPECT_FALSE(fs::exists(drive + "/windows/ctf.dll"));
    EXPECT_TRUE(fs::exists(drive + "/windows/late.txt"));  // deleted is only what was selected
}

// Nothing is left waiting for a program that never ran: no window, no search.
TEST_F(InstallTest, SetupProgramThatCannotStartEndsItsStep) {
    const std::string setup = Download("setup.exe");
    WriteWholeFile(setup, "not a program anybody may run");
    ExpectSetupQuestion(setup, Button::Ok);
    host.Expect(Icon::Error, "Couldn't exec file. (possibly no InstallShield)", Button::Ok);
    host.Expect(Icon::Error, kAutodetectionFailed, Button::Ok);
    Install({setup});
    EXPECT_FALSE(host.setupRunning);
    for (int tick = 0; host.timerTick && tick < 5; ++tick) {
        host.timerTick();
        host.RunPosted();
    }
    EXPECT_FALSE(host.timerTick);
    EXPECT_FALSE(app.install.running);
}

TEST_F(NewFileSearch, FindsFilesCreatedSinceTheStartBelowEveryRoot) {
    const std::string drive = JoinPath(dir.root(), "drive");
    WriteWholeFile(JoinPath(drive, "old/old.txt"), "old");
    const std::int64_t before = LookUpEntry(JoinPath(drive, "old/old.txt"))->creationTime;
    // Creation times count in whole seconds: the new files come a second later.
    while (std::time(nullptr) <= before) std::this_thread::yield();
    const std::int64_t since = before + 1;
    WriteWholeFile(JoinPath(drive, "games/newmod/pak0.pak"), "p");
    WriteWholeFile(JoinPath(drive, "games/newmod/sub/a.txt"), "a");
    WriteWholeFile(JoinPath(drive, "windows/system.dll"), "d");
    WriteWholeFile(JoinPath(drive, ".hidden/skipped.txt"), "h");
    fs::create_directory_symlink(drive, JoinPath(drive, "games/loop"));  // never followed

    NewFiles found;
    std::vector<std::string> visited;
    EXPECT_TRUE(ScanForNewFiles({drive, JoinPath(dir.root(), "no such drive"), JoinPath(drive, "games"), ""}, since,
                                found, [&](const std::string& directory) {
                                    visited.push_back(directory);
                                    return true;
                                }));
    EXPECT_EQ(found.files, (std::vector<std::string>{JoinPath(drive, "games/newmod/pak0.pak"),
                                                     JoinPath(drive, "games/newmod/sub/a.txt"),
                                                     JoinPath(drive, "windows/system.dll")}));
    EXPECT_EQ(std::count(visited.begin(), visited.end(), JoinPath(drive, "games/newmod")), 1);  // a root once

    // A root is searched whatever its name begins with.
    NewFiles hidden;
    EXPECT_TRUE(ScanForNewFiles({JoinPath(drive, ".hidden")}, since, hidden));
    EXPECT_EQ(hidden.files, std::vector<std::string>{JoinPath(drive, ".hidden/skipped.txt")});
    // Subdirectories are searched before the files of their directory.
    const auto& dirs = found.directories;
    ASSERT_EQ(dirs.size(), 3u);
    EXPECT_LT(std::find(dirs.begin(), dirs.end(), JoinPath(drive, "games/newmod/sub")),
              std::find(dirs.begin(), dirs.end(), JoinPath(drive, "games/newmod")));
    EXPECT_NE(std::find(dirs.begin(), dirs.end(), JoinPath(drive, "windows")), dirs.end());
    EXPECT_EQ(std::count(visited.begin(), visited.end(), drive), 1);

    NewFiles cancelled;
    EXPECT_FALSE(ScanForNewFiles({drive}, since, cancelled, [](const std::string&) { return false; }));
    EXPECT_TRUE(cancelled.files.empty());
}

}  // namespace
}  // namespace korvex
