#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "app/Korvex.h"
#include "app/Recovery.h"
#include "install/ModFilesMove.h"
#include "mods/ModCatalogue.h"
#include "mods/ModDialogRequests.h"
#include "mods/ModMaintenance.h"
#include "mods/ModManifest.h"
#include "mods/ModTree.h"
#include "support/ProgramDirTest.h"

namespace korvex {
namespace {

using Lines = std::vector<std::string>;
namespace fs = std::filesystem;

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
    LoadModCatalogue(app.report, app.paths, app.modTree);
    EXPECT_EQ(host.BoxTexts(), Lines{});
    EXPECT_EQ(Tree(), (std::vector<std::pair<std::string, Lines>>{{"Arena (beta) (arena)", {}},
                                                                   {"Capture The Flag (CTF)", {"Ace", "Zed"}},
                                                                   {"Huge (HUGE)", {"Only"}},
                                                                   {"Rocket (ROCKET)", {}}}));

    dir.WriteLines("mods/ctf", {"Capture The Flag (CTF)", "0", "TRUE", "TRUE", "", "", "0", "0", "left over"});
    LoadModCatalogue(app.report, app.paths, app.modTree);
    ASSERT_FALSE(host.BoxTexts().empty());
    EXPECT_EQ(host.BoxTexts().back(),
              "Programmer: end of file not reached, check file format. (" + dir.Path("mods/ctf") + ")");
    EXPECT_TRUE(app.report.shuttingDown);
}

TEST_F(Catalogue, AddsOnlyRealDirectoriesAndNeverOverwritesAnEntry) {
    EXPECT_FALSE(AddModToCatalogue(app.report, app.paths, app.modTree, "..Unknown..", "X"));
    EXPECT_FALSE(AddModToCatalogue(app.report, app.paths, app.modTree, "Dot", "."));
    EXPECT_FALSE(AddModToCatalogue(app.report, app.paths, app.modTree, "Dots", ".."));
    EXPECT_FALSE(AddModToCatalogue(app.report, app.paths, app.modTree, "Escape", "A/B"));
    EXPECT_EQ(host.BoxTexts(), Lines{"Invalid path. (A/B)"});

    ASSERT_TRUE(AddModToCatalogue(app.report, app.paths, app.modTree, "Capture The Flag", "CTF"));
    EXPECT_EQ(dir.Read("mods/ctf"), JoinLines({"Capture The Flag (CTF)", "0", "TRUE", "TRUE", "", "", "0"}));
    dir.WriteLines("mods/ctf", {"Capture The Flag (CTF)", "1", "Player", "FALSE", "FALSE", "q2ctf1", "", "3"});
    EXPECT_FALSE(AddModToCatalogue(app.report, app.paths, app.modTree, "Other Name", "CTF"));
    EXPECT_EQ(host.BoxTexts().back(), "Modification already in available mods list. (CTF)");
    EXPECT_EQ(dir.Read("mods/ctf"),
              JoinLines({"Capture The Flag (CTF)", "1", "Player", "FALSE", "FALSE", "q2ctf1", "", "3"}));
    EXPECT_EQ(Tree().size(), 1u);
    EXPECT_EQ(ModNameOfNodeText(Tree()[0].first), "Capture The Flag");
}

TEST_F(Catalogue, ReplaceResetsOptionsAndPlayerCfgs) {
    dir.WriteLines("mods/ctf", {"Old (ctf)", "1", "Player", "FALSE", "FALSE", "q2ctf1", "-x", "3", "1", "bind a b"});
    LoadModCatalogue(app.report, app.paths, app.modTree);
    ReplaceModEntry(app.report, app.paths, app.modTree, "Capture The Flag", "CTF");
    EXPECT_EQ(dir.Read("mods/ctf"), JoinLines({"Capture The Flag (CTF)", "0", "TRUE", "TRUE", "", "", "0"}));
    EXPECT_EQ(Tree(), (std::vector<std::pair<std::string, Lines>>{{"Capture The Flag (CTF)", {}}}));

    ReplaceModEntry(app.report, app.paths, app.modTree, "Rocket Arena", "ROCKET");
    EXPECT_TRUE(dir.Exists("mods/rocket"));
}

class Maintenance : public ProgramDirTest {
protected:
    Maintenance() {
        app.paths.quakeDir = dir.quakeDir();
        dir.WriteLines("mods/ctf", {"Capture The Flag (CTF)", "1", "Player", "TRUE", "TRUE", "", "", "0"});
        dir.WriteLines("mods/arena", {"Arena (beta) (arena)", "0", "TRUE", "TRUE", "", "", "0"});
        LoadModCatalogue(app.report, app.paths, app.modTree);
    }
    void Select(const std::string& modText, std::optional<std::string> player = std::nullopt) {
        app.modTree.selected = ModSelection{modText, std::move(player)};
    }
    std::vector<std::string> TreeTexts() { return ModTreeTexts(app.modTree); }
};

TEST_F(Maintenance, OptionsAreSavedOnOkOnlyAndAPlayerCfgMayBeListedTwice) {
    Select("Capture The Flag (CTF)");
    const auto before = dir.Snapshot();
    host.editModAnswers.push_back({});
    EXPECT_FALSE(EditModOptions(app));
    EXPECT_EQ(dir.Snapshot(), before);
    ASSERT_EQ(host.editModRequests.size(), 1u);
    const EditModOptionsRequest& request = host.editModRequests[0];
    EXPECT_EQ(request.caption, "Edit MOD's Options and assign players to MOD (Capture The Flag)");
    EXPECT_EQ(request.entry.playerCfgs, Lines{"Player"});
    EXPECT_EQ(request.availablePlayers, Lines{"Player"});
    EXPECT_EQ(request.mapsDirectory, Quake("ctf"));

    ModEntry changed = request.entry;
    changed.playerCfgs = {"Player", "Player"};
    changed.deathmatch = false;
    changed.mapName = "q2ctf2";
    changed.configLines = {"set a 1"};
    host.editModAnswers.push_back({true, changed});
    EXPECT_TRUE(EditModOptions(app));
    EXPECT_EQ(dir.Read("mods/ctf"), JoinLines({"Capture The Flag (CTF)", "2", "Player", "Player", "TRUE", "FALSE",
                                               "q2ctf2", "", "0", "1", "set a 1"}));
    EXPECT_EQ(FindModNode(app.modTree, "Capture The Flag (CTF)")->players, (Lines{"Player", "Player"}));

    // A read-me nothing can open is reported with its name.
    WriteWholeFile(Quake("ctf/readme.txt"), "read me\n");
    const std::string path = std::getenv("PATH");
    ::setenv("PATH", dir.root().c_str(), 1);
    host.editModRequests.at(0).viewReadme(Quake("ctf/readme.txt"));
    ::setenv("PATH", path.c_str(), 1);
    EXPECT_EQ(host.BoxTexts().back(), "No viewer configured for this filetype. (readme.txt)");

    EXPECT_EQ(MapNameOfFile("q2dm1.bsp"), "q2dm1");
    EXPECT_EQ(MapNameOfFile("Q2DM1.BSP"), "");
}

TEST_F(Maintenance, RemovingKeepsOrDeletesTheGameDirectoryAndNeverLeavesIt) {
    Select("Capture The Flag (CTF)", "Player");
    RemoveMODButtonClick(app.report, app.paths, app.modTree);
    EXPECT_EQ(host.BoxTexts(), Lines{kNoModText});

    Select("Capture The Flag (CTF)");
    host.removeModAnswers.push_back({true, false});
    RemoveMODButtonClick(app.report, app.paths, app.modTree);
    EXPECT_EQ(host.removeModRequests.at(0).caption, "Remove MOD Capture The Flag (CTF) ?");
    EXPECT_FALSE(dir.Exists("mods/ctf"));
    EXPECT_TRUE(fs::exists(Quake("ctf/pak0.pak")));
    EXPECT_EQ(TreeTexts(), Lines{"Arena (beta) (arena)"});

    Select("Arena (beta) (arena)");
    host.removeModAnswers.push_back({true, true});
    RemoveMODButtonClick(app.report, app.paths, app.modTree);
    EXPECT_EQ(host.BoxTexts().back(), "The MOD has been deleted.");
    EXPECT_FALSE(fs::exists(Quake("arena")));
    EXPECT_TRUE(TreeTexts().empty());
    EXPECT_FALSE(EditModOptionsButtonVisible(app.modTree));
    EXPECT_FALSE(LaunchQuakeIIButtonVisible(app.modTree));

    dir.WriteLines("mods/odd", {"Odd (..)", "0"});
    LoadModCatalogue(app.report, app.paths, app.modTree);
    EXPECT_FALSE(RemoveMod(app.report, app.paths, app.modTree, "Odd (..)", true));
    EXPECT_EQ(host.BoxTexts().back(), "Invalid path. (..)");
    EXPECT_TRUE(fs::exists(Quake("ctf")));
    EXPECT_TRUE(dir.Exists("mods/odd"));
}

class ManifestRemoval : public Maintenance {
protected:
    // Installs files (path below the MOD's root, content) into the game directory, with a manifest.
    void InstallFiles(const std::string& directory, const std::vector<std::pair<std::string, std::string>>& files) {
        for (const auto& [path, content] : files) {
            fs::create_directories(fs::path(dir.Path("temp/root/" + path)).parent_path());
            WriteWholeFile(dir.Path("temp/root/" + path), content);
        }
        ASSERT_TRUE(InstallModFiles(app.report, app.paths, dir.Path("temp/root"), Quake(directory), true));
    }
    std::vector<std::string> ManifestPaths(const std::string& directory) {
        std::vector<std::string> paths;
        if (const auto manifest = ReadManifest(dir.Path("manifests/" + directory)))
            for (const ManifestFile& file : *manifest) paths.push_back(file.path);
        return paths;
    }
};

// The manifest's files go, exactly: the player's own files and the changed files he keeps stay,
// directories left empty go, and a file the installation replaced comes back. Cancel changes nothing.
TEST_F(ManifestRemoval, RemovesUnchangedFilesAsksAboutChangedOnesAndPutsBackReplacedOnes) {
    dir.WriteLines("mods/newmod", {"New (NEWMOD)", "0"});
    InstallFiles("newmod", {{"pak0.pak", "pak"}, {"maps/a.bsp", "map a"}, {"mod.cfg", "set a 1"}});
    const std::string baseq2Pak = ReadWholeFile(Quake("baseq2/pak0.pak"));
    dir.WriteLines("mods/baseq2", {"Pack (BASEQ2)", "0"});
    InstallFiles("baseq2", {{"pak0.pak", "pack"}, {"maps/new.bsp", "new map"}});
    LoadModCatalogue(app.report, app.paths, app.modTree);
    WriteWholeFile(Quake("newmod/mod.cfg"), "set a 2");
    WriteWholeFile(Quake("newmod/save.sav"), "mine");

    host.changedModFilesAnswers = {{false, {}}};
    EXPECT_FALSE(RemoveMod(app.report, app.paths, app.modTree, "New (NEWMOD)", true));
    EXPECT_EQ(host.changedModFilesRequests.at(0).caption, "Changed files of New (NEWMOD)");
    EXPECT_EQ(host.changedModFilesRequests.at(0).files, Lines{"newmod/mod.cfg"});
    EXPECT_TRUE(fs::exists(Quake("newmod/pak0.pak")));
    EXPECT_TRUE(dir.Exists("mods/newmod"));

    host.changedModFilesAnswers = {{true, {}}};
    host.Expect(Icon::Information, "The MOD has been deleted.", Button::Ok);
    EXPECT_TRUE(RemoveMod(app.report, app.paths, app.modTree, "New (NEWMOD)", true));
    EXPECT_FALSE(fs::exists(Quake("newmod/pak0.pak")));
    EXPECT_FALSE(fs::exists(Quake("newmod/maps")));
    EXPECT_EQ(ReadWholeFile(Quake("newmod/mod.cfg")), "set a 2");
    EXPECT_EQ(ReadWholeFile(Quake("newmod/save.sav")), "mine");
    EXPECT_FALSE(dir.Exists("mods/newmod"));
    EXPECT_FALSE(dir.Exists("manifests/newmod"));

    WriteWholeFile(Quake("baseq2/maps/new.bsp"), "changed map");
    host.changedModFilesAnswers = {{true, {"baseq2/maps/new.bsp"}}};
    host.Expect(Icon::Information, "The MOD has been deleted.", Button::Ok);
    EXPECT_TRUE(RemoveMod(app.report, app.paths, app.modTree, "Pack (BASEQ2)", true));
    EXPECT_EQ(ReadWholeFile(Quake("baseq2/pak0.pak")), baseq2Pak);
    EXPECT_FALSE(fs::exists(Quake("baseq2/maps")));
    EXPECT_TRUE(fs::exists(Quake("baseq2/players")));
    EXPECT_EQ(TreeTexts(), (Lines{"Arena (beta) (arena)", "Capture The Flag (CTF)"}));
}

// A removal interrupted after a replaced file came back is finished without deleting it; the
// manifest follows a rename and goes with an entry removed without the files.
TEST_F(ManifestRemoval, AnInterruptedRemovalIsFinishedAndTheManifestFollowsItsMod) {
    dir.WriteLines("mods/baseq2", {"Pack (BASEQ2)", "0"});
    const std::string baseq2Pak = ReadWholeFile(Quake("baseq2/pak0.pak"));
    InstallFiles("baseq2", {{"pak0.pak", "pack"}, {"maps/new.bsp", "new map"}});
    fs::remove(Quake("baseq2/maps/new.bsp"));
    fs::copy_file(dir.Path("manifests/baseq2/replaced/baseq2/pak0.pak"), Quake("baseq2/pak0.pak"),
                  fs::copy_options::overwrite_existing);
    dir.WriteLines("pending.dat", {"remove-mod-files", "baseq2"});
    host.Expect(Icon::Information,
                "Korvex was stopped while removing the files of the MOD baseq2. That has now been finished.",
                Button::Ok);
    FinishInterruptedWork(app.report, app.paths);
    EXPECT_EQ(ReadWholeFile(Quake("baseq2/pak0.pak")), baseq2Pak);
    EXPECT_FALSE(dir.Exists("mods/baseq2"));
    EXPECT_FALSE(dir.Exists("manifests/baseq2"));

    dir.WriteLines("mods/newmod", {"New (NEWMOD)", "0"});
    InstallFiles("newmod", {{"pak0.pak", "pak"}});
    LoadModCatalogue(app.report, app.paths, app.modTree);
    EXPECT_TRUE(RenameMod(app.report, app.paths, app.modTree, "New (NEWMOD)", "Newer", "newer"));
    EXPECT_FALSE(dir.Exists("manifests/newmod"));
    EXPECT_EQ(ManifestPaths("newer"), Lines{"newer/pak0.pak"});
    EXPECT_TRUE(RemoveMod(app.report, app.paths, app.modTree, "Newer (NEWER)", false));
    EXPECT_FALSE(dir.Exists("manifests/newer"));
    EXPECT_TRUE(fs::exists(Quake("newer/pak0.pak")));
}

TEST_F(Maintenance, RenamingMovesDirectoryAndEntryButNeverOntoAnotherMod) {
    fs::rename(Quake("ctf"), Quake("CTF"));
    Select("Capture The Flag (CTF)");
    host.renameModAnswers.push_back({true, "CTF Classic", "CTF"});
    RenameMODButtonClick(app.report, app.paths, app.modTree);
    EXPECT_EQ(host.renameModRequests.at(0).name, "Capture The Flag");
    EXPECT_EQ(host.renameModRequests.at(0).directory, "CTF");
    // A name-only rename still gives the game directory its lower-case name.
    EXPECT_TRUE(fs::exists(Quake("ctf/pak0.pak")));
    EXPECT_FALSE(fs::exists(Quake("CTF")));
    EXPECT_EQ(dir.Read("mods/ctf"), JoinLines({"CTF Classic (CTF)", "1", "Player", "TRUE", "TRUE", "", "", "0"}));
    EXPECT_EQ(app.modTree.selected->modText, "CTF Classic (CTF)");

    EXPECT_FALSE(RenameMod(app.report, app.paths, app.modTree, "CTF Classic (CTF)", "Arena", "arena"));
    EXPECT_EQ(host.BoxTexts().back(), "Directory already exists. (" + dir.Path("mods/ARENA") + ")");
    EXPECT_FALSE(RenameMod(app.report, app.paths, app.modTree, "CTF Classic (CTF)", "Up", "../up"));
    EXPECT_EQ(host.BoxTexts().back(), "Invalid path. (../UP)");
    EXPECT_TRUE(fs::exists(Quake("ctf/pak0.pak")));

    // The same directory in other letters is no other MOD.
    EXPECT_TRUE(RenameMod(app.report, app.paths, app.modTree, "CTF Classic (CTF)", "Flags", "ctf"));
    EXPECT_TRUE(RenameMod(app.report, app.paths, app.modTree, "Flags (CTF)", "Flags", "threewave"));
    EXPECT_TRUE(fs::exists(Quake("threewave/pak0.pak")));
    EXPECT_FALSE(dir.Exists("mods/ctf"));
    EXPECT_EQ(dir.Read("mods/threewave"), JoinLines({"Flags (THREEWAVE)", "1", "Player", "TRUE", "TRUE", "", "", "0"}));
    EXPECT_EQ(TreeTexts(), (Lines{"Arena (beta) (arena)", "Flags (THREEWAVE)"}));
}

TEST_F(Maintenance, AServerSideOnlyModIsStoredUpperCasedAndADoubleClickEditsAnEmptyMod) {
    host.serverSideAnswers.push_back({true, "Rocket Arena", "ra2"});
    ServerSideButtonClick(app.report, app.paths, app.modTree);
    EXPECT_EQ(dir.Read("mods/ra2"), JoinLines({"Rocket Arena (RA2)", "0", "TRUE", "TRUE", "", "", "0"}));
    EXPECT_FALSE(fs::exists(Quake("ra2")));
    EXPECT_TRUE(ServerSideModComplete("x", "y"));
    EXPECT_FALSE(ServerSideModComplete("x", ""));

    Select("Capture The Flag (CTF)");
    EXPECT_FALSE(AvailMODsDblClick(app));  // it has Player-CFGs: the tree only expands
    Select("Rocket Arena (RA2)");
    host.editModAnswers.push_back({});
    EXPECT_TRUE(AvailMODsDblClick(app));
    EXPECT_EQ(host.editModRequests.size(), 1u);
}

}  // namespace
}  // namespace korvex
