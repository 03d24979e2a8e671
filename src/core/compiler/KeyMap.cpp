#include "compiler/KeyMap.h"

#include <algorithm>

#include "compiler/BindingLines.h"
#include "compiler/CompileJob.h"
#include "compiler/ConfigFiles.h"
#include "compiler/HotkeyScripts.h"
#include "platform/ListLookup.h"
#include "platform/Text.h"

namespace korvex {
namespace {

// Two bindings share a line of the map when the scripts bind them as one: plain keys with
// letter case ignored, chords like the hotkey scripts group them (the same modifier, the
// key's letter case ignored).
bool SameKey(const std::string& line, const std::string& other) {
    const bool chord = BindingKeyOf(line).find('|') != std::string::npos;
    if (chord != (BindingKeyOf(other).find('|') != std::string::npos)) return false;
    if (!chord) return EqualsIgnoringCase(BindingKeyOf(line), BindingKeyOf(other));
    return ChordModifierOf(line) == ChordModifierOf(other) && EqualsIgnoringCase(ChordKeyOf(line), ChordKeyOf(other));
}

bool SameMacro(const KeyMapMacro& macro, const KeyMapMacro& other) {
    return macro.description == other.description && macro.player == other.player;
}

// The bindings of one key, in the order the binding pass met them.
struct KeyBindings {
    std::string line;
    std::vector<const MacroBinding*> bindings;
};

std::vector<KeyBindings> GatherByKey(const std::vector<MacroBinding>& macroBindings) {
    std::vector<KeyBindings> keys;
    for (const MacroBinding& binding : macroBindings) {
        auto same = std::find_if(keys.begin(), keys.end(), [&](const KeyBindings& key) { return SameKey(key.line, binding.line); });
        if (same == keys.end()) same = keys.insert(keys.end(), {binding.line, {}});
        same->bindings.push_back(&binding);
    }
    return keys;
}

// What the alias of a chord runs while its modifier is held.
std::string ChordCommandOf(const CompileJob& job, const BindingPass& pass, const std::string& line) {
    for (const ChordAlias& alias : ChordAliasesOf(pass.chords, ChordModifierOf(line)))
        if (EqualsIgnoringCase(alias.key, ChordKeyOf(line))) return ExpandConfigLine(job, alias.command);
    return {};
}

std::string MergedLineOf(const std::vector<std::string>& mergedLines, const std::string& key) {
    for (const std::string& line : mergedLines)
        if (EqualsIgnoringCase(BindingKeyOf(line), key)) return line;
    return "BIND " + key;
}

}  // namespace

std::string KeyMapKey::Modifier() const {
    const auto bar = key.find('|');
    return bar == std::string::npos ? std::string() : key.substr(bar + 1);
}

KeyKind KeyKindOf(const KeyMap& map, const KeyMapKey& key) {
    if (key.macros.size() > 1) return KeyKind::Shared;
    return !key.macros.empty() && key.macros.front().player != map.player ? KeyKind::Inherited : KeyKind::Own;
}

KeyMap KeyMapOf(const CompileJob& job, const BindingPass& pass) {
    std::vector<KeyBindings> gathered = GatherByKey(pass.macroBindings);
    std::vector<std::string> plainKeys;
    for (const KeyBindings& key : gathered)
        if (BindingKeyOf(key.line).find('|') == std::string::npos) plainKeys.push_back(BindingKeyOf(key.line));
    const std::vector<std::string> mergedLines = MergedBindingLines(pass.categoryScripts, plainKeys);

    KeyMap map{job.keyMap ? job.keyMap->player : std::string(), {}};
    for (KeyBindings& gatheredKey : gathered) {
        KeyMapKey key{BindingKeyOf(gatheredKey.line), {}, {}};
        if (key.IsChord()) {
            key.command = ChordCommandOf(job, pass, gatheredKey.line);
        } else {
            // The key is named as the merged binding names it.
            const std::string merged = MergedLineOf(mergedLines, key.key);
            key.key = BindingKeyOf(merged);
            key.command = QuotedCommandOf(merged);
            // Merged bindings follow the category scripts, and those come in category order.
            std::stable_sort(gatheredKey.bindings.begin(), gatheredKey.bindings.end(),
                             [](const MacroBinding* a, const MacroBinding* b) { return a->categoryIndex < b->categoryIndex; });
        }
        for (const MacroBinding* binding : gatheredKey.bindings) {
            const bool known = std::any_of(key.macros.begin(), key.macros.end(),
                                           [&](const KeyMapMacro& macro) { return SameMacro(macro, binding->macro); });
            if (!known) key.macros.push_back(binding->macro);
        }
        map.keys.push_back(std::move(key));
    }
    std::stable_sort(map.keys.begin(), map.keys.end(), [](const KeyMapKey& a, const KeyMapKey& b) {
        return UpperCaseAscii(a.key) < UpperCaseAscii(b.key);
    });
    return map;
}

std::string MacroListOf(const KeyMapKey& key) {
    std::string list;
    for (const KeyMapMacro& macro : key.macros)
        list += (list.empty() ? "" : "; ") + macro.description + " (" + macro.player + ")";
    return list;
}

std::string KeyMapLine(const KeyMapKey& key) { return key.key + '\t' + key.command + '\t' + MacroListOf(key); }

std::vector<std::string> SharedKeysAcrossCategories(const KeyMap& map) {
    std::vector<std::string> keys;
    for (const KeyMapKey& key : map.keys) {
        std::vector<std::string> categories;
        for (const KeyMapMacro& macro : key.macros)
            if (!ContainsIgnoringCase(categories, macro.category)) categories.push_back(macro.category);
        if (categories.size() > 1) keys.push_back(key.key);
    }
    return keys;
}

std::string SharedKeysNotice(const KeyMap& map) {
    const std::vector<std::string> keys = SharedKeysAcrossCategories(map);
    if (keys.empty()) return {};
    std::string notice = keys.size() == 1 ? "1 key is shared by macros of different categories: "
                                          : std::to_string(keys.size()) + " keys are shared by macros of different categories: ";
    for (std::size_t i = 0; i < keys.size(); ++i) notice += (i ? ", " : "") + keys[i];
    return notice;
}

std::vector<std::string> ChordModifiersOf(const KeyMap& map) {
    std::vector<std::string> modifiers;
    for (const KeyMapKey& key : map.keys)
        if (key.IsChord() && std::find(modifiers.begin(), modifiers.end(), key.Modifier()) == modifiers.end())
            modifiers.push_back(key.Modifier());
    return modifiers;
}

const KeyMapKey* FindMappedKey(const KeyMap& map, const std::string& name) {
    for (const KeyMapKey& key : map.keys)
        if (EqualsIgnoringCase(key.key, name)) return &key;
    return nullptr;
}

}  // namespace korvex
