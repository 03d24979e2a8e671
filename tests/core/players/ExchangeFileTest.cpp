#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "PlayerTestData.h"
#include "app/Korvex.h"
#include "platform/Path.h"
#include "players/ExchangeFile.h"
#include "players/ExchangeOperations.h"
#include "players/PlayerCfgFiles.h"

namespace korvex {
namespace {

using Names = std::vector<std::string>;

struct Exchange : PlayerStoreTest {
    const std::string file = dir.Path("players.kxp");

    void AnswerFile(const std::string& path) { host.exchangeFileAnswers.push_back({true, path}); }
    // Every file outside the Player-CFG directories.
    std::map<std::string, std::string> OutsidePlayers() const {
        auto files = dir.Snapshot();
        std::erase_if(files, [&](const auto& entry) { return entry.first.starts_with(dir.Path("players/")); });
        return files;
    }
    // What an import left in the players directory under the names of work in progress.
    Names WorkInProgress() const {
        Names left;
        for (const auto& entry : std::filesystem::directory_iterator(dir.Path("players")))
            if (entry.path().filename().string().find(".korvex-") != std::string::npos)
                left.push_back(entry.path().filename().string());
        return left;
    }
    Names BlockNames() const {
        Names names;
        for (const ExchangeBlock& block : IndexExchangeFile(file)) names.push_back(block.name);
        return names;
    }
};

TEST_F(Exchange, ExportWritesBlocksInListOrderAndReportsTheNames) {
    WritePlayer(dir, "Zulu");
    WritePlayer(dir, "alpha");
    dir.Write("players/alpha/R_BASIC.MAC.out", "Weapons\r\n-1\r\nno line end at the end");
    dir.Write("players/alpha/.hidden", "not exported");
    AnswerList({"Zulu", "alpha"});
    AnswerFile(file);
    BitBtn2Click(app);
    const PlayerListRequest& request = host.playerListRequests.at(0);
    EXPECT_EQ((Names{request.caption, request.label, request.confirmCaption, request.emptySelectionText}),
              (Names{"Select Player-CFGs to export", "Available Player-CFG's", "Export",
                     "You must select at least one Player-CFG."}));
    EXPECT_TRUE(request.multiSelect);
    EXPECT_EQ(host.exchangeFileRequests.at(0).fileName, "alpha, Zulu");
    EXPECT_TRUE(host.exchangeFileRequests.at(0).save);
    // The first file dialog starts in the home directory, the next ones where the last file was.
    EXPECT_EQ(host.exchangeFileRequests.at(0).directory, std::string(std::getenv("HOME")));
    EXPECT_EQ(host.BoxTexts(), Names{"alpha, Zulu have been exported."});
    EXPECT_EQ(BlockNames(), (Names{"alpha", "Zulu"}));
    // The header, options.dat 42 lines, bindings.dat 1, special.dat 11, the .out file 3, one header each.
    const std::string content = dir.Read("players.kxp");
    EXPECT_TRUE(content.starts_with("alpha\\\\62\r\n")) << content.substr(0, 40);
    EXPECT_NE(content.find("R_BASIC.MAC.out\\\\3\r\nWeapons\r\n-1\r\nno line end at the end\r\n"), std::string::npos);
    EXPECT_NE(content.find("\r\nZulu\\\\58\r\n"), std::string::npos);
    EXPECT_EQ(content.find(".hidden"), std::string::npos);

    // One Player-CFG, over the file after Yes.
    host.boxes.clear();
    host.Expect(Icon::Question, "The file " + file + " already exists. Do you want to overwrite it?", Button::Yes);
    AnswerList({"Zulu"});
    AnswerFile(file);
    BitBtn2Click(app);
    EXPECT_EQ(host.BoxTexts().back(), "Zulu has been exported.");
    EXPECT_EQ(BlockNames(), Names{"Zulu"});
    EXPECT_EQ(host.exchangeFileRequests.at(1).directory, ParentDirectory(file));
    host.exchangeFileAnswers.push_back({});
    BitBtn1Click(app);
    EXPECT_EQ(host.exchangeFileRequests.at(2).directory, ParentDirectory(file));
}

TEST_F(Exchange, ImportSkipsTheCurrentPlayerAndReadsABlockWithoutFiles) {
    WritePlayer(dir, "Other");
    dir.WriteLines("players.kxp", {"Player\\\\3", "options.dat\\\\1", "TRUE", "Empty\\\\1", "Other\\\\2",
                                   "notes.txt\\\\0"});
    ASSERT_EQ(BlockNames(), (Names{"Player", "Empty", "Other"}));
    const auto before = dir.Read("players/Player/options.dat");

    host.Expect(Icon::Question, "Player-CFG Other already exists. Do you want to overwrite it?", Button::Yes);
    AnswerFile(file);
    AnswerRows({0, 1, 2});
    BitBtn1Click(app);
    const PlayerListRequest& request = host.playerListRequests.at(0);
    EXPECT_EQ(request.caption, "Select Player-CFGs to import");
    EXPECT_EQ(request.names, (Names{"Empty", "Other", "Player"}));
    EXPECT_FALSE(host.exchangeFileRequests.at(0).save);
    EXPECT_EQ(host.BoxTexts(), (Names{"Player-CFG Other already exists. Do you want to overwrite it?",
                                      "Can't overwrite active Player-CFG.", "Empty, Other have been imported."}));
    EXPECT_EQ(dir.Read("players/Player/options.dat"), before);
    EXPECT_TRUE(dir.Exists("players/Empty"));
    EXPECT_EQ(dir.Read("players/Other/notes.txt"), "");
    // Files the block does not carry stay; the next save cleans them.
    EXPECT_TRUE(dir.Exists("players/Other/options.dat"));
    EXPECT_EQ(WorkInProgress(), Names{});

    // A file that is not there is reported instead of offering an empty list.
    host.boxes.clear();
    AnswerFile(dir.Path("gone.kxp"));
    BitBtn1Click(app);
    EXPECT_EQ(host.playerListRequests.size(), 1u);
    ASSERT_EQ(host.BoxTexts().size(), 1u);
    EXPECT_NE(host.BoxTexts()[0].find("gone.kxp"), std::string::npos) << host.BoxTexts()[0];
}

TEST_F(Exchange, ImportBringsTheSelectedBlockOfTwoOfTheSameName) {
    Names lines;
    for (const char* playername : {"first", "second"}) {
        Names options = TemplateOptionLines();
        options[33] = playername;
        lines.insert(lines.end(), {"Twin\\\\44", "options.dat\\\\42"});
        lines.insert(lines.end(), options.begin(), options.end());
    }
    dir.WriteLines("players.kxp", lines);
    const auto playername = [&] { return dir.Read("players/Twin/options.dat").substr(0, 400); };

    AnswerFile(file);
    AnswerRows({1});
    BitBtn1Click(app);
    EXPECT_EQ(host.playerListRequests.at(0).names, (Names{"Twin", "Twin"}));
    EXPECT_EQ(host.BoxTexts(), Names{"Twin has been imported."});
    EXPECT_NE(playername().find("\r\nsecond\r\n"), std::string::npos);

    host.Expect(Icon::Question, "Player-CFG Twin already exists. Do you want to overwrite it?", Button::Yes);
    AnswerFile(file);
    AnswerRows({0});
    BitBtn1Click(app);
    EXPECT_EQ(host.BoxTexts().back(), "Twin has been imported.");
    EXPECT_NE(playername().find("\r\nfirst\r\n"), std::string::npos);
}

TEST_F(Exchange, ABlockWhoseDataFileWouldNotLoadIsRefusedWhole) {
    WritePlayer(dir, "Long");
    Names options = TemplateOptionLines();
    Names lines{"Long\\\\47", "bindings.dat\\\\1", "0", "options.dat\\\\43"};
    lines.insert(lines.end(), options.begin(), options.end());
    lines.push_back("one line too many");
    // special.dat goes on after its additional commands, bindings.dat after its macros.
    Names special = SpecialLines("");
    special.insert(special.end(), {"TRUE", "0"});
    lines.insert(lines.end(), {"Memo\\\\15", "special.dat\\\\13"});
    lines.insert(lines.end(), special.begin(), special.end());
    lines.insert(lines.end(), {"Macros\\\\5", "bindings.dat\\\\3", "0", "R_BASIC.MAC", "Weapons"});
    // Fewer than 42 options load: the missing ones are empty.
    options.pop_back();
    lines.insert(lines.end(), {"Short\\\\43", "options.dat\\\\41"});
    lines.insert(lines.end(), options.begin(), options.end());
    dir.WriteLines("players.kxp", lines);
    const auto before = dir.Snapshot();

    EXPECT_FALSE(ImportFromFile(app, file, IndexExchangeFile(file)));
    const auto damaged = [&](const std::string& name, const std::string& problem) {
        return "The Player-CFG " + name + " in " + file + " is damaged: " + problem +
               ". Nothing of it has been imported.";
    };
    const std::string tooLong = " holds more lines than Korvex reads";
    EXPECT_EQ(host.BoxTexts(), (Names{damaged("Long", "its options.dat" + tooLong),
                                      damaged("Memo", "its special.dat" + tooLong),
                                      damaged("Macros", "its bindings.dat" + tooLong), "Short has been imported."}));
    // Long as it was, neither Memo nor Macros made, nothing left half built.
    auto after = dir.Snapshot();
    EXPECT_TRUE(after.contains(dir.Path("players/Short/options.dat")));
    std::erase_if(after, [&](const auto& entry) { return entry.first.starts_with(dir.Path("players/Short")); });
    EXPECT_EQ(after, before);
    EXPECT_EQ(WorkInProgress(), Names{});

    // A block that is no longer where the list saw it is not taken for another.
    host.boxes.clear();
    EXPECT_FALSE(ImportFromFile(app, file, {{"Ghost", 0}}));
    EXPECT_EQ(host.BoxTexts(), Names{damaged("Ghost", "the file has changed since its Player-CFGs were listed")});
}

TEST_F(Exchange, ReimportAfterYesGivesBackEveryFileByteForByte) {
    WritePlayer(dir, "Bravo");
    dir.WriteLines("players/Bravo/R_BASIC.MAC.out", {"Weapons", "0", "+attack", "Fire", "MOUSE1\xB0" "a", "",
                                                     "BIND MOUSE1\xB0" "a \"+attack\""});
    const auto exported = dir.Snapshot();
    ASSERT_TRUE(ExportToFile(app.report, app.paths, {"Bravo"}, file));
    dir.WriteLines("players/Bravo/options.dat", {"changed"});
    dir.Remove("players/Bravo/R_BASIC.MAC.out");

    host.Expect(Icon::Question, "Player-CFG Bravo already exists. Do you want to overwrite it?", Button::Yes);
    EXPECT_TRUE(ImportFromFile(app, file, IndexExchangeFile(file)));
    auto after = dir.Snapshot();
    after.erase(file);
    EXPECT_EQ(after, exported);
    EXPECT_EQ(host.BoxTexts().back(), "Bravo has been imported.");
}

TEST_F(Exchange, FilesFromOthersWriteNothingOutsideTheirPlayerCfg) {
    dir.WriteLines("players.kxp", {
        "Dots\\\\3", "..\\..\\x\\\\1", "escaped",          // a file name with backslashes
        "Root\\\\3", "/etc/x\\\\1", "escaped",             // an absolute path
        "..\\\\3", "options.dat\\\\1", "escaped",          // a block that names the parent
        "C:x\\\\1",                                        // a drive
        "Minus\\\\-1",                                     // the next line is a header again
        "Good\\\\3", "options.dat\\\\1", "kept",
        "Negative\\\\3", "options.dat\\\\-1", "",
        "Huge\\\\3", "options.dat\\\\2000000000", "",
        "Cut\\\\5", "options.dat\\\\3", "one", "two"});     // the file ends early
    EXPECT_EQ(BlockNames(), (Names{"Dots", "Root", "..", "C:x", "Minus", "Good", "Negative", "Huge", "Cut"}));
    const auto before = OutsidePlayers();
    EXPECT_FALSE(ImportFromFile(app, file, IndexExchangeFile(file)));
    EXPECT_EQ(OutsidePlayers(), before);
    EXPECT_EQ(dir.Read("players/Good/options.dat"), "kept\r\n");
    for (const char* name : {"Dots", "Root", "Minus", "Negative", "Huge", "Cut"})
        EXPECT_FALSE(dir.Exists(std::string("players/") + name)) << name;
    const Names boxes = host.BoxTexts();
    ASSERT_EQ(boxes.size(), 9u);
    EXPECT_EQ(boxes[0], "The Player-CFG Dots in " + file +
                            " is damaged: it holds a file named \"..\\..\\x\", which may not be written. Nothing of "
                            "it has been imported.");
    EXPECT_NE(boxes[1].find("\"/etc/x\""), std::string::npos);
    EXPECT_EQ(boxes[2], "Player-Name contains invalid characters. (..)");
    EXPECT_EQ(boxes[3], "Player-Name contains invalid characters. (C:x)");
    EXPECT_NE(boxes[4].find("its line count -1 is not valid"), std::string::npos);
    EXPECT_NE(boxes[5].find("the line count -1 of options.dat does not fit the block"), std::string::npos);
    EXPECT_NE(boxes[6].find("the line count 2000000000 of options.dat"), std::string::npos);
    EXPECT_NE(boxes[7].find("the file ends before the block does"), std::string::npos);
    EXPECT_EQ(boxes[8], "Good has been imported.");
}

}  // namespace
}  // namespace korvex
