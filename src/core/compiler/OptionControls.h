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

// Video5 offers stipple alpha for the software renderer and texture quality for GL.
std::vector<std::string> VideoTextureItems(bool softwareFamily);

inline constexpr const char* kVideoDriverPrompt = "Video driver";

}  // namespace korvex
