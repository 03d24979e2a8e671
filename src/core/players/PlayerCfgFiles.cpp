#include "players/PlayerCfgFiles.h"

#include <algorithm>
#include <utility>

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
#include "players/PlayerDataFiles.h"
#include "players/PlayerDirs.h"

namespace korvex {
namespace {

std::string PlayerFile(const std::string& currentPlayerDir, const char* name) {
    return JoinPath(currentPlayerDir, name);
}

// An unopenable file is reported and marks the Player-CFG as not loaded; loading goes on
// with the next one.
template <typename File>
std::optional<File> ReadPlayerFile(Reporter& report, const std::string& directory, const char* name, PlayerCfg& cfg,
                                   std::optional<File> (*read)(const std::string&)) {
    const std::string path = JoinPath(directory, name);
    std::optional<File> file = read(path);
    if (file) return file;
    report.ShowError(Err::CouldntLoadFile, path);
    cfg.loaded = false;
    return std::nullopt;
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
void LoadBindings(Reporter& report, const ProgramPaths& paths, const std::string& directory, PlayerCfg& cfg) {
    const auto file = ReadPlayerFile(report, directory, "bindings.dat", cfg, ReadBindingsFile);
    if (!file) return;
    for (const BindingsEntry& entry : file->entries) {
        // The category is looked up afresh when saving.
        const bool kept = MacroFileMatches(report, entry.description, paths.macros, entry.fileName) &&
                          FileExists(JoinPath(directory, entry.fileName + ".out"));
        if (report.shuttingDown) return;
        if (kept) {
            cfg.includedMacroFiles.push_back(entry.fileName);
            cfg.includedMacros.push_back(entry.description);
        } else {
            report.ShowError(Err::MacroFileMissing, entry.description);
        }
    }
    SortAsListBox(cfg.includedMacros);
}

// Returns false after the fatal report of extra lines.
bool LoadOptions(Reporter& report, const std::string& directory, PlayerCfg& cfg) {
    const auto file = ReadPlayerFile(report, directory, "options.dat", cfg, ReadOptionsFile);
    if (!file) return true;
    cfg.options = file->values;
    if (!file->complete) {
        report.FatalError(Err::EndOfFileNotReached, "Inherit Options");
        return false;
    }
    return true;
}

void LoadSpecial(Reporter& report, const std::string& directory, PlayerCfg& cfg) {
    const auto file = ReadPlayerFile(report, directory, "special.dat", cfg, ReadSpecialFile);
    if (!file) return;
    cfg.special1 = file->special1;
    cfg.inherit1 = file->inherit1;
    cfg.inherit = file->inherit;
    cfg.additionalCommands = file->additionalCommands;
    cfg.additionalCommandLines = file->additionalCommandLines;
}

std::vector<BindingsEntry> BindingsEntries(const ProgramPaths& paths, const PlayerCfg& player,
                                           const MacroCatalogue& macroCatalogue) {
    std::vector<BindingsEntry> entries;
    for (const std::string& fileName : player.includedMacroFiles) {
        const IncludedMacroLines macro = IncludedMacroLinesOf(paths, macroCatalogue, fileName);
        entries.push_back({fileName, macro.description, macro.category});
    }
    return entries;
}

// A line break inside a value would shift every later line of the file.
std::string OneLine(std::string text) {
    std::replace_if(text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return text;
}

bool SaveFile(Reporter& report, const std::string& currentPlayerDir, const char* name,
              const std::vector<std::string>& lines) {
    const std::string path = PlayerFile(currentPlayerDir, name);
    AtomicTextWriter writer(path);
    for (const std::string& line : lines) writer.WriteLine(OneLine(line));
    if (writer.Commit()) return true;
    report.ShowError(Err::CouldntSaveFile, path);
    return false;
}

// The current directory must lie in the players directory; anything else means the
// state is broken, and writing there could destroy files that are not Korvex's.
bool CurrentPlayerDirIsSound(const ProgramPaths& paths, const std::string& currentPlayerName,
                             const std::string& currentPlayerDir) {
    return StartsWithIgnoringCase(currentPlayerDir, paths.program) && !TrimBlanksAndNuls(currentPlayerDir).empty() &&
           StaysInPlayersDir(currentPlayerName);
}

}  // namespace

void SetCurrentPlayer(Korvex& app, const std::string& name) {
    app.currentPlayerName = name;
    app.currentPlayerDir = JoinPath(app.paths.players, name);
    if (app.view.page == Page::ConfigEditor) {
        app.view.caption = CaptionOf(app, Page::ConfigEditor);
        app.host.MainViewChanged();
    }
}

bool ReadStoredPlayerCfg(Reporter& report, const ProgramPaths& paths, const std::string& directory, PlayerCfg& cfg) {
    ClearPlayerCfg(cfg);
    LoadBindings(report, paths, directory, cfg);
    if (report.shuttingDown || !LoadOptions(report, directory, cfg)) return false;
    LoadSpecial(report, directory, cfg);
    return true;
}

void LoadPlayerCFG(Korvex& app, const std::string& name) {
    SetCurrentPlayer(app, name);
    app.macroLists.includedSelected.clear();
    if (!ReadStoredPlayerCfg(app.report, app.paths, app.currentPlayerDir, app.player)) return;
    app.macroLists.includedSelected.assign(app.player.includedMacros.size(), false);
    UpdateInheritControls(app, true);
    UpdateVideoControls(app.report, app.player, app.optionsView, true);
    app.view.editorTab = EditorTab::Bindings;
    app.host.MainViewChanged();
    app.host.PlayerCfgChanged();
}

bool SavePlayerCFG(Korvex& app) {
    if (!CurrentPlayerDirIsSound(app.paths, app.currentPlayerName, app.currentPlayerDir)) {
        app.report.FatalError(Err::InitializationFailed, "disk full?");
        return false;
    }
    if (!app.player.loaded) return true;
    CleanPlayerDir(app.report, app.player, app.currentPlayerDir);
    // Each file that can be written is, whatever happened to the others.
    const bool bindings = SaveFile(app.report, app.currentPlayerDir, "bindings.dat",
                                   BindingsFileLines(BindingsEntries(app.paths, app.player, app.macroCatalogue)));
    const bool options =
        SaveFile(app.report, app.currentPlayerDir, "options.dat", OptionsFileLines(app.player.options));
    const bool special =
        SaveFile(app.report, app.currentPlayerDir, "special.dat", SpecialFileLines(SpecialFileOf(app.player)));
    return bindings && options && special;
}

bool SavePlayerCfgInto(Korvex& app, const std::string& directory) {
    const std::string current = std::exchange(app.currentPlayerDir, directory);
    const bool saved = SavePlayerCFG(app);
    app.currentPlayerDir = current;
    return saved;
}

void CleanPlayerDir(Reporter& report, PlayerCfg& player, const std::string& currentPlayerDir) {
    for (const DirEntry& entry : ListDirectory(currentPlayerDir)) {
        const std::string& name = entry.name;
        if (name == "bindings.dat" || name == "options.dat" || name == "special.dat" || entry.isDirectory) continue;
        const std::string macroFile = name.substr(0, name.size() - std::min<std::size_t>(4, name.size()));
        if (ContainsIgnoringCase(player.includedMacroFiles, macroFile) || name.back() == '.') continue;
        const std::string path = JoinPath(ResolveCase(currentPlayerDir), name);
        if (!RemoveFile(path)) report.ShowError(Err::CouldntDeleteFile, path);
    }
}

}  // namespace korvex
