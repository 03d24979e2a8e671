#include "players/PlayerCfg.h"

#include "compiler/OptionControls.h"
#include "platform/Text.h"

namespace korvex {

bool PlayerCfg::Flag(Option option) const { return TextToBool(Text(option)); }

void PlayerCfg::SetFlag(Option option, bool on) { SetText(option, BoolToText(on)); }

bool IsFlagOption(Option option) { return ControlOf(option).kind == ControlKind::CheckBox; }

PlayerCfg DefaultPlayerCfg() {
    PlayerCfg cfg;
    for (const OptionRow& row : OptionRows()) {
        const bool startsAtPrompt = row.kind == ControlKind::ComboBox && row.defaultValue.empty();
        cfg.SetText(row.option, startsAtPrompt ? row.prompt : row.defaultValue);
    }
    return cfg;
}

}  // namespace korvex
