// The current Player-CFG as the Config-Editor shows it: included macros, the 42 option
// values and the special settings. The GUI mirrors this record; the core edits it.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "platform/Text.h"

namespace korvex {

// The options in the order of the lines of options.dat.
enum class Option {
    General1, General2, General3, General4,
    Video1, Video2, Video3, Video4, Video5, Video6, Video7, Video8, Video9, Video10,
    Sound1, Sound2, Sound3, Sound4,
    Mouse1, Mouse2, Mouse3, Mouse4, Mouse5, Mouse6, Mouse7, Mouse8,
    Character1, Character2, Character3, Character4, Character5, Character6, Character7, Character8,
    Server1, Server2, Server3, Server4, Server5, Server6, Server7,
    General5,
};
inline constexpr int kOptionCount = 42;
// Every value as it is stored: the text shown, or "TRUE"/"FALSE" for a check box.
using OptionValues = std::array<std::string, kOptionCount>;

// Inherit2 to Inherit8: which parts are taken over from the ancestor.
enum class InheritPart { KeyBindings, General, Video, Sound, Mouse, Character, Server };
inline constexpr int kInheritPartCount = 7;

// The prompt texts that a combo box shows while nothing is chosen.
inline constexpr const char* kNoInheritText = "Player to inherit settings from";
inline constexpr const char* kNoSkinText = "Skin";

// The states of the Config-Editor's controls that Korvex itself changes.
struct PlayerCfgControls {
    bool inheritGroupVisible = false;
    bool inherit1Enabled = true;
    std::vector<std::string> inherit1Items;
    // The additional-commands memo and its label are shown and hidden together.
    bool additionalCommandsVisible = false;
    std::vector<std::string> modelItems;  // Character1
    std::vector<std::string> skinItems;   // Character2
    // Keeps the change of Special1 made while reacting to a click from starting it again.
    bool special1ClickRunning = false;
};

struct PlayerCfg {
    // File names in the order of inclusion, and the descriptions as the sorted list shows them.
    std::vector<std::string> includedMacroFiles;
    std::vector<std::string> includedMacros;

    // The option values in the order of options.dat.
    OptionValues options;

    bool special1 = false;
    std::string inherit1 = kNoInheritText;
    std::array<bool, kInheritPartCount> inherit{};
    bool additionalCommands = false;
    std::vector<std::string> additionalCommandLines;

    PlayerCfgControls controls;
    // False after a load that could not read one of the three files: saving such a
    // Player-CFG would replace the player's files with what the load left blank.
    bool loaded = false;

    const std::string& Text(Option option) const { return options[static_cast<int>(option)]; }
    void SetText(Option option, std::string text) { options[static_cast<int>(option)] = std::move(text); }
    bool Flag(Option option) const;
    void SetFlag(Option option, bool on);
    bool Inherits(InheritPart part) const { return inherit[static_cast<int>(part)]; }
};

// True for the options that a check box shows.
bool IsFlagOption(Option option);

// A fresh Config-Editor before any Player-CFG is loaded.
PlayerCfg DefaultPlayerCfg();

}  // namespace korvex
