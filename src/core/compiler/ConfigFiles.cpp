#include "compiler/ConfigFiles.h"

#include <algorithm>

#include "app/CfgBackup.h"
#include "app/Reporter.h"
#include "bindings/MacroOutputFile.h"
#include "compiler/BindingLines.h"
#include "compiler/CompileJob.h"
#include "compiler/HotkeyScripts.h"
#include "compiler/OptionSettings.h"
#include "compiler/OptionsCfg.h"
#include "platform/FileSystem.h"
#include "platform/ListLookup.h"
#include "platform/Path.h"
#include "platform/Text.h"
#include "platform/TextFile.h"

namespace korvex {
namespace {

bool IsGeneratedScript(const std::string& path) { return ReadFirstLine(path) == kGeneratedMarker; }

// The names of the scripts every compile writes, and the start of the hotkey scripts' names.
constexpr const char* kFixedScriptNames[] = {"main", "options", "Shared Bindings and Hotkeys", "Initialize Hotkeys"};
constexpr const char* kHotkeyScriptPrefixes[] = {"p_hk_", "m_hk_"};
constexpr const char* kRenamedCategorySuffix = " (category)";

bool CategoryClashes(const std::string& category) {
    for (const char* name : kFixedScriptNames)
        if (EqualsIgnoringCase(category, name)) return true;
    for (const char* prefix : kHotkeyScriptPrefixes)
        if (StartsWithIgnoringCase(category, prefix)) return true;
    // A category named like a renamed one is renamed too, so no two categories share a script.
    return EndsWithIgnoringCase(category, kRenamedCategorySuffix);
}

// Old scripts go; files of other kinds, names starting with "." and scripts that Korvex did
// not write stay.
bool PrepareOutputDir(Reporter& report, const std::string& outputDir) {
    if (!DirectoryExists(outputDir)) {
        if (!CreateOneDirectory(outputDir)) {
            report.FatalError(Err::CouldntCreateDirectory, outputDir);
            return false;
        }
        return true;
    }
    for (const DirEntry& entry : ListDirectory(outputDir)) {
        if (entry.isDirectory || entry.name.front() == '.' || !EndsWithIgnoringCase(entry.name, ".CFG")) continue;
        const std::string path = JoinPath(ResolveCase(outputDir), entry.name);
        if (!IsGeneratedScript(path)) continue;
        if (!RemoveFile(path)) report.ShowError(Err::CouldntDeleteFile, path);
    }
    return true;
}

// A category names a file of the output directory; one that would lead out of it is refused.
bool IsSafeCategory(const std::string& category) {
    return category.find('/') == std::string::npos && category.find('\\') == std::string::npos;
}

class BindingPassWriter {
public:
    BindingPassWriter(Reporter& report, CompileJob& job, BindingPass& pass) : report_(report), job_(job), pass_(pass) {}

    MessageCode Run() {
        for (const std::string& path : job_.outFiles) {
            const MessageCode result = ReadOutFile(path);
            if (result != 0) return result;
        }
        return 0;
    }

private:
    MessageCode ReadOutFile(const std::string& path) {
        MacroOutput output;
        if (!ReadMacroOutput(path, output)) {
            report_.ShowError(Err::CouldntOpenFile, path);
            return Err::CouldntOpenFile;
        }
        if (!CheckOutputKeys(report_, path, output)) return Err::InvalidInput;
        const int index = output.category.empty() ? -1 : IndexIgnoringCase(job_.categories, output.category);
        if (index < 0) {
            report_.FatalError(Err::WrongCategoryInOutput, path);
            return Err::CouldntCreateFile;
        }
        const auto owner = job_.macroOfOutFile.find(path);
        macro_ = owner == job_.macroOfOutFile.end()
                     ? KeyMapMacro{{}, {}, output.category}
                     : KeyMapMacro{owner->second.description, owner->second.player, output.category};
        categoryIndex_ = index;
        ScriptFile& script = pass_.categoryScripts[index];
        for (const std::string& command : output.commands) {
            // A console line that merely starts with "bind " is written as it is.
            if (!IsKeyBindingLine(command)) {
                WriteConfigLine(job_, script, command, false);
                continue;
            }
            for (const std::string& part : SplitKeyList(command)) WriteBinding(script, part);
        }
        return 0;
    }

    void NoteBinding(const std::string& line) { pass_.macroBindings.push_back({line, macro_, categoryIndex_}); }

    void WriteBinding(ScriptFile& script, std::string part) {
        NoteBinding(part);
        if (BindingKeyOf(part).find('|') != std::string::npos) {
            pass_.chords.push_back(part);
            const std::string modifier = ChordModifierOf(part);
            part = "BIND " + modifier + " \"+hk_" + modifier + "\"";
        }
        const std::string key = BindingKeyOf(part);
        if (!ContainsIgnoringCase(seenKeys_, key)) {
            seenKeys_.push_back(key);
            WriteConfigLine(job_, script, part, false);
            return;
        }
        if (!ContainsIgnoringCase(pass_.repeatedKeys, key)) pass_.repeatedKeys.push_back(key);
        WriteConfigLine(job_, script, part, true);
    }

    Reporter& report_;
    CompileJob& job_;
    BindingPass& pass_;
    std::vector<std::string> seenKeys_;
    // The .out file being read: whose output it is and the index of its category script.
    KeyMapMacro macro_;
    int categoryIndex_ = 0;
};

bool WriteScript(Reporter& report, const CompileJob& job, const std::string& path,
                 const std::vector<std::string>& lines) {
    return job.mapOnly || WriteGeneratedScript(report, path, lines);
}

}  // namespace

std::string CategoryScriptName(const std::string& category) {
    return (CategoryClashes(category) ? category + kRenamedCategorySuffix : category) + ".cfg";
}

std::vector<std::string> ForeignScriptsIn(const std::string& directory) {
    std::vector<std::string> foreign;
    for (const DirEntry& entry : ListDirectory(directory)) {
        if (entry.isDirectory || !EndsWithIgnoringCase(entry.name, ".CFG")) continue;
        if (!IsGeneratedScript(JoinPath(ResolveCase(directory), entry.name))) foreign.push_back(entry.name);
    }
    return foreign;
}

std::vector<std::string> MainCfgLines(const CompileJob& job) {
    std::vector<std::string> lines{"", "unbindall", "exec \"../korvex/options.cfg\""};
    // The game opens the name as it stands in the script, so it is written as the file system spells it.
    for (const std::string& category : job.categories)
        lines.push_back("exec \"../korvex/" + NativePath(CategoryScriptName(category)) + "\"");
    lines.push_back("exec \"../korvex/Shared Bindings and Hotkeys.CFG\"");
    lines.push_back("exec \"../korvex/Initialize Hotkeys.CFG\"");
    return lines;
}

MessageCode WriteConfigFiles(Reporter& report, const ProgramPaths& paths, CompileJob& job) {
    if (!job.mapOnly && !PrepareOutputDir(report, job.outputDir)) return Err::CouldntCreateDirectory;
    for (const std::string& category : job.categories) {
        if (!IsSafeCategory(category)) {
            report.ShowError(Err::WrongCategoryInOutput, category);
            return Err::CouldntCreateFile;
        }
    }
    if (!WriteScript(report, job, JoinPath(job.outputDir, "main.cfg"), MainCfgLines(job)))
        return Err::CouldntCreateFile;
    if (ConvertOptionsToCvars(report, paths, job, !job.printOnly) != 0) return Err::CouldntCreateFile;
    if (job.printOnly) {
        if (job.print) job.print(job);
        return 0;
    }
    if (!WriteScript(report, job, JoinPath(job.outputDir, "options.cfg"), OptionsCfgLines(job)))
        return Err::CouldntCreateFile;

    BindingPass pass;
    for (const std::string& category : job.categories)
        pass.categoryScripts.emplace_back(JoinPath(job.outputDir, CategoryScriptName(category)));
    if (const MessageCode result = BindingPassWriter(report, job, pass).Run(); result != 0) return result;
    for (const ScriptFile& script : pass.categoryScripts)
        if (!SaveScript(report, job, script)) return Err::CouldntCreateFile;
    const MessageCode result = WriteSharedAndHotkeyScripts(report, job, pass);
    if (result == 0 && job.keyMap) *job.keyMap = KeyMapOf(job, pass);
    return result;
}

}  // namespace korvex
