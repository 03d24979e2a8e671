// The Options tab as the core sees it, beyond the values of PlayerCfg: which Video
// controls show, what Video5 offers and its hint. The Video controls follow the driver.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "players/PlayerCfg.h"

namespace korvex {

struct Reporter;

struct OptionsView {
    std::vector<std::string> video5Items;
    std::string video5Hint;
    std::set<Option> hidden;

    bool Visible(Option option) const { return !hidden.contains(option); }
};

OptionsView DefaultOptionsView();

// Brings Video5 to Video9 in line with the driver of Video1; quiet suppresses the report
// of a driver that is not in the list.
void UpdateVideoControls(Reporter& report, PlayerCfg& player, OptionsView& optionsView, bool quiet);
// Sight improvement sets brightness, texture and light itself, so their controls hide.
void ApplySightImprovement(PlayerCfg& player, OptionsView& view, bool checked);
void Video1Change(Reporter& report, PlayerCfg& player, OptionsView& optionsView);

}  // namespace korvex
