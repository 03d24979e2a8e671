#include <gtest/gtest.h>

#include <filesystem>

#include "mods/ModCatalogue.h"
#include "mods/ModIdentification.h"
#include "platform/Path.h"
#include "support/ProgramDirTest.h"

namespace korvex {
namespace {

namespace fs = std::filesystem;

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
    host.Expect(Icon::Question,
                "Do you really want to make a complete MOD-Scan? This will overwrite all entries in the available "
                "MOD's tree.",
                Button::No);
    RunCompleteModScan(app, true);
    EXPECT_EQ(TreeTexts().size(), 2u);
}

TEST_F(ModScanTest, NonInteractiveIdentificationAsksNothingAndEntersNothing) {
    const IdentifiedMod ctf = IdentifyModDirectory(app, JoinPath(dir.quakeDir(), "ctf"), ".", false, false, false);
    EXPECT_TRUE(ctf.found);
    EXPECT_EQ(ctf.usualDirectory, "ctf");
    const IdentifiedMod base = IdentifyModDirectory(app, dir.quakeDir(), "baseq2", true, true, true);
    EXPECT_FALSE(base.found);  // "IGNORE." gives no question and no entry
    EXPECT_FALSE(IdentifyModDirectory(app, dir.quakeDir(), "baseq2", false, false, false).found);
    EXPECT_TRUE(TreeTexts().empty());
    EXPECT_TRUE(host.boxes.empty());
}

}  // namespace
}  // namespace korvex
