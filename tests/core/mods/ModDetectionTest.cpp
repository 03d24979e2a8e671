#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "mods/AutoModDetection.h"
#include "mods/ModCatalogue.h"
#include "mods/ModIdentification.h"
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
    EXPECT_TRUE(CheckFileContains(app, match, ModDir(), "gamex86.dll", "BORDER"));
    EXPECT_FALSE(CheckFileContains(app, match, ModDir(), "gamex86.dll", "LATER"));
    EXPECT_FALSE(CheckFileContains(app, match, ModDir(), "gamex86.dll", "border"));
    EXPECT_FALSE(CheckFileContains(app, match, ModDir(), "gamex86.dll", ""));
    EXPECT_EQ(match.matchedFiles, std::vector<std::string>{LowerCaseAscii(JoinPath(ModDir(), "gamex86.dll"))});

    // A huge file costs only the blocks read.
    {
        std::ofstream big(JoinPath(ModDir(), "pak9.pak"), std::ios::binary);
        big.seekp(1LL << 30);
        big.put('x');
    }
    EXPECT_FALSE(CheckFileContains(app, match, ModDir(), "pak9.pak", "x"));
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
    EXPECT_TRUE(app.shuttingDown);
    EXPECT_EQ(host.BoxTexts(), std::vector<std::string>{"Invalid Auto-MOD file. (Broken)"});
}

TEST_F(AutoModTest, RememberedModIsDetectedNextTime) {
    WriteModFile("PAK0.PAK", "12345");
    WriteModFile("autoexec.cfg", "exec x");
    WriteDetection("#1005#Old", {"old", "pak0.pak=-1"});
    WriteDetection("#abc#Odd", {"odd", "pak0.pak=-1"});
    ASSERT_TRUE(RememberModification(app, ModDir(), "New Mod", "NEWMOD"));
    EXPECT_EQ(dir.Read("automod/#1006#New Mod"), JoinLines({"newmod", "nothingelse", "pak0.pak=5"}));
    AutoModResult result = Detect();
    EXPECT_EQ(result.modName, "New Mod");
    EXPECT_EQ(result.usualDirectory, "newmod");

    WriteModFile("pak1.pak", "");
    EXPECT_FALSE(Detect().found);  // the remembered files describe the directory exactly

    EXPECT_FALSE(RememberModification(app, ModDir(), "../escape", "x"));
    EXPECT_FALSE(fs::exists(dir.Path("escape")));
}

TEST_F(AutoModTest, NoSlotPastTheLast) {
    for (int slot = kFirstAutoModSlot; slot <= kLastAutoModSlot; ++slot)
        WriteWholeFile(dir.Path("automod/#" + std::to_string(slot) + "#M"), "");
    EXPECT_FALSE(RememberModification(app, ModDir(), "One Too Many", "many"));
    EXPECT_EQ(host.BoxTexts(),
              std::vector<std::string>{"No free slots for more AutoMOD detection files. (for: " +
                                       dir.Path("automod/#10000#One Too Many") + ")"});
}

// The sample Quake II tree (baseq2, ctf, arena) with detection files of the test's own.
class ModScanTest : public ProgramDirTest {
protected:
    ModScanTest() {
        dir.Remove("automod");
        fs::create_directories(dir.Path("automod"));
        app.quakeDir = dir.quakeDir();
        dir.WriteLines("automod/IGNORE.Quake II", {"baseq2", "onlyformodscan", "pak0.pak>0", "gamex86.dll=-1"});
        dir.WriteLines("automod/Capture The Flag", {"ctf", "pak0.pak>0", "gamex86.dll>0"});
    }
    std::vector<std::string> TreeTexts() { return ModTreeTexts(app.modTree); }
    void ExpectScanQuestion(Button answer) {
        host.Expect(Icon::Question,
                    "Do you really want to make a complete MOD-Scan? This will overwrite all entries in the available "
                    "MOD's tree.",
                    answer);
    }
    std::string Question(const std::string& name, const std::string& mod) const {
        return "Korvex identified the modification located in " + JoinPath(dir.quakeDir(), name) + "/ as " + mod +
               ". Is this correct?";
    }
};

TEST_F(ModScanTest, CompleteScanEntersWhatThePlayerConfirms) {
    // An empty tree is scanned without the question; baseq2 is ignored without a question.
    host.unknownModAnswers.push_back({true, "Arena"});
    host.Expect(Icon::Question, "Do you want Korvex to remember this modification, so that Korvex can detect it next time?",
                Button::Yes);
    host.Expect(Icon::Question, Question("ctf", "Capture The Flag"), Button::Yes);
    RunCompleteModScan(app, true);
    EXPECT_EQ(TreeTexts(), (std::vector<std::string>{"Arena (ARENA)", "Capture The Flag (CTF)"}));
    ASSERT_EQ(host.unknownModRequests.size(), 1u);
    EXPECT_EQ(host.unknownModRequests[0].directoryName, "arena");
    EXPECT_EQ(dir.Read("automod/#1001#Arena"), JoinLines({"arena", "nothingelse", "gamex86.dll=" +
                                                          std::to_string(fs::file_size(dir.quakeDir() + "/arena/gamex86.dll"))}));

    // With MODs in the tree the scan asks first; No keeps the tree.
    ExpectScanQuestion(Button::No);
    RunCompleteModScan(app, true);
    EXPECT_EQ(TreeTexts().size(), 2u);
}

TEST_F(ModScanTest, RescanRewritesEveryEntryAndDropsTheMissing) {
    dir.WriteLines("mods/ctf", {"Capture The Flag (CTF)", "1", "Player", "FALSE", "FALSE", "q2ctf1", "", "3"});
    dir.WriteLines("mods/CTF", {"Old Spelling (CTF)", "0", "TRUE", "TRUE", "", "", "0"});
    dir.WriteLines("mods/gone", {"Gone (GONE)", "1", "Player", "TRUE", "TRUE", "", "", "0"});
    LoadModCatalogue(app);
    const auto rescan = [this] {
        ExpectScanQuestion(Button::Yes);
        host.unknownModAnswers.push_back({false, ""});  // arena stays unnamed
        host.Expect(Icon::Question, Question("ctf", "Capture The Flag"), Button::Yes);
        RunCompleteModScan(app, true);
        EXPECT_EQ(TreeTexts(), std::vector<std::string>{"Capture The Flag (CTF)"});
    };
    rescan();
    EXPECT_EQ(host.BoxTexts().size(), 2u);  // the two questions, no error
    EXPECT_EQ(dir.Read("mods/ctf"), JoinLines({"Capture The Flag (CTF)", "0", "TRUE", "TRUE", "", "", "0"}));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path("mods")), fs::directory_iterator()), 1);
    const auto written = fs::last_write_time(dir.Path("mods/ctf"));
    rescan();  // an entry that would come out the same is kept as it is
    EXPECT_EQ(fs::last_write_time(dir.Path("mods/ctf")), written);
}

TEST_F(ModScanTest, NonInteractiveIdentificationAsksNothingAndEntersNothing) {
    const IdentifiedMod ctf = IdentifyModDirectory(app, JoinPath(dir.quakeDir(), "ctf"), ".", false);
    EXPECT_TRUE(ctf.found);
    EXPECT_EQ(ctf.usualDirectory, "ctf");
    const IdentifiedMod base = IdentifyModDirectory(app, dir.quakeDir(), "baseq2", true);
    EXPECT_FALSE(base.found);  // "IGNORE." gives no question and no entry
    EXPECT_FALSE(IdentifyModDirectory(app, dir.quakeDir(), "baseq2", false).found);
    EXPECT_TRUE(TreeTexts().empty());
    EXPECT_TRUE(host.boxes.empty());
}

}  // namespace
}  // namespace korvex
