// The keys each included macro binds, from its output file: the included-macros list shows
// them, and the key request dialog names the macro that binds a key already.
#pragma once

#include <string>
#include <vector>

#include "bindings/BindingDialogRequests.h"

namespace korvex {

struct MacroCatalogue;
struct PlayerCfg;

// In the order of the included-macros list; the macro described by except is left out. A
// macro whose output file cannot be read binds nothing here.
std::vector<MacroKeys> IncludedMacroKeys(const MacroCatalogue& macroCatalogue, const PlayerCfg& player,
                                         const std::string& playerDir, const std::string& except = "");

// "Jump: F1, SPACE"; the description alone for a macro without keys.
std::string IncludedMacroItemText(const MacroKeys& macro);

// "F1 is bound by Jump", naming every macro that binds the key; empty when none does.
std::string KeyBoundByText(const std::vector<MacroKeys>& macros, const std::string& key);

}  // namespace korvex
