// What the 42 controls of the Options tab offer: kind, caption, prompt text and items,
// grouped as the tab shows them. The GUI builds its widgets from these tables.
#pragma once

#include <string>
#include <vector>

#include "players/PlayerCfg.h"

namespace korvex {

enum class ControlKind { CheckBox, Edit, ComboBox };

struct OptionControl {
    Option option;
    ControlKind kind;
    std::string caption;  // a check box's text, or the label beside an edit field or combo box
    std::string prompt;   // what a combo box shows while nothing is chosen
    std::vector<std::string> items;
    // The console value of each item, for the combo boxes whose values are not their positions.
    std::vector<std::string> values;
    std::string hint;  // what a player reads when the mouse rests on the control
};

// A video driver as Video1 offers it and the console variables it sets.
struct VideoDriverRow {
    const char* item;
    const char* renderer;
    const char* glDriver;
    const char* modePrefix;
};
const std::vector<VideoDriverRow>& VideoDrivers();

struct OptionGroup {
    std::string caption;
    std::vector<Option> options;  // in the order the group shows them
};

const OptionControl& ControlOf(Option option);
const std::vector<OptionGroup>& OptionGroups();

// The name an option goes by outside the tab (korvex-cli): the label the tab shows beside or
// on its control, or a combo box's prompt where it has no label ("Video driver").
std::string OptionLabel(Option option);
// The option of a label, letter case ignored; false when there is none.
bool FindOptionByLabel(const std::string& label, Option& option);

// Video5 offers stipple alpha for the software renderer and texture quality for GL.
std::vector<std::string> VideoTextureItems(bool softwareFamily);

inline constexpr const char* kVideoDriverPrompt = "Video driver";

}  // namespace korvex
