#include "compiler/ConfigCompiler.h"

#include "app/DirectoryTools.h"
#include "app/Korvex.h"
#include "app/Messages.h"
#include "app/Reporter.h"
#include "compiler/ChosenOptions.h"
#include "compiler/CompileInputs.h"
#include "compiler/ConfigFiles.h"
#include "compiler/EffectiveOptions.h"
#include "compiler/InheritanceResolution.h"
#include "compiler/NativeEngineCvars.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"
#include "platform/TextFile.h"
#include "players/Inheritance.h"
#include "players/PlayerCfgFiles.h"

namespace korvex {
namespace {

// Adds the included macros of the compiled Player-CFG; a cancelled shared-key question sets
// compileAborted (the remaining macros are still gone through).
void AddIncludedMacros(Reporter& report, const ProgramPaths& paths, const MacroCatalogue& macroCatalogue,
                       CompileJob& job) {
    for (const std::string& file : job.player.includedMacroFiles) {
        const MacroEntry macro{MacroDescOf(report, paths, file), job.playerName};
        job.macroEntries.push_back(macro);
        if (report.shuttingDown) return;
        const std::string outFile = file + ".out";
        std::vector<KeyEntry> entries = CollectKeyEntries(report, job.playerName, JoinPath(job.playerDir, outFile));
        bool leftOut = false;
        if (job.warnSharedKeysWithinCfg) {
            const auto conflicts = FindKeyConflicts(entries, job.keyEntries, job.playerName, true);
            if (!conflicts.empty()) {
                const Button answer =
                    AskSharedKeys(report, "Two macros share the same keys:\n\n", conflicts, job.playerName);
                leftOut = answer != Button::No;
                if (answer == Button::Cancel) job.compileAborted = true;
                if (answer == Button::Yes) entries.clear();
            }
        }
        job.keyEntries.insert(job.keyEntries.end(), entries.begin(), entries.end());
        if (leftOut) continue;
        InsertOutFile(job, WithTrailingSeparator(job.playerDir), outFile, macro);
        AddCatalogueCategories(macroCatalogue, job, file);
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

bool CompileReadPlayer(Reporter& report, const ProgramPaths& paths, const MacroCatalogue& macroCatalogue,
                       CompileJob& job) {
    const PlayerCfg& player = job.player;
    if (player.special1) {
        if (CannotInheritFrom(paths, job.playerName, player.inherit1)) {
            report.FatalError(Err::InheritsAlthoughChecked, player.inherit1);
            return false;
        }
        job.inherit = player.inherit;
    }
    AddIncludedMacros(report, paths, macroCatalogue, job);
    // A fatal report (a broken macro file) closes the program; nothing more is written.
    if (job.compileAborted || report.shuttingDown) return false;
    if (player.special1 && !ResolveInheritance(report, paths, job, player.inherit1)) return false;
    if (!CheckOptionsChosen(report, paths, job.playerName, {job.player.options, job.optionSources})) return false;
    if (report.shuttingDown || (!job.mapOnly && !WriteAdditionalCommands(report, paths, player))) return false;
    return WriteConfigFiles(report, paths, job) == 0;
}

// The compile reads the Player-CFG's stored files; nothing the window shows is touched.
bool CompileFromFiles(Reporter& report, const ProgramPaths& paths, const MacroCatalogue& macroCatalogue,
                      const std::string& playerName, CompileJob& job) {
    if (job.keyMap) *job.keyMap = {playerName, {}};
    job.playerName = playerName;
    job.playerDir = JoinPath(paths.players, playerName);
    job.optionSources.fill(playerName);
    job.nativeEngine = HoldsNativeEngine(paths.quakeDir);
    // A Player-CFG with a file that could not be read would compile into wrong scripts.
    const bool result = ReadStoredPlayerCfg(report, paths, job.playerDir, job.player) && job.player.loaded &&
                        CompileReadPlayer(report, paths, macroCatalogue, job);
    if (!result && job.keyMap) job.keyMap->keys.clear();
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
    job.warnSharedKeysWithinCfg = app.options.warnMultipleFunctionsWithinCfg;
    job.warnSharedKeysByInheritance = app.options.warnMultipleFunctionsByInheritance;
    return CompileFromFiles(app.report, app.paths, app.macroCatalogue, playerName, job);
}

bool CompileKeyMap(Reporter& report, const ProgramPaths& paths, const MacroCatalogue& macroCatalogue,
                   const std::string& playerName, KeyMap& map) {
    CompileJob job;
    job.mapOnly = true;
    job.keyMap = &map;
    return CompileFromFiles(report, paths, macroCatalogue, playerName, job);
}

}  // namespace korvex
