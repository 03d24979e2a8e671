#include "players/PlayerCfgFiles.h"

#include <algorithm>

#include "app/Korvex.h"
#include "app/Messages.h"
#include "compiler/OptionsView.h"
#include "platform/FileSystem.h"
#include "platform/ListLookup.h"
#include "platform/ListOrder.h"
#include "platform/Path.h"
#include "platform/Text.h"
#include "platform/TextFile.h"
#include "players/IncludedMacros.h"
#include "players/Inheritance.h"
#include "players/PlayerDirs.h"

namespace korvex {
namespace {

std::string PlayerFile(const Korvex& app, const char* name) { return JoinPath(app.currentPlayerDir, name); }

// An unopenable file is reported and marks the Player-CFG as not loaded; loading goes on
// with the next one.
bool OpenPlayerFile(Korvex& app, const char* name, LineReader& reader) {
    const std::string path = PlayerFile(app, name);
    if (reader.Open(path)) return true;
    ShowError(app, Err::CouldntLoadFile, path);
    app.player.loaded = false;
    return false;
}

// Every load starts from a blank Player-CFG; only the lists the program filled stay.
void ClearPlayerCfg(PlayerCfg& cfg) {
    PlayerCfgControls controls = std::move(cfg.controls);
    cfg = DefaultPlayerCfg();
    cfg.controls = std::move(controls);
    cfg.loaded = true;
}

// A count that names more groups than the file holds stops at the file's end, so an
// absurd count never runs away.
void LoadBindings(Korvex& app) {
    LineReader reader;
    if (!OpenPlayerFile(app, "bindings.dat", reader)) return;
    PlayerCfg& cfg = app.player;
    ReadCountedEntries(reader, [&] {
        const std::string fileName = reader.ReadLine();
        const std::string description = reader.ReadLine();
        reader.ReadLine();  // the category, looked up afresh when saving
        const bool kept = MacroFileMatches(app, description, app.dirs.macros, fileName) &&
                          FileExists(JoinPath(app.currentPlayerDir, fileName + ".out"));
        if (app.shuttingDown) return false;
        if (kept) {
            cfg.includedMacroFiles.push_back(fileName);
            cfg.includedMacros.push_back(description);
        } else {
            ShowError(app, Err::MacroFileMissing, description);
        }
        return true;
    });
    if (app.shuttingDown) return;
    SortAsListBox(cfg.includedMacros);
    app.macroLists.includedSelected.assign(cfg.includedMacros.size(), false);
}

// Returns false after the fatal report of extra lines.
bool LoadOptions(Korvex& app) {
    LineReader reader;
    if (!OpenPlayerFile(app, "options.dat", reader)) return true;
    if (!ReadOptionValues(reader, app.player.options)) {
        FatalError(app, Err::EndOfFileNotReached, "Inherit Options");
        return false;
    }
    return true;
}

void LoadSpecial(Korvex& app) {
    LineReader reader;
    if (!OpenPlayerFile(app, "special.dat", reader)) return;
    PlayerCfg& cfg = app.player;
    cfg.special1 = TextToBool(reader.ReadLine());
    cfg.inherit1 = reader.ReadLine();
    for (bool& part : cfg.inherit) part = TextToBool(reader.ReadLine());
    cfg.additionalCommands = TextToBool(reader.ReadLine());
    cfg.additionalCommandLines = ReadCountedLines(reader);
    if (!cfg.additionalCommands) cfg.additionalCommandLines.clear();
}

std::vector<std::string> BindingsLines(const Korvex& app) {
    const PlayerCfg& cfg = app.player;
    std::vector<std::string> lines{std::to_string(cfg.includedMacroFiles.size())};
    for (const std::string& fileName : cfg.includedMacroFiles) {
        const IncludedMacroLines macro = IncludedMacroLinesOf(app, fileName);
        lines.insert(lines.end(), {fileName, macro.description, macro.category});
    }
    return lines;
}

std::vector<std::string> SpecialLines(const PlayerCfg& cfg) {
    std::vector<std::string> lines{BoolToText(cfg.special1), cfg.inherit1};
    for (bool part : cfg.inherit) lines.push_back(BoolToText(part));
    lines.push_back(BoolToText(cfg.additionalCommands));
    if (!cfg.additionalCommands) {
        lines.push_back("0");
        return lines;
    }
    lines.push_back(std::to_string(cfg.additionalCommandLines.size()));
    lines.insert(lines.end(), cfg.additionalCommandLines.begin(), cfg.additionalCommandLines.end());
    return lines;
}

// A line break inside a value would shift every later line of the file.
std::string OneLine(std::string text) {
    std::replace_if(text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return text;
}

void SaveFile(Korvex& app, const char* name, const std::vector<std::string>& lines) {
    const std::string path = PlayerFile(app, name);
    AtomicTextWriter writer(path);
    for (const std::string& line : lines) writer.WriteLine(OneLine(line));
    if (!writer.Commit()) ShowError(app, Err::CouldntSaveFile, path);
}

// The current directory must lie in the players directory; anything else means the
// state is broken, and writing there could destroy files that are not Korvex's.
bool CurrentPlayerDirIsSound(const Korvex& app) {
    return StartsWithIgnoringCase(app.currentPlayerDir, app.dirs.program) &&
           !TrimBlanksAndNuls(app.currentPlayerDir).empty() && StaysInPlayersDir(app.currentPlayerName);
}

}  // namespace

bool ReadOptionValues(LineReader& reader, OptionValues& values) {
    for (int line = 0; line < kOptionCount; ++line) {
        values[line] = reader.ReadLine();
        // Check boxes hold exactly "TRUE" or "FALSE", whatever the file wrote.
        if (IsFlagOption(static_cast<Option>(line))) values[line] = BoolToText(TextToBool(values[line]));
    }
    return reader.AtEnd();
}

void SetCurrentPlayer(Korvex& app, const std::string& name) {
    app.currentPlayerName = name;
    app.currentPlayerDir = JoinPath(app.dirs.players, name);
    if (app.view.page == Page::ConfigEditor) {
        app.view.caption = CaptionOf(app, Page::ConfigEditor);
        app.host.MainViewChanged();
    }
}

void LoadPlayerCFG(Korvex& app, const std::string& name) {
    SetCurrentPlayer(app, name);
    ClearPlayerCfg(app.player);
    app.macroLists.includedSelected.clear();
    LoadBindings(app);
    if (app.shuttingDown || !LoadOptions(app)) return;
    LoadSpecial(app);
    UpdateInheritControls(app, true);
    UpdateVideoControls(app, true);
    app.view.editorTab = EditorTab::Bindings;
    app.host.MainViewChanged();
    app.host.PlayerCfgChanged();
}

void SavePlayerCFG(Korvex& app) {
    if (!CurrentPlayerDirIsSound(app)) {
        FatalError(app, Err::InitializationFailed, "disk full?");
        return;
    }
    if (!app.player.loaded) return;
    CleanPlayerDir(app);
    SaveFile(app, "bindings.dat", BindingsLines(app));
    SaveFile(app, "options.dat", {app.player.options.begin(), app.player.options.end()});
    SaveFile(app, "special.dat", SpecialLines(app.player));
}

void CleanPlayerDir(Korvex& app) {
    for (const DirEntry& entry : ListDirectory(app.currentPlayerDir)) {
        const std::string& name = entry.name;
        if (name == "bindings.dat" || name == "options.dat" || name == "special.dat" || entry.isDirectory) continue;
        const std::string macroFile = name.substr(0, name.size() - std::min<std::size_t>(4, name.size()));
        if (ContainsIgnoringCase(app.player.includedMacroFiles, macroFile) || name.back() == '.') continue;
        const std::string path = JoinPath(ResolveCase(app.currentPlayerDir), name);
        if (!RemoveFile(path)) ShowError(app, Err::CouldntDeleteFile, path);
    }
}

}  // namespace korvex
