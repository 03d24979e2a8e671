#include "compiler/ConfigCompiler.h"

#include "app/DirectoryTools.h"
#include "app/Korvex.h"
#include "app/Messages.h"
#include "compiler/CompileInputs.h"
#include "compiler/ConfigFiles.h"
#include "compiler/InheritanceResolution.h"
#include "compiler/NativeEngineCvars.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"
#include "platform/TextFile.h"
#include "players/Inheritance.h"
#include "players/PlayerCfgFiles.h"

namespace korvex {
namespace {

// Adds the included macros of the loaded Player-CFG; a cancelled shared-key question sets
// compileAborted (the remaining macros are still gone through).
void AddIncludedMacros(Korvex& app, CompileJob& job) {
    for (const std::string& file : app.player.includedMacroFiles) {
        const MacroEntry macro{MacroDescOf(app.report, app.paths, file), app.currentPlayerName};
        job.macroEntries.push_back(macro);
        if (app.report.shuttingDown) return;
        const std::string outFile = file + ".out";
        std::vector<KeyEntry> entries =
            CollectKeyEntries(app.report, app.currentPlayerName, JoinPath(app.currentPlayerDir, outFile));
        bool leftOut = false;
        if (job.warnSharedKeysWithinCfg) {
            const auto conflicts = FindKeyConflicts(entries, job.keyEntries, app.currentPlayerName, true);
            if (!conflicts.empty()) {
                const Button answer =
                    AskSharedKeys(app.report, "Two macros share the same keys:\n\n", conflicts, app.currentPlayerName);
                leftOut = answer != Button::No;
                if (answer == Button::Cancel) job.compileAborted = true;
                if (answer == Button::Yes) entries.clear();
            }
        }
        job.keyEntries.insert(job.keyEntries.end(), entries.begin(), entries.end());
        if (leftOut) continue;
        InsertOutFile(job, WithTrailingSeparator(app.currentPlayerDir), outFile, macro);
        AddCatalogueCategories(app.macroCatalogue, job, file);
    }
}

// The additional commands go to the temp directory; the launcher appends them to the
// start-up script it writes.
bool WriteAdditionalCommands(Reporter& report, const ProgramPaths& paths, const PlayerCfg& player) {
    if (!DirectoryExists(paths.temp)) MakeDirectory(paths.temp);
    const std::string path = JoinPath(paths.temp, "addcomm.tmp");
    std::vector<std::string> lines;
    if (player.additionalCommands && !player.additionalCommandLines.empty()) {
        lines = {"", "// Additional Commands from Player-CFG"};
        lines.insert(lines.end(), player.additionalCommandLines.begin(), player.additionalCommandLines.end());
    }
    if (WriteLinesAtomically(path, lines)) return true;
    report.FatalError(Err::CouldntCreateFile, path);
    return false;
}

bool CompileLoadedPlayer(Korvex& app, CompileJob& job) {
    if (app.player.special1) {
        if (CannotInheritFrom(app, app.player.inherit1)) {
            app.report.FatalError(Err::InheritsAlthoughChecked, app.player.inherit1);
            return false;
        }
        job.inherit = app.player.inherit;
    }
    job.player = app.player;
    AddIncludedMacros(app, job);
    // A fatal report (a broken macro file) closes the program; nothing more is written.
    if (job.compileAborted || app.report.shuttingDown) return false;
    if (app.player.special1 && !ResolveInheritance(app, job, app.player.inherit1)) return false;
    if (app.report.shuttingDown || (!job.mapOnly && !WriteAdditionalCommands(app.report, app.paths, app.player)))
        return false;
    return WriteConfigFiles(app, job) == 0;
}

// The current Player-CFG stays in memory as it was, unsaved changes included.
bool CompileFromFiles(Korvex& app, const std::string& playerName, CompileJob& job) {
    if (job.keyMap) *job.keyMap = {playerName, {}};
    PlayerCfg current = app.player;
    const std::string currentName = app.currentPlayerName;
    LoadPlayerCFG(app, playerName);
    // A Player-CFG with a file that could not be read would compile into wrong scripts.
    const bool result = !app.report.shuttingDown && app.player.loaded && CompileLoadedPlayer(app, job);
    if (!result && job.keyMap) job.keyMap->keys.clear();
    // After a fatal report the program closes; nothing is shown any more.
    if (app.report.shuttingDown) return false;
    SetCurrentPlayer(app, currentName);
    app.player = std::move(current);
    app.macroLists.includedSelected.assign(app.player.includedMacros.size(), false);
    app.host.PlayerCfgChanged();
    return result;
}

}  // namespace

bool CompilePlayerConfig(Korvex& app, const std::string& playerName, const std::string& outputDir, bool printOnly,
                         PrintFunction print, KeyMap* keyMap) {
    SavePlayerCFG(app);
    return !app.report.shuttingDown &&
           CompileStoredPlayer(app, playerName, outputDir, printOnly, std::move(print), keyMap);
}

bool CompileStoredPlayer(Korvex& app, const std::string& playerName, const std::string& outputDir, bool printOnly,
                         PrintFunction print, KeyMap* keyMap) {
    CompileJob job;
    job.outputDir = WithoutTrailingSeparator(outputDir);
    job.printOnly = printOnly;
    job.print = std::move(print);
    job.keyMap = keyMap;
    job.nativeEngine = HoldsNativeEngine(app.paths.quakeDir);
    job.warnSharedKeysWithinCfg = app.options.warnMultipleFunctionsWithinCfg;
    job.warnSharedKeysByInheritance = app.options.warnMultipleFunctionsByInheritance;
    return CompileFromFiles(app, playerName, job);
}

bool CompileKeyMap(Korvex& app, const std::string& playerName, KeyMap& map) {
    CompileJob job;
    job.mapOnly = true;
    job.keyMap = &map;
    return CompileFromFiles(app, playerName, job);
}

}  // namespace korvex
