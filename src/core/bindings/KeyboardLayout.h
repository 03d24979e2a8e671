// Where the inputs Quake II names lie on a drawn keyboard, mouse and joystick: the key names
// of the key capture, placed by key position (the layout Quake II names its keys by).
#pragma once

#include <vector>

namespace korvex {

struct KeyCap {
    const char* name;   // the key name as the key capture gives it
    const char* label;  // what the cap shows
    double x, y;        // in key widths from the top left corner
    double width = 1, height = 1;
};

// The function row, main block, navigation block, arrows and keypad, then the three mouse
// buttons, the wheel and joystick buttons 1 to 4 to the right of the keypad.
const std::vector<KeyCap>& KeyboardLayout();

}  // namespace korvex
