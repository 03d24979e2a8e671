// Writing the scripts of a compile into its output directory: main.cfg, options.cfg, one
// script per category, then the shared bindings and hotkey scripts.
#pragma once

#include <string>
#include <vector>

#include "app/Messages.h"
#include "compiler/KeyMap.h"
#include "compiler/ScriptFile.h"

namespace korvex {

struct Reporter;
struct ProgramPaths;
struct CompileJob;

// What the binding pass leaves for the shared bindings and hotkeys.
struct BindingPass {
    std::vector<ScriptFile> categoryScripts;  // indexed like the job's categories
    std::vector<std::string> repeatedKeys;    // keys bound more than once
    std::vector<std::string> chords;          // "BIND <key>|<modifier> \"<command>\"", in the order met
    std::vector<MacroBinding> macroBindings;  // every binding a macro makes, in the order met
};

// 0 when every file was written, otherwise the code of the last error reported.
MessageCode WriteConfigFiles(Reporter& report, const ProgramPaths& paths, CompileJob& job);

// main.cfg without the first line that marks every script as Korvex's.
std::vector<std::string> MainCfgLines(const CompileJob& job);

// The script of a category; a category named like one of the scripts every compile writes
// (letter case ignored) gets a name of its own.
std::string CategoryScriptName(const std::string& category);
// The .cfg files of a directory that Korvex did not write: their first line is not its mark.
std::vector<std::string> ForeignScriptsIn(const std::string& directory);

}  // namespace korvex
