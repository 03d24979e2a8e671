#include <gtest/gtest.h>

#include "app/Korvex.h"
#include "mods/ModCatalogue.h"
#include "mods/ModTree.h"
#include "support/ProgramDirTest.h"

namespace korvex {
namespace {

using Lines = std::vector<std::string>;

class Catalogue : public ProgramDirTest {
protected:
    std::vector<std::pair<std::string, Lines>> Tree() const {
        std::vector<std::pair<std::string, Lines>> nodes;
        for (const ModNode& mod : app.modTree.mods) nodes.push_back({mod.text, mod.players});
        return nodes;
    }
};

TEST(ModTreeText, SplitsAtTheLastParenthesis) {
    EXPECT_EQ(ModDirOfNodeText("Arena (beta) (arena)"), "arena");
    EXPECT_EQ(ModNameOfNodeText("Arena (beta) (arena)"), "Arena (beta)");
    EXPECT_EQ(ModDirOfNodeText("Capture The Flag (CTF)"), "CTF");
    EXPECT_EQ(ModNameOfNodeText("no parenthesis"), "");
}

TEST_F(Catalogue, LoadsShortAndOddFilesSortedWithTheirPlayerCfgs) {
    dir.WriteLines("mods/ctf", {"Capture The Flag (CTF)", "2", "Zed", "Ace", "TRUE", "TRUE", "", "", "0"});
    dir.WriteLines("mods/arena", {"Arena (beta) (arena)", "0", "FALSE", "TRUE", "", "", "1", "2", "bind x y"});
    // A count with letters reads as 0: the names are taken as option lines.
    dir.WriteLines("mods/rocket", {"Rocket (ROCKET)", "1x", "Ace", "TRUE", "", "", "", "0"});
    // Absurd counts read no further than the file.
    dir.WriteLines("mods/huge", {"Huge (HUGE)", "999999999999", "Only"});
    LoadModCatalogue(app);
    EXPECT_EQ(host.BoxTexts(), Lines{});
    EXPECT_EQ(Tree(), (std::vector<std::pair<std::string, Lines>>{{"Arena (beta) (arena)", {}},
                                                                   {"Capture The Flag (CTF)", {"Ace", "Zed"}},
                                                                   {"Huge (HUGE)", {"Only"}},
                                                                   {"Rocket (ROCKET)", {}}}));

    dir.WriteLines("mods/ctf", {"Capture The Flag (CTF)", "0", "TRUE", "TRUE", "", "", "0", "0", "left over"});
    LoadModCatalogue(app);
    ASSERT_FALSE(host.BoxTexts().empty());
    EXPECT_EQ(host.BoxTexts().back(),
              "Programmer: end of file not reached, check file format. (" + dir.Path("mods/ctf") + ")");
    EXPECT_TRUE(app.shuttingDown);
}

TEST_F(Catalogue, AddsOnlyRealDirectoriesAndNeverOverwritesAnEntry) {
    EXPECT_FALSE(AddModToCatalogue(app, "..Unknown..", "X"));
    EXPECT_FALSE(AddModToCatalogue(app, "Dot", "."));
    EXPECT_FALSE(AddModToCatalogue(app, "Dots", ".."));
    EXPECT_FALSE(AddModToCatalogue(app, "Escape", "A/B"));
    EXPECT_EQ(host.BoxTexts(), Lines{"Invalid path. (A/B)"});

    ASSERT_TRUE(AddModToCatalogue(app, "Capture The Flag", "CTF"));
    EXPECT_EQ(dir.Read("mods/ctf"), JoinLines({"Capture The Flag (CTF)", "0", "TRUE", "TRUE", "", "", "0"}));
    dir.WriteLines("mods/ctf", {"Capture The Flag (CTF)", "1", "Player", "FALSE", "FALSE", "q2ctf1", "", "3"});
    EXPECT_FALSE(AddModToCatalogue(app, "Other Name", "CTF"));
    EXPECT_EQ(host.BoxTexts().back(), "Modification already in available mods list. (CTF)");
    EXPECT_EQ(dir.Read("mods/ctf"),
              JoinLines({"Capture The Flag (CTF)", "1", "Player", "FALSE", "FALSE", "q2ctf1", "", "3"}));
    EXPECT_EQ(Tree().size(), 1u);
    EXPECT_EQ(ModNameOfNodeText(Tree()[0].first), "Capture The Flag");
}

TEST_F(Catalogue, ReplaceResetsOptionsAndPlayerCfgsAndClearEmptiesEverything) {
    dir.WriteLines("mods/ctf", {"Old (ctf)", "1", "Player", "FALSE", "FALSE", "q2ctf1", "-x", "3", "1", "bind a b"});
    LoadModCatalogue(app);
    ReplaceModEntry(app, "Capture The Flag", "CTF");
    EXPECT_EQ(dir.Read("mods/ctf"), JoinLines({"Capture The Flag (CTF)", "0", "TRUE", "TRUE", "", "", "0"}));
    EXPECT_EQ(Tree(), (std::vector<std::pair<std::string, Lines>>{{"Capture The Flag (CTF)", {}}}));

    ReplaceModEntry(app, "Rocket Arena", "ROCKET");
    EXPECT_TRUE(dir.Exists("mods/rocket"));
    ClearModCatalogue(app);
    EXPECT_TRUE(Tree().empty());
    EXPECT_FALSE(dir.Exists("mods/ctf"));
    EXPECT_FALSE(dir.Exists("mods/rocket"));
}

}  // namespace
}  // namespace korvex
