#include <gtest/gtest.h>

#include <filesystem>

#include "PlayerTestData.h"
#include "app/Korvex.h"
#include "app/Recovery.h"
#include "compiler/ConfigCompiler.h"
#include "macros/MacroCatalogue.h"
#include "players/PlayerCfgFiles.h"
#include "players/PlayerDirs.h"
#include "players/PlayerOperations.h"

namespace korvex {
namespace {

using Names = std::vector<std::string>;

struct Operations : PlayerStoreTest {
    void AnswerName(std::string name) { host.playerNameAnswers.push_back({true, std::move(name)}); }
    void WriteMod(const std::string& file, const Names& lines) { dir.WriteLines("mods/" + file, lines); }
    // What the dialogs showed: caption, label, preset or selection mode, and the confirming button.
    Names ListDialog(size_t i) const {
        const PlayerListRequest& r = host.playerListRequests.at(i);
        return {r.caption, r.label, r.multiSelect ? "multi" : "single", r.confirmCaption};
    }
    Names NameDialog(size_t i) const {
        const PlayerNameRequest& r = host.playerNameRequests.at(i);
        return {r.caption, r.label, r.preset, r.confirmCaption};
    }
    std::string SavedOption(const std::string& player) const { return dir.Read("players/" + player + "/options.dat").substr(12, 4); }
};

TEST_F(Operations, ListsAreSortedWhateverTheDirectoryOrder) {
    for (const char* name : {"zulu", "Bravo", "alpha", "Charlie"}) WritePlayer(dir, name);
    dir.Write("players/stray.txt", "");
    host.playerListAnswers.push_back({});
    BitBtn4Click(app);
    EXPECT_EQ(ListDialog(0), (Names{"Change Player-CFG", "Available Player-CFG's", "single", "Change To"}));
    EXPECT_EQ(host.playerListRequests[0].names, (Names{"alpha", "Bravo", "Charlie", "Player", "zulu"}));

    app.player.SetText(Option::General3, "12");
    AnswerList({"Bravo"});
    BitBtn4Click(app);
    EXPECT_EQ(app.currentPlayerName, "Bravo");
    EXPECT_EQ(SavedOption("Player"), "12\r\n");
}

TEST_F(Operations, DeletingSeveralReportsTheCurrentOneOnceAndTheOthersTogether) {
    for (const char* name : {"Zed", "Alpha", "Kept"}) WritePlayer(dir, name);
    WriteMod("ctf", {"Capture The Flag (CTF)", "3", "Alpha", "Kept", "Zed", "TRUE", "FALSE", "q2ctf1", "", "0"});
    app.modTree.mods = {{"Capture The Flag (CTF)", {"Alpha", "Kept", "Zed"}}};
    app.view.page = Page::Options;
    // Korvex asks first; No deletes nothing.
    AnswerList({"Zed"});
    host.Expect(Icon::Question, "Delete Zed? This cannot be undone.", Button::No);
    BitBtn5Click(app);
    EXPECT_TRUE(dir.Exists("players/Zed"));
    EXPECT_EQ(host.boxes.size(), 1u);
    host.boxes.clear();

    AnswerList({"Zed", "Player", "Alpha"});
    host.Expect(Icon::Question, "Delete Alpha, Zed? This cannot be undone.", Button::Yes);
    BitBtn5Click(app);
    EXPECT_EQ(ListDialog(0), (Names{"Delete Player-CFG", "Available Player-CFG's", "multi", "Delete"}));
    EXPECT_EQ(host.BoxTexts(), (Names{"Delete Alpha, Zed? This cannot be undone.",
                                      "Cannot delete current player. (Player)", "Deleted Alpha, Zed."}));
    EXPECT_EQ(host.boxes.back().icon, Icon::Information);
    EXPECT_EQ(app.view.page, Page::ConfigEditor);
    EXPECT_FALSE(dir.Exists("players/Alpha"));
    EXPECT_FALSE(dir.Exists("players/Zed"));
    EXPECT_TRUE(dir.Exists("players/Player/options.dat"));
    EXPECT_EQ(dir.Read("mods/ctf"), JoinLines({"Capture The Flag (CTF)", "1", "Kept", "TRUE", "FALSE", "q2ctf1", "", "0"}));
    EXPECT_EQ(app.modTree.mods[0].players, Names{"Kept"});
}

TEST_F(Operations, ANewNameThatExistsIsRefusedAfterSavingAndANewOneStartsFromTheTemplate) {
    WritePlayer(dir, "Other");
    app.player.SetText(Option::General3, "12");
    AnswerName("other");
    BitBtn7Click(app);
    EXPECT_EQ(NameDialog(0), (Names{"New Player-CFG", "Name ", "", "Create"}));
    EXPECT_EQ(host.BoxTexts(), Names{"Player already exists. (other)"});
    EXPECT_EQ(app.currentPlayerName, "Player");
    EXPECT_EQ(SavedOption("Player"), "12\r\n");

    Names options = TemplateOptionLines();
    options[33] = "Template Name";
    dir.WriteLines("players/options.dat", options);
    AnswerName("Fresh");
    BitBtn7Click(app);
    EXPECT_EQ(app.currentPlayerName, "Fresh");
    EXPECT_EQ(app.player.Text(Option::Character8), "Template Name");
    EXPECT_EQ(dir.Read("players/Fresh/options.dat"), JoinLines(options));
    EXPECT_EQ(dir.Read("players/Fresh/bindings.dat"), "0\r\n");
}

// A player's first Player-CFG must launch as it comes: every option holds a value the
// compiler accepts.
TEST_F(Operations, ANewPlayerCfgFromTheDeliveredTemplateCompilesWithoutAMessage) {
    app.paths.quakeDir = dir.quakeDir();
    AnswerName("Newcomer");
    BitBtn7Click(app);
    ASSERT_EQ(app.currentPlayerName, "Newcomer");
    EXPECT_EQ(app.player.Text(Option::Character1), "Model: male");
    EXPECT_EQ(app.player.Text(Option::Character2), "Skin: grunt");
    EXPECT_TRUE(CompilePlayerConfig(app, "Newcomer", dir.quakeDir() + "/korvex", false));
    EXPECT_EQ(host.BoxTexts(), Names{});
    EXPECT_NE(dir.Read("../quake2/korvex/options.cfg").find("set skin \"male/grunt\""), std::string::npos);
}

TEST_F(Operations, ChangeNewAndRenameStartTheBindingsTabWithoutACategory) {
    WritePlayer(dir, "Other");
    const struct {
        const char* operation;
        void (*handler)(Korvex&);
        bool list;
    } operations[] = {{"change", BitBtn4Click, true}, {"new", BitBtn7Click, false}, {"rename", BitBtn8Click, false}};
    for (const auto& [operation, handler, list] : operations) {
        for (bool confirmed : {false, true}) {
            app.macroLists.categoryText = "Weapons";
            app.macroLists.availMacros = {"Fire"};
            app.macroLists.availSelected = {true};
            if (list) host.playerListAnswers.push_back({confirmed, {0}});  // "Other"
            else host.playerNameAnswers.push_back({confirmed, std::string(operation) + (confirmed ? "1" : "0")});
            handler(app);
            EXPECT_EQ(app.macroLists.categoryText, kChooseCategoryText) << operation << confirmed;
            EXPECT_TRUE(app.macroLists.availMacros.empty()) << operation << confirmed;
            EXPECT_TRUE(app.macroLists.availSelected.empty()) << operation << confirmed;
        }
    }
    EXPECT_EQ(app.currentPlayerName, "rename1");
}

TEST_F(Operations, NamesOtherSystemsRefuseAreInvalidEverywhere) {
    for (const char* name : {"a:b", "what?", "con", "Nul.txt", "COM1", "dots.", "blank ", "tab\tname", "../up"}) {
        AnswerName(name);
        BitBtn7Click(app);
        EXPECT_EQ(host.BoxTexts().back(), "Player-Name contains invalid characters. (" + std::string(name) + ")");
    }
    // An empty or all-blank name is no name at all: nothing happens, nothing is reported.
    const size_t boxes = host.boxes.size();
    for (const char* name : {"", "   ", " \t "}) {
        AnswerName(name);
        BitBtn7Click(app);
    }
    EXPECT_EQ(host.boxes.size(), boxes);
    EXPECT_EQ(FillPlayerList(app.paths), Names{"Player"});
    EXPECT_TRUE(IsPortablePlayerName("COM0 and CONSOLE"));
    EXPECT_TRUE(IsPortablePlayerName("Console"));
}

TEST_F(Operations, CopyOntoAnExistingPlayerCfgAsksFirst) {
    WritePlayer(dir, "Target");
    dir.Write("players/Target/Stale.MAC.out", "old");
    dir.Write("players/Target/Rocket.MAC.out", "old");
    dir.Write("players/Player/Rocket.MAC.out", "new\r\n");
    app.player.includedMacroFiles = {"Rocket.MAC"};
    app.player.SetText(Option::Character8, "Ranger");
    const auto before = dir.Snapshot();

    // The files beside the Player-CFGs are no Player-CFGs to copy onto.
    for (const char* file : {"lastplayer.dat", "OPTIONS.DAT"}) {
        AnswerName(file);
        BitBtn9Click(app);
        EXPECT_EQ(host.BoxTexts().back(), "Player already exists. (" + std::string(file) + ")");
    }
    EXPECT_EQ(host.boxes.size(), 2u);
    EXPECT_EQ(dir.Snapshot(), before);

    AnswerName("Target");
    host.Expect(Icon::Question, "Player-CFG already exists. Overwrite?", Button::No);
    BitBtn9Click(app);
    EXPECT_EQ(NameDialog(0), (Names{"Copy Player-CFG", "New name", "Player", "Copy To"}));
    EXPECT_EQ(dir.Snapshot(), before);

    AnswerName("Target");
    host.Expect(Icon::Question, "Player-CFG already exists. Overwrite?", Button::Yes);
    BitBtn9Click(app);
    EXPECT_EQ(host.BoxTexts().back(), "Current Player-CFG copied to Target.");
    EXPECT_EQ(app.currentPlayerName, "Player");
    EXPECT_FALSE(dir.Exists("players/Target/Stale.MAC.out"));
    EXPECT_EQ(dir.Read("players/Target/Rocket.MAC.out"), "new\r\n");
    EXPECT_NE(dir.Read("players/Target/options.dat").find("Ranger"), std::string::npos);
    EXPECT_EQ(dir.Read("players/Player/options.dat"), before.at(dir.Path("players/Player/options.dat")));

    AnswerName("Player");
    host.Expect(Icon::Question, "Player-CFG already exists. Overwrite?", Button::Yes);
    BitBtn9Click(app);
    EXPECT_EQ(dir.Read("players/Player/Rocket.MAC.out"), "new\r\n");
}

TEST_F(Operations, RenameKeepsThoseThatInheritFromIt) {
    WritePlayer(dir, "Child", "player");
    WritePlayer(dir, "Grandchild", "Child");
    // A choice that is switched off is kept for when it is switched on again.
    Names special = SpecialLines("Player");
    special[0] = "FALSE";
    special.push_back("a line Korvex does not read");
    dir.WriteLines("players/Unchecked/special.dat", special);
    const std::string grandchild = dir.Read("players/Grandchild/special.dat");

    AnswerName("Ace");
    BitBtn8Click(app);
    EXPECT_EQ(host.BoxTexts(), Names{"Renamed current Player-CFG to Ace."});
    EXPECT_EQ(dir.Read("players/Child/special.dat"), JoinLines(SpecialLines("Ace")));
    special[1] = "Ace";
    EXPECT_EQ(dir.Read("players/Unchecked/special.dat"), JoinLines(special));
    EXPECT_EQ(dir.Read("players/Grandchild/special.dat"), grandchild);

    LoadPlayerCFG(app, "Child");
    EXPECT_EQ(host.BoxTexts().size(), 1u);
    EXPECT_TRUE(app.player.special1);
    EXPECT_EQ(app.player.inherit1, "Ace");
}

TEST_F(Operations, RenameKeepsEveryModAssignmentInStep) {
    WriteMod("ctf", {"Capture The Flag (CTF)", "2", "Player", "Other", "TRUE", "FALSE", "", "", "0", "1", "bind x y"});
    WriteMod("arena", {"Arena (beta) (arena)", "1", "Player", "FALSE", "TRUE", "", "", "2"});
    WritePlayer(dir, "Other");
    app.modTree.mods = {{"Capture The Flag (CTF)", {"Other", "Player"}}, {"Arena (beta) (arena)", {"Player"}}};

    AnswerName("Other");
    BitBtn8Click(app);
    EXPECT_EQ(host.BoxTexts(), Names{"Player already exists. (Other)"});

    AnswerName("Ace");
    BitBtn8Click(app);
    EXPECT_EQ(NameDialog(0), (Names{"Rename Player-CFG", "New name", "Player", "Rename"}));
    EXPECT_EQ(host.BoxTexts().back(), "Renamed current Player-CFG to Ace.");
    EXPECT_EQ(app.currentPlayerName, "Ace");
    EXPECT_TRUE(dir.Exists("players/Ace/options.dat"));
    EXPECT_FALSE(dir.Exists("players/Player"));
    EXPECT_EQ(dir.Read("mods/ctf"),
              JoinLines({"Capture The Flag (CTF)", "2", "Ace", "Other", "TRUE", "FALSE", "", "", "0", "1", "bind x y"}));
    EXPECT_EQ(dir.Read("mods/arena"), JoinLines({"Arena (beta) (arena)", "1", "Ace", "FALSE", "TRUE", "", "", "2"}));
    EXPECT_FALSE(dir.Exists("mods/ctf.korvex-new"));
    EXPECT_FALSE(dir.Exists("pending.dat"));
    ASSERT_EQ(app.modTree.mods.size(), 2u);
    EXPECT_EQ(app.modTree.mods[0].text, "Arena (beta) (arena)");
    EXPECT_EQ(app.modTree.mods[0].players, Names{"Ace"});
    EXPECT_EQ(app.modTree.mods[1].players, (Names{"Ace", "Other"}));

    AnswerName("a/b");
    BitBtn8Click(app);
    EXPECT_EQ(host.BoxTexts().back(), "Couldn't rename player. (to a/b)");

    // A MOD file that cannot be rewritten keeps its content and says so; the next start
    // finishes the rename, and a start after that has nothing left to do.
    std::filesystem::create_directories(dir.Path("mods/arena.korvex-new/blocked"));
    AnswerName("Bo");
    BitBtn8Click(app);
    EXPECT_EQ(host.BoxTexts()[host.BoxTexts().size() - 2], "Couldn't create file. (" + dir.Path("mods/arena.TMP") + ")");
    EXPECT_EQ(host.BoxTexts().back(), "Renamed current Player-CFG to Bo.");
    EXPECT_EQ(dir.Read("mods/arena"), JoinLines({"Arena (beta) (arena)", "1", "Ace", "FALSE", "TRUE", "", "", "2"}));
    EXPECT_EQ(app.currentPlayerName, "Bo");

    FinishInterruptedWork(app.report, app.paths);
    EXPECT_EQ(host.BoxTexts().back(),
              "Korvex was stopped while renaming the Player-CFG Ace to Bo. That has now been finished.");
    EXPECT_EQ(dir.Read("mods/arena"), JoinLines({"Arena (beta) (arena)", "1", "Bo", "FALSE", "TRUE", "", "", "2"}));
    EXPECT_FALSE(dir.Exists("mods/arena.korvex-new"));
    const auto boxes = host.boxes.size();
    const auto finished = dir.Snapshot();
    FinishInterruptedWork(app.report, app.paths);
    EXPECT_EQ(host.boxes.size(), boxes);
    EXPECT_EQ(dir.Snapshot(), finished);
}

// What a kill leaves in the middle of an operation: its record, and entries being built,
// thrown away or set aside. The next start finishes the operation and clears the rest.
TEST_F(Operations, TheNextStartFinishesAnInterruptedDeletionAndClearsWorkInProgress) {
    WritePlayer(dir, "Spare");
    WriteMod("ctf", {"Capture The Flag (CTF)", "2", "Player", "Spare", "TRUE", "FALSE", "", "", "0"});
    dir.WriteLines("pending.dat", {"delete-player", "Spare"});
    WritePlayer(dir, "Half.korvex-new");
    WritePlayer(dir, "Moved.korvex-aside");
    WritePlayer(dir, "Player.korvex-aside");
    dir.Write("mods/arena.korvex-new", "Arena");
    dir.Write("players/Player/options.dat.korvex-new", "");

    FinishInterruptedWork(app.report, app.paths);
    EXPECT_EQ(host.BoxTexts(), Names{"Korvex was stopped while deleting the Player-CFG Spare. That has now been finished."});
    EXPECT_EQ(FillPlayerList(app.paths), (Names{"Moved", "Player"}));
    EXPECT_EQ(dir.Read("mods/ctf"), JoinLines({"Capture The Flag (CTF)", "1", "Player", "TRUE", "FALSE", "", "", "0"}));
    for (const char* gone : {"pending.dat", "players/Spare.korvex-old", "players/Half.korvex-new", "players/Player.korvex-aside",
                             "mods/arena.korvex-new", "players/Player/options.dat.korvex-new"})
        EXPECT_FALSE(dir.Exists(gone)) << gone;
}

}  // namespace
}  // namespace korvex
