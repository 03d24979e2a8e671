// Values the player has still to choose: a list that shows its prompt where the compile needs a
// value, as the skin list does once another model was chosen.
#pragma once

#include <string>
#include <vector>

#include "players/PlayerCfg.h"

namespace korvex {

struct Reporter;
struct ProgramPaths;
struct EffectiveOptions;

// The options of player that wait to be chosen, in the order the compile checks them.
std::vector<Option> UnchosenOptions(Reporter& report, const ProgramPaths& paths, const PlayerCfg& player);

// Reports the first option that waits to be chosen, in one message that names the tab, the
// option's label and the Player-CFG an inherited one comes from; false when there was one.
bool CheckOptionsChosen(Reporter& report, const ProgramPaths& paths, const std::string& playerName,
                        const EffectiveOptions& options);

// The same for a stored Player-CFG with what it inherits. Files that cannot be read pass: the
// compile reports them.
bool CheckStoredOptionsChosen(Reporter& report, const ProgramPaths& paths, const std::string& playerName);

}  // namespace korvex
