#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "install/InstallIdentification.h"
#include "mods/AutoModDetection.h"
#include "mods/ModCatalogue.h"
#include "mods/ModIdentification.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"
#include "platform/Text.h"
#include "support/ProgramDirTest.h"

namespace korvex {
namespace {

namespace fs = std::filesystem;

// A program directory whose automod directory holds only what a test writes, and a game
// directory "mod" below the Quake II directory to identify.
class AutoModTest : public ProgramDirTest {
protected:
    AutoModTest() {
        dir.Remove("automod");
        fs::create_directories(dir.Path("automod"));
        fs::create_directories(ModDir());
    }
    std::string ModDir() const { return JoinPath(dir.quakeDir(), "mod"); }
    void WriteModFile(const std::string& relative, const std::string& content) const {
        WriteWholeFile(JoinPath(ModDir(), relative), content);
    }
    void WriteDetection(const std::string& name, const std::vector<std::string>& lines) const {
        dir.WriteLines("automod/" + name, lines);
    }
    AutoModResult Detect(bool forModScan = false) {
        return DetectModByAutoModFiles(app, ModDir(), forModScan);
    }
};

TEST_F(AutoModTest, ConditionsDecideTheMatch) {
    WriteModFile("pak0.pak", std::string(100, 'x'));
    WriteModFile("server.cfg", "set x 1");
    fs::create_directories(JoinPath(ModDir(), "maps"));
    struct Case {
        std::vector<std::string> lines;
        bool found;
    };
    const std::vector<Case> cases = {
        {{"mod"}, true},
        {{"mod", "nothingelse"}, false},  // pak0.pak is not named
        {{"mod", "nothingelse", "PAK0.PAK=100"}, true},  // .cfg files and subdirectories do not count
        {{"mod", "pak0.pak=-1"}, false},
        {{"mod", "pak1.pak=-1"}, true},
        {{"mod", "pak0.pak>99", "pak0.pak<101"}, true},
        {{"mod", "pak0.pak>100"}, false},
        {{"mod", "pak0.pak#xxx"}, true},
        {{"mod", "pak0.pak#xy"}, false},
        {{"mod", "pak0.pak#a=b"}, false},  // "=" comes first: file "pak0.pak#a", size "b" = 0
        {{"mod", "NOENTRY", "pak0.pak>0"}, true},
    };
    for (const Case& c : cases) {
        WriteDetection("Test Mod", c.lines);
        const AutoModResult result = Detect();
        EXPECT_EQ(result.found, c.found) << c.lines.back();
        EXPECT_EQ(result.modName, c.found ? "Test Mod" : kUnknownModName) << c.lines.back();
    }
    EXPECT_TRUE(Detect().noEntry);
    EXPECT_TRUE(host.boxes.empty());

    fs::remove(JoinPath(ModDir(), "pak0.pak"));
    WriteDetection("Test Mod", {"mod", "nothingelse"});
    EXPECT_TRUE(Detect().found);
}

TEST_F(AutoModTest, BackslashPathsResolveWithoutRegardToCase) {
    WriteModFile("Maps/Sub1.BSP", "1234");
    WriteDetection("#1001#Maps Mod", {"maps", "maps\\sub1.bsp=4", "MAPS\\SUB1.bsp#23"});
    const AutoModResult result = DetectModByAutoModFiles(app, ModDir() + "/.", false);
    EXPECT_TRUE(result.found);
    EXPECT_EQ(result.modName, "Maps Mod");
    EXPECT_EQ(result.usualDirectory, "maps");
}

TEST_F(AutoModTest, TextSearchReadsOnlyTheFirstBlocks) {
    std::string content(100 * 1024, '.');
    content.replace(8190, 6, "BORDER");     // across the first block border
    content.replace(40 * 1024, 5, "LATER");  // past what is searched
    WriteModFile("gamex86.dll", content);
    AutoModMatch match;
    EXPECT_TRUE(CheckFileContains(app.report, match, ModDir(), "gamex86.dll", "BORDER"));
    EXPECT_FALSE(CheckFileContains(app.report, match, ModDir(), "gamex86.dll", "LATER"));
    EXPECT_FALSE(CheckFileContains(app.report, match, ModDir(), "gamex86.dll", "border"));
    EXPECT_FALSE(CheckFileContains(app.report, match, ModDir(), "gamex86.dll", ""));
    EXPECT_EQ(match.matchedFiles, std::vector<std::string>{LowerCaseAscii(JoinPath(ModDir(), "gamex86.dll"))});

    // A huge file costs only the blocks read.
    {
        std::ofstream big(JoinPath(ModDir(), "pak9.pak"), std::ios::binary);
        big.seekp(1LL << 30);
        big.put('x');
    }
    EXPECT_FALSE(CheckFileContains(app.report, match, ModDir(), "pak9.pak", "x"));
}

TEST_F(AutoModTest, LaterListedFileWinsAndOnlyForModScanNeedsTheScan) {
    WriteModFile("pak0.pak", "x");
    WriteDetection("Alpha", {"alpha"});
    WriteDetection("beta", {"beta", "pak0.pak=1"});
    EXPECT_EQ(Detect().modName, "beta");

    WriteDetection("zulu", {"zulu", "onlyformodscan"});
    EXPECT_EQ(Detect(false).modName, "beta");
    EXPECT_EQ(Detect(true).modName, "zulu");
    EXPECT_EQ(DetectionFilesInTrialOrder(dir.Path("automod")), (std::vector<std::string>{"zulu", "beta", "Alpha"}));
}

TEST_F(AutoModTest, MalformedDetectionFilesEndTheProgramWithTheirOwnMessage) {
    WriteDetection("Broken", {"mod", "no operator here"});
    EXPECT_FALSE(Detect().found);
    EXPECT_TRUE(app.report.shuttingDown);
    EXPECT_EQ(host.BoxTexts(), std::vector<std::string>{"Invalid Auto-MOD file. (Broken)"});
}

TEST_F(AutoModTest, RememberedModIsDetectedNextTimeWhileSlotsLast) {
    WriteModFile("PAK0.PAK", "12345");
    WriteModFile("autoexec.cfg", "exec x");
    WriteDetection("#1005#Old", {"old", "pak0.pak=-1"});
    WriteDetection("#abc#Odd", {"odd", "pak0.pak=-1"});
    ASSERT_TRUE(RememberModification(app.report, app.paths, ModDir(), "New Mod", "NEWMOD"));
    EXPECT_EQ(dir.Read("automod/#1006#New Mod"), JoinLines({"newmod", "nothingelse", "pak0.pak=5"}));
    AutoModResult result = Detect();
    EXPECT_EQ(result.modName, "New Mod");
    EXPECT_EQ(result.usualDirectory, "newmod");

    WriteModFile("pak1.pak", "");
    EXPECT_FALSE(Detect().found);  // the remembered files describe the directory exactly

    EXPECT_FALSE(RememberModification(app.report, app.paths, ModDir(), "../escape", "x"));
    EXPECT_FALSE(fs::exists(dir.Path("escape")));

    // No slot past the last.
    for (int slot = kFirstAutoModSlot; slot <= kLastAutoModSlot; ++slot)
        WriteWholeFile(dir.Path("automod/#" + std::to_string(slot) + "#M"), "");
    EXPECT_FALSE(RememberModification(app.report, app.paths, ModDir(), "One Too Many", "many"));
    EXPECT_EQ(host.BoxTexts().back(), "No free slots for more AutoMOD detection files. (for: " +
                                          dir.Path("automod/#10000#One Too Many") + ")");
}

// The sample Quake II tree (baseq2, ctf, arena) with detection files of the test's own.
class ModScanTest : public ProgramDirTest {
protected:
    ModScanTest() {
        dir.Remove("automod");
        fs::create_directories(dir.Path("automod"));
        app.paths.quakeDir = dir.quakeDir();
        dir.WriteLines("automod/IGNORE.Quake II", {"baseq2", "onlyformodscan", "pak0.pak>0", "gamex86.dll=-1"});
        dir.WriteLines("automod/Capture The Flag", {"ctf", "pak0.pak>0", "gamex86.dll>0"});
    }
    std::vector<std::string> TreeTexts() { return ModTreeTexts(app.modTree); }
    void ExpectScanQuestion(Button answer) {
        host.Expect(Icon::Question,
                    "Do you really want to make a complete MOD-Scan? Korvex looks at every directory of your Quake II "
                    "- directory again. A MOD found again in its directory keeps its Player-CFGs and options. A MOD "
                    "whose directory is not there (a server-side-only MOD) stays in the list. A MOD whose directory "
                    "holds no modification you confirm or name is removed from the list.",
                    answer);
    }
    std::string Question(const std::string& name, const std::string& mod) const {
        return "Korvex identified the modification located in " + JoinPath(dir.quakeDir(), name) + "/ as " + mod +
               ". Is this correct?";
    }
};

TEST_F(ModScanTest, CompleteScanEntersWhatThePlayerConfirms) {
    // An empty tree is scanned without the question; baseq2 enters as the game itself without one.
    host.unknownModAnswers.push_back({true, "Arena"});
    host.Expect(Icon::Question, "Do you want Korvex to remember this modification, so that Korvex can detect it next time?",
                Button::Yes);
    host.Expect(Icon::Question, Question("ctf", "Capture The Flag"), Button::Yes);
    RunCompleteModScan(app, true);
    EXPECT_EQ(TreeTexts(), (std::vector<std::string>{"Arena (ARENA)", "Capture The Flag (CTF)", "Quake II (BASEQ2)"}));
    EXPECT_EQ(dir.Read("mods/baseq2"), JoinLines({"Quake II (BASEQ2)", "0", "TRUE", "TRUE", "", "", "0"}));
    ASSERT_EQ(host.unknownModRequests.size(), 1u);
    EXPECT_EQ(host.unknownModRequests[0].directoryName, "arena");
    EXPECT_EQ(dir.Read("automod/#1001#Arena"), JoinLines({"arena", "nothingelse", "gamex86.dll=" +
                                                          std::to_string(fs::file_size(dir.quakeDir() + "/arena/gamex86.dll"))}));

    // With MODs in the tree the scan asks first; No keeps the tree.
    ExpectScanQuestion(Button::No);
    RunCompleteModScan(app, true);
    EXPECT_EQ(TreeTexts().size(), 3u);
}

// A rescan keeps what the player set for each MOD found again and the MODs whose directory is
// not there; it drops the entries of directories that hold no MOD now. Korvex's own script
// directory is never offered, and a linked MOD directory is scanned like any other. The base
// directory's entry stays exactly as the player left it, name and Player-CFGs included.
TEST_F(ModScanTest, RescanKeepsWhatThePlayerSet) {
    const std::vector<std::string> base = {"Vanilla (BASEQ2)", "1", "Player", "FALSE", "TRUE", "base1", "", "0"};
    dir.WriteLines("mods/baseq2", base);
    const std::vector<std::string> ctf = {"Capture The Flag (CTF)", "1", "Player", "FALSE", "FALSE", "q2ctf1",
                                          "+set maxclients 8", "3", "1", "set timelimit 20"};
    dir.WriteLines("mods/ctf", ctf);
    dir.WriteLines("mods/CTF", {"Old Spelling (CTF)", "0", "TRUE", "TRUE", "", "", "0"});
    dir.WriteLines("mods/rocket", {"Rocket Arena (ROCKET)", "1", "Player", "TRUE", "TRUE", "", "", "0"});
    dir.WriteLines("mods/arena", {"Arena (ARENA)", "1", "Player", "TRUE", "TRUE", "", "", "0"});
    dir.WriteLines("mods/korvex", {"Scripts (KORVEX)", "0", "TRUE", "TRUE", "", "", "0"});
    WriteWholeFile(Quake("korvex/main.cfg"), "exec options.cfg\r\n");
    WriteWholeFile(Quake("korvex/readme.txt"), "generated");
    WriteWholeFile(JoinPath(dir.root(), "elsewhere/flag2/pak0.pak"), "PACK");
    WriteWholeFile(JoinPath(dir.root(), "elsewhere/flag2/gamex86.dll"), "dll");
    fs::create_directory_symlink(JoinPath(dir.root(), "elsewhere/flag2"), Quake("flag2"));
    LoadModCatalogue(app.report, app.paths, app.modTree);
    const auto written = fs::last_write_time(dir.Path("mods/ctf"));

    ExpectScanQuestion(Button::Yes);
    host.Expect(Icon::Question, Question("ctf", "Capture The Flag"), Button::Yes);
    host.Expect(Icon::Question, Question("flag2", "Capture The Flag"), Button::Yes);
    host.unknownModAnswers.push_back({false, ""});  // arena stays unnamed
    RunCompleteModScan(app, true);
    EXPECT_EQ(TreeTexts(), (std::vector<std::string>{"Capture The Flag (CTF)", "Capture The Flag (FLAG2)",
                                                     "Rocket Arena (ROCKET)", "Vanilla (BASEQ2)"}));
    ASSERT_EQ(host.unknownModRequests.size(), 1u);
    EXPECT_EQ(host.unknownModRequests[0].directoryName, "arena");
    EXPECT_EQ(app.modTree.mods[0].players, std::vector<std::string>{"Player"});
    EXPECT_EQ(dir.Read("mods/ctf"), JoinLines(ctf));
    EXPECT_EQ(fs::last_write_time(dir.Path("mods/ctf")), written);  // it already held that
    EXPECT_FALSE(dir.Exists("mods/CTF"));
    EXPECT_FALSE(dir.Exists("mods/arena"));
    EXPECT_FALSE(dir.Exists("mods/korvex"));
    EXPECT_EQ(dir.Read("mods/rocket"), JoinLines({"Rocket Arena (ROCKET)", "1", "Player", "TRUE", "TRUE", "", "", "0"}));

    // A MOD the player names anew keeps its settings under the new name, in a file he may change.
    SetReadOnly(dir.Path("mods/ctf"));
    ExpectScanQuestion(Button::Yes);
    host.Expect(Icon::Question, Question("ctf", "Capture The Flag"), Button::No);
    host.unknownModAnswers = {{false, ""}, {true, "My Flag"}};
    host.Expect(Icon::Question, "Do you want Korvex to remember this modification, so that Korvex can detect it next time?",
                Button::No);
    host.Expect(Icon::Question, Question("flag2", "Capture The Flag"), Button::Yes);
    RunCompleteModScan(app, true);
    std::vector<std::string> renamed = ctf;
    renamed[0] = "My Flag (CTF)";
    EXPECT_EQ(dir.Read("mods/ctf"), JoinLines(renamed));
    EXPECT_FALSE(IsReadOnlyFile(dir.Path("mods/ctf")));
    EXPECT_EQ(TreeTexts().front(), "Capture The Flag (FLAG2)");
    EXPECT_EQ(dir.Read("mods/baseq2"), JoinLines(base));
    EXPECT_EQ(app.modTree.mods.back().players, std::vector<std::string>{"Player"});
    EXPECT_EQ(host.BoxTexts().size(), 7u);  // the questions only, no error
}

// "Add existing MOD" on a MOD in its place, recognised or named by the player: its files count as
// installed, none is offered as a file of no modification, and its empty folders stay. Each time
// the current Player-CFG is offered for the MOD: Yes assigns it, No leaves the entry as it is.
TEST_F(ModScanTest, AddingAnExistingModLeavesItsFilesAndFolders) {
    app.currentPlayerName = "Player";
    const std::string offer =
        "Would you like to assign the Player-CFG 'Player' to these modifications, so that you can launch Quake II "
        "with it at once?\r\n\r\n";
    fs::create_directories(Quake("ctf/save"));
    fs::create_directories(Quake("arena/save"));
    host.directoryAnswers = {{true, Quake("ctf")}, {true, Quake("arena") + "/"}};
    host.Expect(Icon::Question, "Korvex identified this modification as Capture The Flag. Is this correct?", Button::Yes);
    host.Expect(Icon::Information, "Modification 'Capture The Flag' has been correctly installed.", Button::Ok);
    host.Expect(Icon::Question, offer + "Capture The Flag (CTF)", Button::Yes);
    AddExistingMODBtnClick(app);

    host.Expect(Icon::Error, "Couldn't auto-detect any modification. (Autodetection failed)", Button::Ok);
    host.Expect(Icon::Question, "Would you like to identify the modification yourself?", Button::Yes);
    host.modRootAnswers = {{true, Quake("arena/gamex86.dll")}};
    host.modIdentityAnswers = {{true, "Arena", "arena"}};
    host.Expect(Icon::Question, "Do you want Korvex to remember this modification, so that Korvex can detect it next time?",
                Button::No);
    host.Expect(Icon::Information, "Modification 'Arena' has been correctly installed.", Button::Ok);
    host.Expect(Icon::Question, offer + "Arena (ARENA)", Button::No);
    AddExistingMODBtnClick(app);

    EXPECT_TRUE(host.unclaimedRequests.empty());
    EXPECT_TRUE(fs::exists(Quake("ctf/save")));
    EXPECT_TRUE(fs::exists(Quake("arena/save")));
    EXPECT_TRUE(fs::exists(Quake("arena/gamex86.dll")));
    EXPECT_EQ(TreeTexts(), (std::vector<std::string>{"Arena (ARENA)", "Capture The Flag (CTF)"}));
    EXPECT_TRUE(app.modTree.mods[0].players.empty());
    EXPECT_EQ(app.modTree.mods[1].players, std::vector<std::string>{"Player"});
    EXPECT_EQ(dir.Read("mods/ctf"), JoinLines({"Capture The Flag (CTF)", "1", "Player", "TRUE", "TRUE", "", "", "0"}));
    EXPECT_EQ(dir.Read("mods/arena"), JoinLines({"Arena (ARENA)", "0", "TRUE", "TRUE", "", "", "0"}));
}

}  // namespace
}  // namespace korvex
