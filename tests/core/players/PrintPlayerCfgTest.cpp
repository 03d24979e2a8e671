#include <gtest/gtest.h>

#include "PlayerTestData.h"
#include "app/Korvex.h"
#include "compiler/CompileJob.h"
#include "players/PlayerCfgFiles.h"
#include "players/PrintLayout.h"
#include "players/PrintPlayerCfg.h"
#include "support/ProgramDirTest.h"
#include "support/RecordingCanvas.h"

namespace korvex {
namespace {

using Names = std::vector<std::string>;
constexpr int kMargin = 40;   // four default font heights
constexpr int kAdvance = 90;  // 1.5 heights of a 12 point font

struct Printing : ProgramDirTest {
    CompileJob job;

    Printing() {
        app.currentPlayerName = "Player";
        job.playerName = "Player";
        job.player = DefaultPlayerCfg();
    }
    // A macro of the catalogue and its .out file in the Player-CFG.
    void AddMacro(const std::string& file, const std::string& category, const Names& outLines) {
        app.macroCatalogue.entries.push_back({dir.Path("macros/" + file), category, file, ""});
        dir.WriteLines("players/Player/" + file + ".out", outLines);
        job.outFiles.push_back(dir.Path("players/Player/" + file + ".out"));
        if (std::find(job.categories.begin(), job.categories.end(), category) == job.categories.end())
            job.categories.push_back(category);
    }
    // The texts that follow the line with this text, up to the next empty one.
    Names LinesAfter(const RecordingCanvas& canvas, const std::string& text) const {
        Names after;
        bool found = false;
        for (const DrawnLine& line : canvas.lines) {
            if (found && line.text.empty()) break;
            if (found) after.push_back(line.text);
            found = found || line.text == text;
        }
        return after;
    }
};

TEST_F(Printing, OptionValuesStandAtColumnSeventyAndFollowTheSettings) {
    job.player.SetFlag(Option::Video10, true);
    job.player.SetText(Option::Video3, "100% screen size");
    RecordingCanvas canvas;
    ASSERT_TRUE(PrintPlayerCFG(app, job, canvas));
    const std::string weapons = "     visible weapons" + std::string(43, ' ') + "enabled";
    ASSERT_EQ(weapons.size(), 70u);
    ASSERT_NE(canvas.Find(weapons), nullptr);
    EXPECT_FALSE(canvas.Find(weapons)->font.underline);
    EXPECT_EQ(PadToColumn(std::string(75, 'x') + kColumnMarker + "y", 70), std::string(75, 'x') + "y");

    const DrawnLine* title = canvas.Find("Configuration for Player");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ((std::vector<int>{title->x, title->y, title->font.pointSize, title->font.underline}),
              (std::vector<int>{kMargin, kMargin, 16, 1}));
    const DrawnLine* general = canvas.Find("General:");
    ASSERT_NE(general, nullptr);
    EXPECT_EQ(general->x, kMargin + 2 * 60);  // two leading blanks, two font heights
    EXPECT_TRUE(general->font.underline);

    const Names video = LinesAfter(canvas, "Video:");
    ASSERT_GE(video.size(), 4u);
    EXPECT_TRUE(video[2].starts_with("     video values") && video[2].ends_with("100% screen size"));
    EXPECT_TRUE(video[3].starts_with("     8-bit textures"));
    const std::string inherits = "     inherit bindings/options" + std::string(33, ' ') + "disabled";
    EXPECT_EQ(canvas.Find(inherits) - canvas.Find("Special"), 2);  // after an empty line
    EXPECT_EQ(LinesAfter(canvas, inherits), Names{});               // and alone
    EXPECT_EQ(canvas.ended, 1);

    // Without the sight improvement the other video values follow; an empty light intensity does not.
    job.player.SetFlag(Option::Video10, false);
    job.player.SetText(Option::Video6, "");
    job.player.special1 = true;
    job.player.inherit1 = "Ancestor";
    job.playerName = "Other";  // korvex-cli prints a Player-CFG that is not the current one
    RecordingCanvas second;
    ASSERT_TRUE(PrintPlayerCFG(app, job, second));
    const Names more = LinesAfter(second, "Video:");
    EXPECT_EQ(more[3], std::string(70 - 10, ' ') + "Brightness");
    EXPECT_EQ(more[4], std::string(70 - 18, ' ') + "GL Texture quality");
    EXPECT_TRUE(more[5].starts_with("     8-bit textures"));
    EXPECT_NE(second.Find("     player to inherit settings from" + std::string(26, ' ') + "Ancestor"), nullptr);
    EXPECT_NE(second.Find("     inherit server options" + std::string(35, ' ') + "disabled"), nullptr);
    EXPECT_NE(second.Find("Configuration for Other"), nullptr);
    EXPECT_NE(second.Find("Key-Bindings for Other"), nullptr);
}

TEST_F(Printing, KeyBindingsPerCategoryOnceWithTheKeysOfOneFunctionCloser) {
    AddMacro("FIRE.MAC", "Weapons", {"Weapons", "0", "+attack", "Fire", "MOUSE1\xB0" "a\xB0" "b", "BIND MOUSE1 \"+attack\""});
    AddMacro("NOTE.MAC", "Weapons", {"Weapons", "-1", "echo"});
    dir.WriteLines("macros/NOTE.MAC", {"// a note", "macro_desc \"Leave a note\""});
    AddMacro("GONE.MAC", "Talk", {"Talk", "-1"});
    // The same category listed again further down the catalogue.
    app.macroCatalogue.entries.push_back({dir.Path("macros/OTHER.MAC"), "Weapons", "Other", ""});
    job.player.additionalCommands = true;
    job.player.additionalCommandLines = {"echo hello"};
    RecordingCanvas canvas;
    ASSERT_TRUE(PrintPlayerCFG(app, job, canvas));

    const DrawnLine* bindings = canvas.Find("Key-Bindings for Player");
    ASSERT_NE(bindings, nullptr);
    EXPECT_EQ(bindings->page, 0);  // on the page of the options, with room to spare
    Names texts;
    for (const DrawnLine* line = bindings; line != &*canvas.lines.end(); ++line) texts.push_back(line->text);
    const std::string pad(70 - 3 - 4, ' ');
    EXPECT_EQ(texts, (Names{"Key-Bindings for Player", "", "", "", "Weapons:",
                            "   Fire" + std::string(70 - 7 - 6, ' ') + "MOUSE1", std::string(69, ' ') + "a",
                            std::string(69, ' ') + "b", "   Leave a note", "", "Talk:", "   ", "",
                            "Additional Commands:", "   echo hello"}));
    const DrawnLine* fire = canvas.Find(texts[5]);
    EXPECT_EQ((&fire[1])->y - fire->y, kAdvance - 18);
    EXPECT_EQ((&fire[2])->y - (&fire[1])->y, kAdvance - 18);
    EXPECT_EQ((&fire[3])->y - (&fire[2])->y, kAdvance);
    EXPECT_EQ(host.BoxTexts(), Names{"Couldn't open file. (" + dir.Path("macros/GONE.MAC") + ")"});
}

// A page 40 characters of 12 points wide: the 70 columns of a listing line do not fit.
TEST_F(Printing, LinesWiderThanThePageGoOnInTheNextLine) {
    constexpr int kWidth = kMargin + 40 * 24;
    job.player.SetText(Option::Server1, std::string(100, 'h'));
    AddMacro("F.MAC", "Weapons", {"Weapons", "0", "+attack", "Press the key for the rocket jump", "F12|SHIFT"});
    RecordingCanvas canvas(100000, kWidth);
    ASSERT_TRUE(PrintPlayerCFG(app, job, canvas));
    std::string hosts;
    for (const DrawnLine& line : canvas.lines) {
        EXPECT_LE(line.x + canvas.TextWidth(line.text, line.font), kWidth) << line.text;
        hosts += line.text.find_first_not_of("h") == std::string::npos ? line.text : "";
    }
    ASSERT_NE(canvas.Find("     hostname" + std::string(27, 'h')), nullptr);
    EXPECT_EQ(hosts, std::string(100 - 27, 'h'));

    // A value that fits beside its label stands at the page's edge instead of column 70.
    EXPECT_NE(canvas.Find("     visible weapons" + std::string(13, ' ') + "enabled"), nullptr);
    // Broken after a word: the label stays, its value starts the next line at the margin.
    const DrawnLine* fire = canvas.Find("   Press the key for the rocket jump");
    ASSERT_NE(fire, nullptr);
    EXPECT_EQ(fire[1].text, "F12 with SHIFT pressed");
    EXPECT_EQ((std::vector<int>{fire[1].x, fire[1].y - fire->y}), (std::vector<int>{kMargin, kAdvance}));
}

TEST_F(Printing, LongListingsBreakPagesAndAStoppedOneIsNotPrinted) {
    for (int i = 0; i < 30; ++i)
        AddMacro("M" + std::to_string(i) + ".MAC", "Weapons", {"Weapons", "0", "+attack", "Fire", "a"});
    RecordingCanvas canvas(1000);
    ASSERT_TRUE(PrintPlayerCFG(app, job, canvas));
    ASSERT_GT(canvas.page, 3);
    for (size_t i = 1; i < canvas.lines.size(); ++i) {
        const DrawnLine& line = canvas.lines[i];
        const DrawnLine& before = canvas.lines[i - 1];
        EXPECT_LE(line.y + line.font.pointSize * 15 / 2, 1000 + kAdvance) << line.text;
        if (line.page != before.page) {
            EXPECT_EQ(line.page, before.page + 1);
            EXPECT_EQ(line.y, kMargin);
        }
    }
    EXPECT_EQ(canvas.page, canvas.lines.back().page);  // no empty page at the end

    AddMacro("BAD.MAC", "Weapons", {"", "0"});
    RecordingCanvas stopped;
    EXPECT_FALSE(PrintPlayerCFG(app, job, stopped));
    EXPECT_TRUE(stopped.lines.empty());
    EXPECT_EQ(stopped.ended, 0);
    EXPECT_EQ(host.BoxTexts().back(),
              "Programmer: no or wrong category in output. (" + dir.Path("players/Player/BAD.MAC.out") + ")");
}

bool IsHeading(const DrawnLine& line) { return line.font.underline; }
// A value below an option's label, or a further key of one function.
bool IsContinuation(const DrawnLine& line) { return line.text.starts_with(std::string(20, ' ')); }
int Advance(const DrawnLine& line) { return line.font.pointSize * 15 / 2; }

// The last of the lines from first on that belong together: a heading or an empty line with
// the line below it, a line with the values below it.
size_t KeptUntil(const std::vector<DrawnLine>& lines, size_t first) {
    size_t last = first;
    while (last + 1 < lines.size() &&
           (IsHeading(lines[last]) || lines[last].text.empty() || IsContinuation(lines[last + 1])))
        ++last;
    return last;
}

// Whatever the paper, a page ends only where the lines that follow do not fit on it, and it
// does not end with a heading or between an option's values or the keys of one function.
TEST_F(Printing, PagesFillUpAndKeepWhatBelongsTogether) {
    job.player.SetFlag(Option::Video10, false);
    job.player.special1 = true;
    job.player.inherit1 = "Ancestor";
    for (int i = 0; i < 6; ++i)
        AddMacro("K" + std::to_string(i) + ".MAC", i < 3 ? "Weapons" : "Talk",
                 {i < 3 ? "Weapons" : "Talk", "0", "+attack", "Fire", "a\260b\260c"});
    job.player.additionalCommands = true;
    job.player.additionalCommandLines = {"echo one", "echo two"};

    // The options and special settings fill one page but for two lines; the key bindings follow
    // those on the second page.
    RecordingCanvas sample(6400);
    ASSERT_TRUE(PrintPlayerCFG(app, job, sample));
    EXPECT_EQ(sample.page, 1);

    for (int height = 1500; height <= 4000; height += 15) {
        RecordingCanvas canvas(height);
        ASSERT_TRUE(PrintPlayerCFG(app, job, canvas));
        const std::vector<DrawnLine>& lines = canvas.lines;
        for (size_t i = 1; i < lines.size(); ++i) {
            if (lines[i].page == lines[i - 1].page) continue;
            size_t last = i - 1;
            while (lines[last].text.empty()) --last;
            EXPECT_FALSE(IsHeading(lines[last])) << height << ": " << lines[last].text;
            EXPECT_FALSE(IsContinuation(lines[i])) << height << ": " << lines[i].text;
            EXPECT_FALSE(lines[i].text.empty()) << height << ": after " << lines[i - 1].text;
            // What begins the new page would not have fitted below the last line of the page before.
            const DrawnLine& kept = lines[KeptUntil(lines, i)];
            const int below = lines[i - 1].y + Advance(lines[i - 1]);
            EXPECT_GT(below + kept.y - lines[i].y + Advance(kept), height) << height << ": " << lines[i].text;
        }
    }
}

// Keeps what was drawn when the printer goes away after printing.
struct KeptCanvas : RecordingCanvas {
    explicit KeptCanvas(std::vector<DrawnLine>& kept) : kept(kept) {}
    ~KeptCanvas() override { kept = lines; }
    std::vector<DrawnLine>& kept;
};

TEST_F(Printing, ThePrintButtonPrintsOnlyWhatTheCompileValidated) {
    app.paths.quakeDir = dir.quakeDir();  // where the models are checked
    LoadPlayerCFG(app, "Player");
    host.printer = [] { return nullptr; };
    BitBtn6Click(app);
    EXPECT_EQ(host.printRequests.size(), 1u);
    EXPECT_TRUE(host.boxes.empty());

    std::vector<DrawnLine> printed;
    host.printer = [&] { return std::make_unique<KeptCanvas>(printed); };
    dir.Write("notes.cfg", "mine");
    BitBtn6Click(app);
    EXPECT_TRUE(dir.Exists("notes.cfg"));
    // The player learns where the listing went: the printer, or the PDF file.
    EXPECT_EQ(host.BoxTexts(), std::vector<std::string>{"Player has been printed to recording."});
    host.boxes.clear();
    ASSERT_FALSE(printed.empty());
    EXPECT_EQ(printed.front().text, "Configuration for Player");

    printed.clear();
    dir.WriteLines("players/Player/options.dat", TemplateOptionLines());
    LoadPlayerCFG(app, "Player");
    BitBtn6Click(app);
    ASSERT_FALSE(host.boxes.empty());
    EXPECT_TRUE(host.BoxTexts().front().starts_with("Invalid input. ("));
    EXPECT_TRUE(printed.empty());
}

}  // namespace
}  // namespace korvex
