// What the key request dialog has captured so far: up to two inputs pressed together, and
// the rules that decide when the dialog may close. The dialog feeds it the platform's
// events; the state machine itself knows no window.
#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <string>

#include "bindings/KeyNames.h"

namespace korvex {

// One bit per virtual key that is down.
using KeyboardState = std::bitset<256>;

enum class CloseDecision { StayOpen, Restart, Close };

class KeyCapture {
public:
    // StartKeyCapture: nothing captured, no button pressed; keysDown are the keys held now.
    void Start(const KeyboardState& keysDown);

    // AddKeyboardInput, AddMouseInput and AddJoystickInput. After a release, and after a
    // wheel turn, which has no release, the dialog runs the close check.
    void KeyDown(std::uint32_t flags, int virtualKey);
    void MouseButtonDown(int button);
    void MouseButtonUp(int button);
    void Wheel(int delta);
    void JoystickButtonDown(int button);
    void JoystickButtonUp(int button);

    // The close check, with the keys held at this moment. Restart means: an input without a
    // Quake II name was captured, so capture starts afresh (the caller calls Start again).
    CloseDecision CheckClose(const KeyboardState& keysDown);

    // The captured input's name or "<second>|<first>" (the key pressed, then the one held
    // first, which the game holds as the modifier); empty while nothing is captured.
    std::string GetCapturedKeyName();
    // What the key label shows.
    std::string LabelText();
    int Count() const { return count_; }

private:
    KeySlot& NextSlot();
    void ButtonDown(InputKind kind, int button);
    void ClearPressed(InputKind kind, int button);

    int count_ = 0;
    std::array<KeySlot, 2> slots_;
    KeyboardState snapshot_;
};

}  // namespace korvex
