// The option values the game gets for a Player-CFG: its own, and for each group it inherits
// those of the ancestor that supplies them, found along the chain exactly as the compile finds them.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "players/PlayerCfg.h"

namespace korvex {

struct Reporter;
struct ProgramPaths;

struct EffectiveOptions {
    OptionValues values;
    // The Player-CFG each value comes from.
    std::array<std::string, kOptionCount> sources;

    // A Player-CFG's own values, inheriting nothing.
    static EffectiveOptions Own(const std::string& playerName, const PlayerCfg& player) {
        EffectiveOptions own{player.options, {}};
        own.sources.fill(playerName);
        return own;
    }
    bool Inherited(Option option, const std::string& playerName) const {
        return sources[static_cast<int>(option)] != playerName;
    }
};

// player holds the Player-CFG's own settings; nothing of it changes. With quiet a broken chain
// is not reported (the compile reports it); nullopt when the chain could not be followed.
std::optional<EffectiveOptions> ResolveEffectiveOptions(Reporter& report, const ProgramPaths& paths,
                                                        const std::string& playerName, const PlayerCfg& player,
                                                        bool quiet);

}  // namespace korvex
