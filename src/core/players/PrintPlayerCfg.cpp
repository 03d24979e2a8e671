#include "players/PrintPlayerCfg.h"

#include <algorithm>

#include "app/Korvex.h"
#include "app/Messages.h"
#include "bindings/KeyListText.h"
#include "compiler/BindingLines.h"
#include "compiler/CompileJob.h"
#include "compiler/ConfigCompiler.h"
#include "compiler/OptionControls.h"
#include "platform/FileSystem.h"
#include "platform/ListLookup.h"
#include "platform/Path.h"
#include "platform/Text.h"
#include "platform/TextFile.h"
#include "players/PrintLayout.h"

namespace korvex {
namespace {

constexpr int kTitleSize = 16;
constexpr int kHeadingSize = 14;
constexpr int kTextSize = 12;

// An option's line, labelled as its row says, and the values printed on the lines below it.
struct ValueLine {
    Option option;
    std::vector<Option> continuation = {};
};

struct Section {
    const char* heading;
    std::vector<ValueLine> lines;
};

// The listing's order within each group; Video3's continuation lines depend on the sight
// improvement and are added where printed.
const std::vector<Section>& OptionSections() {
    using O = Option;
    static const std::vector<Section> sections{
        {"  General:", {{O::General1}, {O::General2}, {O::General3}, {O::General4}, {O::General5}}},
        {"  Video:", {{O::Video1}, {O::Video2}, {O::Video3}, {O::Video8}, {O::Video10}, {O::Video9}, {O::Video7}}},
        {"  Sound:", {{O::Sound1}, {O::Sound2}, {O::Sound3}, {O::Sound4}}},
        {"  Mouse:",
         {{O::Mouse1, {O::Mouse2, O::Mouse3}}, {O::Mouse4}, {O::Mouse5}, {O::Mouse6}, {O::Mouse7}, {O::Mouse8}}},
        {"  Character:",
         {{O::Character8},
          {O::Character1},
          {O::Character2},
          {O::Character5},
          {O::Character3, {O::Character4, O::Character6, O::Character7}}}},
        {"  Server:",
         {{O::Server1}, {O::Server2}, {O::Server7}, {O::Server3}, {O::Server4}, {O::Server5}, {O::Server6}}},
    };
    return sections;
}

std::string LabelLine(const std::string& label, const std::string& value) {
    return "     " + label + kColumnMarker + value;
}

std::string ContinuationLine(const std::string& value) { return std::string(1, kColumnMarker) + value; }

class PlayerListing {
public:
    PlayerListing(Korvex& app, const CompileJob& job, PrintCanvas& canvas)
        : app_(app), job_(job), canvas_(canvas), document_(canvas) {}

    bool Print() {
        const std::string& name = job_.playerName;
        document_.PrintHeading("Configuration for " + name, kTitleSize);
        EmptyLines(2, kTitleSize);
        document_.PrintHeading("Options", kHeadingSize);
        EmptyLines(1, kTextSize);
        for (const Section& section : OptionSections()) PrintSection(section);
        EmptyLines(1, kTextSize);
        PrintSpecial();
        document_.PrintHeading("Key-Bindings for " + name, kTitleSize);
        EmptyLines(2, kTitleSize);
        if (!PrintBindings()) return false;
        PrintAdditionalCommands();
        if (document_.End()) return true;
        app_.report.ShowError(Err::CouldntCreateFile, canvas_.Target());
        return false;
    }

private:
    void EmptyLines(int count, int size) {
        for (int i = 0; i < count; ++i) document_.PrintLine("", size);
    }

    std::string ValueOf(Option option) const {
        return IsFlagOption(option) ? EnabledText(job_.Flag(option)) : job_.Text(option);
    }

    void PrintSection(const Section& section) {
        document_.PrintHeading(section.heading, kTextSize);
        for (const ValueLine& line : section.lines) {
            document_.PrintLine(LabelLine(ControlOf(line.option).printedLabel, ValueOf(line.option)), kTextSize);
            for (Option more : ContinuationOf(line)) {
                document_.KeepWithNextLine();
                document_.PrintLine(ContinuationLine(ValueOf(more)), kTextSize);
            }
        }
        EmptyLines(1, kTextSize);
    }

    std::vector<Option> ContinuationOf(const ValueLine& line) const {
        if (line.option != Option::Video3) return line.continuation;
        if (job_.Flag(Option::Video10)) return {};
        std::vector<Option> more{Option::Video4, Option::Video5};
        if (!job_.Text(Option::Video6).empty()) more.push_back(Option::Video6);
        return more;
    }

    void PrintSpecial() {
        const PlayerCfg& cfg = job_.player;
        document_.PrintHeading("Special", kHeadingSize);
        EmptyLines(1, kTextSize);
        document_.PrintLine(LabelLine("inherit bindings/options", EnabledText(cfg.special1)), kTextSize);
        if (cfg.special1) {
            document_.PrintLine(LabelLine("player to inherit settings from", cfg.inherit1), kTextSize);
            const char* parts[kInheritPartCount] = {"inherit key-bindings",    "inherit general options",
                                                    "inherit video options",   "inherit sound options",
                                                    "inherit mouse options",   "inherit character options",
                                                    "inherit server options"};
            for (int part = 0; part < kInheritPartCount; ++part)
                document_.PrintLine(LabelLine(parts[part], EnabledText(cfg.inherit[part])), kTextSize);
        }
        EmptyLines(2, kTextSize);
    }

    // Each category once, in the catalogue's order.
    bool PrintBindings() {
        std::vector<std::string> categories = job_.categories;
        for (const MacroCatalogueEntry& entry : app_.macroCatalogue.entries) {
            const int index = IndexIgnoringCase(categories, entry.MacroCat);
            if (index < 0) continue;
            categories.erase(categories.begin() + index);
            EmptyLines(1, kTextSize);
            document_.PrintHeading(entry.MacroCat + ":", kTextSize);
            for (const std::string& path : job_.outFiles)
                if (!PrintOutFile(path, entry.MacroCat)) return false;
        }
        return true;
    }

    bool PrintOutFile(const std::string& path, const std::string& category) {
        LineReader reader;
        if (!reader.Open(path)) {
            app_.report.ShowError(Err::CouldntCreateFile, path);
            return false;
        }
        const std::string outCategory = reader.ReadLine();
        if (outCategory.empty()) {
            app_.report.ShowError(Err::WrongCategoryInOutput, path);
            return false;
        }
        if (outCategory != category) return true;
        const long long lastKey = TextToIntDef(reader.ReadLine());
        if (lastKey < 0) {
            document_.PrintLine("   " + KeylessDescription(path), kTextSize);
            return true;
        }
        // A damaged count reads no further than the file goes.
        for (long long i = 0; i <= lastKey && !reader.AtEnd(); ++i) {
            reader.ReadLine();
            const std::string description = reader.ReadLine();
            PrintKeys(description, reader.ReadLine());
        }
        return true;
    }

    void PrintKeys(const std::string& description, const std::string& keys) {
        std::string lead = "   " + description;
        for (std::size_t start = 0;;) {
            const auto end = keys.find(kKeyListSeparator, start);
            document_.PrintLine(lead + kColumnMarker + FormatKeyNames(keys.substr(start, end - start)), kTextSize);
            if (end == std::string::npos) return;
            document_.TightenLineSpacing();
            lead = "   ";
            start = end + 1;
        }
    }

    // A macro without keys is listed by the description its macro file gives.
    std::string KeylessDescription(const std::string& outPath) {
        const std::string name = FileName(outPath);
        const std::string macroPath = JoinPath(app_.paths.macros, name.substr(0, name.size() - 4));
        LineReader macro;
        if (!macro.Open(macroPath)) {
            app_.report.ShowError(Err::CouldntOpenFile, macroPath);
            return "";
        }
        while (!macro.AtEnd()) {
            const std::string line = macro.ReadLine();
            if (UpperCaseAscii(line).find("MACRO_DESC") == std::string::npos) continue;
            const std::string description = QuotedCommandOf(line);
            return description.empty() ? "Error. Contact programmer: description invalid" : description;
        }
        return "Error. Contact programmer: no description available";
    }

    void PrintAdditionalCommands() {
        const PlayerCfg& cfg = job_.player;
        if (!cfg.additionalCommands || cfg.additionalCommandLines.empty()) return;
        EmptyLines(1, kTextSize);
        document_.PrintHeading("Additional Commands:", kTextSize);
        for (const std::string& line : cfg.additionalCommandLines) document_.PrintLine("   " + line, kTextSize);
    }

    Korvex& app_;
    const CompileJob& job_;
    PrintCanvas& canvas_;
    PrintDocument document_;
};

}  // namespace

std::string EnabledText(bool on) { return on ? "enabled" : "disabled"; }

void BitBtn6Click(Korvex& app) {
    const std::unique_ptr<PrintCanvas> canvas = app.host.ChoosePrinter({"Korvex - " + app.currentPlayerName});
    if (canvas && PrintPlayerConfig(app, app.currentPlayerName, *canvas))
        app.host.ShowMessage(Icon::Information,
                             app.currentPlayerName + " has been printed to " + canvas->Target() + ".", Buttons::Ok);
}

bool PrintPlayerConfig(Korvex& app, const std::string& player, PrintCanvas& canvas) {
    bool printed = false;
    // The compile clears the *.CFG files of its directory and writes main.cfg there even when
    // it prints: the temp directory takes that, so a print never deletes a file of the player's.
    const bool compiled = CompilePlayerConfig(
        app, player, app.paths.temp, true, [&](const CompileJob& job) { printed = PrintPlayerCFG(app, job, canvas); });
    return compiled && printed;
}

bool PrintPlayerCFG(Korvex& app, const CompileJob& job, PrintCanvas& canvas) {
    return PlayerListing(app, job, canvas).Print();
}

}  // namespace korvex
