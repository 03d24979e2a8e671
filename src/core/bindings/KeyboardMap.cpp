#include "bindings/KeyboardMap.h"

#include <algorithm>

#include "app/Korvex.h"
#include "compiler/ConfigCompiler.h"
#include "platform/Text.h"
#include "players/PlayerCfgFiles.h"

namespace korvex {

bool KeyMapOfShownPlayer(Korvex& app, KeyMap& map, MapClicks clicks) {
    const std::vector<bool> selected = app.macroLists.includedSelected;
    SavePlayerCFG(app);
    const bool compiled = !app.report.shuttingDown &&
                          CompileKeyMap(app.report, app.paths, app.macroCatalogue, app.currentPlayerName, map);
    if (clicks == MapClicks::HighlightOnly && !app.report.shuttingDown) {
        app.macroLists.includedSelected = selected;
        app.host.PlayerCfgChanged();
    }
    return compiled;
}

KeyOnBoard KeyOnBoardOf(const KeyMap& map, const std::string& name) {
    KeyOnBoard board;
    for (const KeyMapKey& key : map.keys) {
        if (!key.IsChord() && EqualsIgnoringCase(key.key, name)) board.binding = &key;
        if (key.IsChord() && EqualsIgnoringCase(key.Modifier(), name)) board.chords.push_back(&key);
    }
    return board;
}

std::string KeyLineText(const std::string& name, const KeyMapKey* key) {
    if (!key) return name + " is not bound";
    return key->key + " runs \"" + key->command + "\", bound by " + MacroListOf(*key);
}

void SelectMacrosOfKeys(Host& host, const PlayerCfg& player, MacroBindingsView& lists, const KeyMap& map,
                        const std::vector<const KeyMapKey*>& keys) {
    const std::vector<std::string>& included = player.includedMacros;
    std::vector<bool>& selected = lists.includedSelected;
    selected.assign(included.size(), false);
    for (const KeyMapKey* key : keys) {
        for (const KeyMapMacro& macro : key->macros) {
            if (macro.player != map.player) continue;
            const auto at = std::find(included.begin(), included.end(), macro.description);
            if (at != included.end()) selected[at - included.begin()] = true;
        }
    }
    host.PlayerCfgChanged();
}

}  // namespace korvex
