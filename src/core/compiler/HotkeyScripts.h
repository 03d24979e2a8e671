// The last stage of a compile: "Shared Bindings and Hotkeys.CFG" merges the bindings that
// several macros put on one key; p_hk_<modifier>.cfg and m_hk_<modifier>.cfg make two-key
// chords work; "Initialize Hotkeys.CFG" starts their release aliases empty.
#pragma once

#include <string>
#include <vector>

#include "app/Messages.h"

namespace korvex {

struct Reporter;
struct CompileJob;
struct BindingPass;
class ScriptFile;

// One chord key under a modifier and the numbered alias it runs.
struct ChordAlias {
    std::string key;
    std::string command;
    std::string name;  // "hk_<modifier><n>"
};

// The merged binding of each of keys: the commands of all lines binding it, in script order,
// each once.
std::vector<std::string> MergedBindingLines(const std::vector<ScriptFile>& scripts, const std::vector<std::string>& keys);
// The chord keys under modifier in the order met, without names; two chords on the same key
// share one alias that runs both commands.
std::vector<ChordAlias> ChordAliasesOf(const std::vector<std::string>& chords, const std::string& modifier);

// 0, or the code of the error last reported (22 or 24).
MessageCode WriteSharedAndHotkeyScripts(Reporter& report, const CompileJob& job, const BindingPass& pass);

}  // namespace korvex
