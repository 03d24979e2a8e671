// The keyboard map dialog's core: the map of the shown Player-CFG, what a key's line says,
// and choosing the macros of a key in the included macros of the Bindings tab.
#pragma once

#include <string>
#include <vector>

#include "compiler/KeyMap.h"

namespace korvex {

struct Korvex;
class Host;
struct PlayerCfg;
struct MacroBindingsView;

// What a click on the map does to the included macros of the Bindings tab: select the
// macros of the key, or nothing. From the bindings overview the map only highlights, since
// the overview goes through the selected macros one by one.
enum class MapClicks { SelectMacros, HighlightOnly };

// The shown Player-CFG is saved first, as before every compile; false when it does not compile.
// With HighlightOnly the selection of the included macros is the same afterwards.
bool KeyMapOfShownPlayer(Korvex& app, KeyMap& map, MapClicks clicks);

// The map's entries for one input of the drawn keyboard: its plain binding and, for a
// chord modifier, the chords under it.
struct KeyOnBoard {
    const KeyMapKey* binding = nullptr;
    std::vector<const KeyMapKey*> chords;
};
KeyOnBoard KeyOnBoardOf(const KeyMap& map, const std::string& name);

// "F1 runs \"say hi\", bound by Say hello (Tester)"; "F2 is not bound" without a binding.
std::string KeyLineText(const std::string& name, const KeyMapKey* key);

// Selects in the included macros those of the shown Player-CFG that bind the keys; the
// other macros are deselected. An inherited macro is not in that list.
void SelectMacrosOfKeys(Host& host, const PlayerCfg& player, MacroBindingsView& lists, const KeyMap& map,
                        const std::vector<const KeyMapKey*>& keys);

}  // namespace korvex
