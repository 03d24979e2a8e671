// Everything Korvex knows of each of the 42 options, one row per option: the control the
// Options tab shows, the value a fresh Player-CFG holds, the group it belongs to, its console
// variable and how the printout names it. Every part of Korvex that handles options reads
// these rows, so an option is added by adding its row.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "players/PlayerCfg.h"

namespace korvex {

enum class ControlKind { CheckBox, Edit, ComboBox };

struct OptionRow {
    Option option;
    const char* name;   // the control's name, which the tab's widget carries too
    InheritPart group;  // the group box that shows it
    ControlKind kind;
    std::string caption = {};  // a check box's text, or the label beside an edit field or combo box
    std::string prompt = {};   // what a combo box shows while nothing is chosen
    std::vector<std::string> items = {};
    // What each item sets the variable to, for the combo boxes whose values are not their positions.
    std::vector<std::string> values = {};
    // What a native engine reads for each item, where it numbers the items anew.
    std::vector<std::string> nativeValues = {};
    // The stored text of a fresh Player-CFG; a combo box without one starts at its prompt.
    std::string defaultValue = {};
    std::string hint = {};  // what a player reads when the mouse rests on the control
    // The variable a check box switches, or that a value is written to.
    std::string cvar = {};
    // What message 23 adds when the stored text is not valid.
    std::string invalidDetail = {};
    // The label of the option's line in the printout; none for a value printed on the line
    // below another one's.
    std::string printedLabel = {};
    // The group whose inheritance switch takes the option over, where that is not its own.
    std::optional<InheritPart> inheritedWith = {};
};

// A video driver as Video1 offers it and the console variables it sets.
struct VideoDriverRow {
    const char* item;
    const char* renderer;
    const char* glDriver;
    const char* modePrefix;
};
const std::vector<VideoDriverRow>& VideoDrivers();

// The rows in the order the tab shows them, group by group.
std::span<const OptionRow> OptionRows();
const OptionRow& ControlOf(Option option);
// The caption of a group box of the tab.
std::string GroupCaption(InheritPart group);
// The inheritance switch that takes the option over.
InheritPart InheritedGroup(Option option);

// The name an option goes by outside the tab (korvex-cli): the label the tab shows beside or
// on its control, or a combo box's prompt where it has no label ("Video driver").
std::string OptionLabel(Option option);
// The option of a label, letter case ignored; false when there is none.
bool FindOptionByLabel(const std::string& label, Option& option);

// Video5 offers stipple alpha for the software renderer and texture quality for GL.
std::vector<std::string> VideoTextureItems(bool softwareFamily);

inline constexpr const char* kVideoDriverPrompt = "Video driver";
// What Video5 shows once the driver family changed and its value no longer fits.
inline constexpr const char* kSoftwareTexturePrompt = "Software Texturing";
inline constexpr const char* kGlTexturePrompt = "GL Texture Quality";

// True when text is what the option's list shows while nothing is chosen.
bool ShowsPrompt(Option option, const std::string& text);

}  // namespace korvex
