#include "MacroTestSupport.h"

#include <filesystem>

#include "macros/MacroCatalogue.h"

namespace korvex {
namespace {

using E = std::vector<std::string>;

class MacroCatalogueTest : public MacroTest {
protected:
    // Starts from an empty macros directory instead of the delivered library.
    MacroCatalogueTest() {
        dir.Remove("macros");
        std::filesystem::create_directories(dir.Path("macros"));
    }

    void Load() { LoadMacroCatalogue(app().report, app().macroCatalogue, app().macroLists, dir.Path("macros")); }
    E Descriptions() {
        E list;
        for (const auto& entry : app().macroCatalogue.entries) list.push_back(entry.MacroDesc);
        return list;
    }
};

TEST_F(MacroCatalogueTest, LoadsInFileNameOrderAndListsCategoriesByFirstUse) {
    dir.WriteMacro("zulu.mac", "Zoom", "View");
    dir.WriteMacro("ALPHA.MAC", "Say hello & more", "Chat");
    dir.WriteMacro("beta.Mac", "Rocket jump", "Movement");
    dir.WriteMacro("Gamma.MAC", "Say bye", "chat");
    dir.WriteMacro("delta.MAC", "Strafe jump", "Movement");
    dir.Write("macros/notes.txt", "not a macro");
    Load();
    EXPECT_EQ(Boxes(), E{});
    EXPECT_EQ(Descriptions(), (E{"Say hello & more", "Rocket jump", "Strafe jump", "Say bye", "Zoom"}));
    EXPECT_EQ(app().macroCatalogue.entries[0].Path, dir.Path("macros/ALPHA.MAC"));
    EXPECT_EQ(app().macroLists.categories, (E{"Chat", "Movement", "View"}));
    EXPECT_EQ(app().macroLists.categoryText, "Choose a macro category");

    ShowMacrosOfCategory(app().macroCatalogue, app().macroLists, "Movement");
    EXPECT_EQ(app().macroLists.availMacros, (E{"Rocket jump", "Strafe jump"}));
    ShowMacrosOfCategory(app().macroCatalogue, app().macroLists, "Chat");
    EXPECT_EQ(app().macroLists.availMacros, E{"Say hello & more"});
    EXPECT_EQ(FindMacroByDescription(app().macroCatalogue, "Say bye")->Path, dir.Path("macros/Gamma.MAC"));
    EXPECT_EQ(FindMacroByDescription(app().macroCatalogue, "say bye"), nullptr);

    // Only one of the two lists has a selection.
    app().player.includedMacros = {"Old one"};
    app().macroLists.availSelected = {true};
    IncludedMacrosEnter(app().macroLists);
    EXPECT_EQ(app().macroLists.availSelected, std::vector<bool>{false});
    app().macroLists.includedSelected = {true};
    AvailMacrosEnter(app().player, app().macroLists);
    EXPECT_EQ(app().macroLists.includedSelected, std::vector<bool>{false});
}

TEST_F(MacroCatalogueTest, ADuplicateDescriptionIsFatalAndStillAppended) {
    dir.WriteMacro("JUMP1.MAC", "Rocket Jump", "Movement");
    dir.WriteMacro("JUMP2.MAC", "Rocket Jump", "Movement");
    Load();
    EXPECT_EQ(Boxes(), E{"MacroLanguage Error (Rocket Jump: JUMP2.MAC): Macro Description found twice."});
    EXPECT_TRUE(app().report.shuttingDown);
    EXPECT_EQ(app().macroCatalogue.entries.size(), 2u);
    for (const MacroCatalogueEntry& entry : app().macroCatalogue.entries) EXPECT_EQ(entry.MacroDesc, "Rocket Jump");
}

// A second load replaces the catalogue; a missing or empty directory gives an empty one.
TEST_F(MacroCatalogueTest, EveryLoadStartsAfresh) {
    dir.WriteMacro("a.mac", "Zoom", "View");
    Load();
    Load();
    EXPECT_EQ(Descriptions(), E{"Zoom"});
    for (int round = 0; round < 2; ++round) {
        dir.Remove(round == 0 ? "macros/a.mac" : "macros");
        Load();
        EXPECT_TRUE(app().macroCatalogue.entries.empty());
        EXPECT_TRUE(app().macroLists.categories.empty());
    }
    EXPECT_EQ(Boxes(), E{});
}

TEST_F(MacroCatalogueTest, KeepsAtMost500MacrosAndSaysSoOnce) {
    for (int i = 0; i < 502; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "M%03d.MAC", i);
        dir.WriteMacro(name, "Macro " + std::to_string(i), "Cat");
    }
    Load();
    EXPECT_EQ(app().macroCatalogue.entries.size(), kMaxCatalogueEntries);
    EXPECT_EQ(app().macroCatalogue.entries.back().MacroDesc, "Macro 499");
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(host().boxes[0].icon, Icon::Warning);
}

}  // namespace
}  // namespace korvex
