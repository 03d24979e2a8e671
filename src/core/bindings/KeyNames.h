// Quake II's names of keys, mouse buttons, the wheel and joystick buttons, and the inputs a
// key request captures. The virtual-key codes are those of a German-layout Windows keyboard,
// named by key position the way Quake II names keys.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <string_view>

namespace korvex {

inline constexpr const char* kNoKeyName = "NA";
// Bit 24 of a key message's flag word: the key lies in the extended block (arrow keys,
// keypad Enter, the right CTRL and ALT, ...).
inline constexpr std::uint32_t kExtendedKeyFlag = 1u << 24;

enum class InputKind { Keyboard, Mouse, Joystick };

inline constexpr int kMouseButtons = 5;     // 1 left, 2 right, 3 middle, 4 wheel up, 5 wheel down
inline constexpr int kJoystickButtons = 4;  // joystick 1, buttons 1 to 4

struct KeySlot {
    InputKind kind = InputKind::Keyboard;
    std::uint32_t flags = 0;
    int virtualKey = 0;
    int button = 0;
    // Indexed by button number; index 0 is unused.
    std::array<bool, kMouseButtons + 1> mousePressed{};
    std::array<bool, kJoystickButtons + 1> joystickPressed{};
};

std::string KeyNameOf(const KeySlot& slot);

// Every name the tables above give an input, "NA" left out.
const std::set<std::string, std::less<>>& QuakeKeyNames();
// A name the tables above give an input ("NA" is none), or a chord "<key>|<modifier>" of two
// different ones: what may stand for one key of a binding.
bool IsBindableKey(std::string_view key);
// One or more bindable keys joined by the key separator, as a function's keys are stored.
bool IsKeyList(std::string_view keys);

}  // namespace korvex
