// Buttons 1 to 4 of the first joystick, read through SDL2 while the key request dialog is open.
#pragma once

#include <array>
#include <utility>
#include <vector>

struct _SDL_Joystick;

namespace korvex {

class JoystickButtons {
public:
    JoystickButtons();
    ~JoystickButtons();
    JoystickButtons(const JoystickButtons&) = delete;
    JoystickButtons& operator=(const JoystickButtons&) = delete;

    // The buttons that went down (true) or up (false) since the last call, by number 1 to 4.
    std::vector<std::pair<int, bool>> Changes();

private:
    bool available_ = false;
    _SDL_Joystick* joystick_ = nullptr;
    std::array<bool, 4> down_{};
};

}  // namespace korvex
