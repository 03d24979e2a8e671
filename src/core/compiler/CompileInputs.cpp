#include "compiler/CompileInputs.h"

#include <algorithm>

#include "app/Host.h"
#include "app/Messages.h"
#include "app/ProgramPaths.h"
#include "app/Reporter.h"
#include "bindings/KeyListText.h"
#include "bindings/MacroOutputFile.h"
#include "macros/MacroCatalogue.h"
#include "macros/MacroInterpreter.h"
#include "platform/ListLookup.h"
#include "platform/Path.h"
#include "platform/Text.h"

namespace korvex {

std::vector<KeyEntry> CollectKeyEntries(Reporter& report, const std::string& playerName, const std::string& outPath) {
    MacroOutput output;
    if (!ReadMacroOutput(outPath, output)) {
        report.ShowError(Err::CouldntOpenFile, outPath);
        return {};
    }
    std::vector<KeyEntry> entries;
    for (const TKey& key : output.keys) entries.push_back({key.BoundKeys, key.Description, playerName});
    return entries;
}

std::vector<std::string> FindKeyConflicts(const std::vector<KeyEntry>& newEntries,
                                          const std::vector<KeyEntry>& existingEntries, const std::string& player,
                                          bool warnAlways) {
    std::vector<std::string> lines;
    for (const KeyEntry& added : newEntries) {
        for (const KeyEntry& existing : existingEntries) {
            if (!EqualsIgnoringCase(added.keys, existing.keys)) continue;
            if (!warnAlways && existing.player == player) continue;
            lines.push_back(FormatKeyNames(added.keys) + ": " + added.description + " [" + player + "] <-> " +
                            existing.description + " [" + existing.player + "]");
        }
    }
    return lines;
}

Button AskSharedKeys(Reporter& report, const std::string& lead, const std::vector<std::string>& conflicts,
                     const std::string& player) {
    std::string text = lead;
    for (const std::string& line : conflicts) text += line + "\n";
    text += "\nWould you like to temporarily remove the conflicting macro on the left from the player-cfg " + player + "?";
    return report.host.ShowMessage(Icon::Question, text, Buttons::YesNoCancel);
}

std::string MacroDescOf(Reporter& report, const ProgramPaths& paths, const std::string& macroFileName) {
    return DescriptionOfMacro(report, paths.macros, macroFileName);
}

void InsertOutFile(CompileJob& job, const std::string& directory, const std::string& fileName,
                   const MacroEntry& macro) {
    const auto later = std::find_if(job.outFiles.begin(), job.outFiles.end(),
                                    [&](const std::string& path) { return FileName(path) > fileName; });
    const std::string path = JoinPath(directory, fileName);
    job.outFiles.insert(later, path);
    job.macroOfOutFile[path] = macro;
}

void AddCategory(CompileJob& job, const std::string& category) {
    if (ContainsIgnoringCase(job.categories, category)) return;
    const auto later = std::find_if(job.categories.begin(), job.categories.end(), [&](const std::string& known) {
        return UpperCaseAscii(known) > UpperCaseAscii(category);
    });
    job.categories.insert(later, category);
}

void AddCatalogueCategories(const MacroCatalogue& macroCatalogue, CompileJob& job, const std::string& macroFileName) {
    for (const MacroCatalogueEntry& entry : macroCatalogue.entries)
        if (FileName(entry.Path) == macroFileName) AddCategory(job, entry.MacroCat);
}

}  // namespace korvex
