#include "bindings/IncludedMacroKeys.h"

#include "bindings/BindingOverview.h"
#include "bindings/KeyListText.h"
#include "bindings/MacroInclusion.h"
#include "bindings/MacroOutputFile.h"
#include "macros/MacroCatalogue.h"
#include "platform/ListLookup.h"
#include "players/PlayerCfg.h"

namespace korvex {
namespace {

std::vector<std::string> KeysOf(const MacroCatalogue& macroCatalogue, const std::string& playerDir,
                                const std::string& description) {
    std::vector<std::string> keys;
    const MacroCatalogueEntry* entry = FindMacroByDescription(macroCatalogue, description);
    MacroOutput output;
    if (!entry || !ReadMacroOutput(MacroOutputPath(playerDir, entry->Path), output)) return keys;
    for (const TKey& request : output.keys)
        for (const std::string& key : SplitKeyNames(request.BoundKeys))
            if (!ContainsIgnoringCase(keys, key)) keys.push_back(key);
    return keys;
}

}  // namespace

std::vector<MacroKeys> IncludedMacroKeys(const MacroCatalogue& macroCatalogue, const PlayerCfg& player,
                                         const std::string& playerDir, const std::string& except) {
    std::vector<MacroKeys> macros;
    for (const std::string& description : player.includedMacros)
        if (description != except) macros.push_back({description, KeysOf(macroCatalogue, playerDir, description)});
    return macros;
}

std::string IncludedMacroItemText(const MacroKeys& macro) {
    if (macro.keys.empty()) return macro.description;
    return macro.description + ": " + FormatKeyNames(JoinKeyNames(macro.keys));
}

std::string KeyBoundByText(const std::vector<MacroKeys>& macros, const std::string& key) {
    std::string names;
    for (const MacroKeys& macro : macros)
        if (ContainsIgnoringCase(macro.keys, key)) names += (names.empty() ? "" : ", ") + macro.description;
    if (key.empty() || names.empty()) return "";
    return FormatKeyNames(key) + " is bound by " + names;
}

}  // namespace korvex
