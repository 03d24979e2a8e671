#include "MacroTestSupport.h"

#include <set>

#include "bindings/MacroOutputFile.h"
#include "macros/MacroCatalogue.h"
#include "macros/MacroDialog.h"
#include "macros/MacroLineReader.h"
#include "platform/Path.h"
#include "platform/Text.h"

namespace korvex {
namespace {

using E = std::vector<std::string>;

class MacroLibraryTest : public MacroTest {
protected:
    std::string Library() { return dir.Path("macros"); }

    // A full run that chooses item number `choice` (or the last one) in every combo box,
    // keeps the edit boxes' defaults and answers key k<n> to the n-th request. Returns the
    // most items a combo box offered.
    std::size_t RunChoosing(const std::string& path, std::size_t choice) {
        std::size_t mostItems = 0;
        RunMacro(run(), path, false);
        for (int ok = 0; app().interpreter.MacroSuspended && ok < 10; ++ok) {
            for (std::size_t i = 0; i < app().interpreter.dialog.inputCombos.size(); ++i) {
                const E items = app().interpreter.dialog.inputCombos[i].items;
                mostItems = std::max(mostItems, items.size());
                TypeIntoInputCombo(app().report, app().interpreter, i, items[std::min(choice, items.size() - 1)]);
            }
            Button1Click(run());
        }
        TMacroResults& results = app().macroResults;
        for (int i = 0; i <= results.LastKey; ++i)
            AddQuakeCommand(app().report, app().interpreter, app().macroResults,
                            BindLine("k" + std::to_string(i), results.Keys[i].Command));
        return mostItems;
    }
    E ErrorBoxes() {
        E errors;
        for (const auto& box : host().boxes)
            if (box.text.rfind("MacroLanguage Error", 0) == 0) errors.push_back(box.text);
        return errors;
    }
};

// Quake II has no nested quotes: a command holds no quotes, or one quoted text at its end.
bool IsQuakeCommand(const std::string& command) {
    const int quotes = CountChar('"', command);
    if (quotes == 0) return true;
    return quotes == 2 && command.back() == '"' && command.find('"') > 0;
}

// Quake II adds up opposite movement keys, so pressing both at once in one alias does nothing.
bool PressesOppositeKeys(const std::string& command) {
    static const std::pair<const char*, const char*> kOpposites[] = {
        {"+moveup", "+movedown"}, {"+forward", "+back"}, {"+moveleft", "+moveright"}, {"+left", "+right"},
        {"+lookup", "+lookdown"}};
    std::string text = ";" + command + ";";
    for (char& c : text)
        if (c == '"' || c == ' ') c = ';';
    const auto presses = [&](const char* key) { return text.find(";" + std::string(key) + ";") != std::string::npos; };
    for (const auto& [one, other] : kOpposites)
        if (presses(one) && presses(other)) return true;
    return false;
}

// What every run of a delivered macro must yield: Quake II commands the console reads as
// meant, "+" aliases with their "-" alias, and key requests for plain commands.
void ExpectValidQuakeResults(const TMacroResults& results, const std::string& run) {
    EXPECT_GE(results.LastCommand, 0) << run;
    std::set<std::string> aliases;
    for (int i = 0; i <= results.LastCommand; ++i) {
        const std::string& command = results.Commands[i];
        EXPECT_TRUE(IsQuakeCommand(command)) << run << ": " << command;
        EXPECT_FALSE(PressesOppositeKeys(command)) << run << ": " << command;
        EXPECT_EQ(command.find('&'), std::string::npos) << run << ": " << command;
        if (StartsWithIgnoringCase(command, "alias ")) aliases.insert(command.substr(6, command.find(' ', 6) - 6));
    }
    for (const std::string& alias : aliases) {
        if (alias[0] != '+') continue;
        EXPECT_TRUE(aliases.count("-" + alias.substr(1))) << run << ": " << alias;
    }
    for (int i = 0; i <= results.LastKey; ++i) {
        EXPECT_EQ(results.Keys[i].Command.find('"'), std::string::npos) << run;
        EXPECT_FALSE(results.Keys[i].Description.empty()) << run;
    }
}

TEST_F(MacroLibraryTest, EveryMacroIsCrLfTextAndLoadsIntoTheCatalogueWithItsHelpText) {
    for (const std::string& name : ListMacroFiles(Library())) {
        const std::string text = ReadWholeFile(JoinPath(Library(), name));
        ASSERT_FALSE(text.empty());
        EXPECT_EQ(text.substr(text.size() - 2), "\r\n") << name;
        for (std::size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 1))
            EXPECT_EQ(text[at - 1], '\r') << name;
    }
    LoadMacroCatalogue(app().report, app().macroCatalogue, app().macroLists, Library());
    EXPECT_EQ(Boxes(), E{});
    EXPECT_GE(app().macroCatalogue.entries.size(), 40u);
    EXPECT_GE(app().macroLists.categories.size(), 8u);
    for (const auto& entry : app().macroCatalogue.entries) EXPECT_GT(entry.MacroDetailDesc.size(), 20u) << entry.Path;
}

TEST_F(MacroLibraryTest, EveryMacroRunsWithEveryChoiceAndYieldsValidQuakeCommands) {
    for (const std::string& name : ListMacroFiles(Library())) {
        std::size_t items = 1;
        for (std::size_t choice = 0; choice < items; ++choice) {
            items = std::max<std::size_t>(1, RunChoosing(JoinPath(Library(), name), choice));
            const std::string run = name + ", choice " + std::to_string(choice);
            EXPECT_EQ(ErrorBoxes(), E{}) << run;
            EXPECT_FALSE(app().interpreter.MacroSuspended) << run;
            ExpectValidQuakeResults(app().macroResults, run);
            host().boxes.clear();
        }
    }
    EXPECT_FALSE(app().report.shuttingDown);
}

TEST_F(MacroLibraryTest, TheChatMacroAsksAgainWhileTheTextIsEmpty) {
    RunMacro(run(), JoinPath(Library(), "C_SAY.MAC"), false);
    TypeIntoInputField(app().report, app().interpreter, 0, "");
    Button1Click(run());
    EXPECT_EQ(Boxes(), E{"Please enter a message."});
    ASSERT_TRUE(app().interpreter.MacroSuspended);
    TypeIntoInputField(app().report, app().interpreter, 0, "Nice one");
    Button1Click(run());
    EXPECT_EQ(app().macroResults.Keys[0].Command, "say Nice one");
}

// The Blaster, for one, has no drop function in Quake II.
TEST_F(MacroLibraryTest, TheDropMacroOffersOnlyItemsQuakeIICanDrop) {
    const std::set<std::string> droppable = {"Bullets", "Shells", "Cells", "Grenades", "Rockets", "Slugs",
                                             "Shotgun", "Super Shotgun", "Machinegun", "Chaingun",
                                             "Grenade Launcher", "Rocket Launcher", "HyperBlaster", "Railgun", "BFG10K"};
    RunMacro(run(), JoinPath(Library(), "W_DROP.MAC"), false);
    ASSERT_EQ(app().interpreter.dialog.inputCombos.size(), 1u);
    for (const std::string& item : app().interpreter.dialog.inputCombos[0].items) EXPECT_TRUE(droppable.count(item)) << item;
    Button1Click(run());
}

// V_ZOOM.MAC is pinned by korvex-cli's compile test.
TEST_F(MacroLibraryTest, TheZoomAngleAndVolumeMacrosComputeTheirFactors) {
    RunMacro(run(), JoinPath(Library(), "V_ZOOMANGLE.MAC"), false);
    Button1Click(run());
    EXPECT_EQ(Commands()[0], "alias +zoomangle \"fov 30;m_yaw $MOUSEYAW_0.26795$;m_pitch $MOUSEPITCH_0.26795$\"");

    RunMacro(run(), JoinPath(Library(), "U_VOLUME.MAC"), false);
    Button1Click(run());
    EXPECT_EQ(Commands()[4], "alias vol_5 \"set s_volume 1;alias vol_up vol_6;alias vol_down vol_4;echo Volume 1\"");
}

}  // namespace
}  // namespace korvex
