#include "bindings/JoystickButtons.h"

#include <SDL.h>

namespace korvex {

JoystickButtons::JoystickButtons() {
    // The dialog has the focus, not an SDL window: events must count without one.
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    // SDL would otherwise catch SIGINT and SIGTERM for events nobody reads: Korvex could no
    // longer be ended by a signal once a key had been asked for.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    available_ = SDL_InitSubSystem(SDL_INIT_JOYSTICK) == 0;
}

JoystickButtons::~JoystickButtons() {
    if (joystick_) SDL_JoystickClose(joystick_);
    if (available_) SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
}

std::vector<std::pair<int, bool>> JoystickButtons::Changes() {
    std::vector<std::pair<int, bool>> changes;
    if (!available_) return changes;
    SDL_JoystickUpdate();
    if (joystick_ && !SDL_JoystickGetAttached(joystick_)) {
        SDL_JoystickClose(joystick_);
        joystick_ = nullptr;
        down_ = {};
    }
    if (!joystick_ && SDL_NumJoysticks() > 0) {
        joystick_ = SDL_JoystickOpen(0);
        // What is held when the joystick is found is no press.
        for (int i = 0; joystick_ && i < 4; ++i) down_[i] = SDL_JoystickGetButton(joystick_, i) != 0;
        return changes;
    }
    if (!joystick_) return changes;
    for (int i = 0; i < 4; ++i) {
        const bool down = SDL_JoystickGetButton(joystick_, i) != 0;
        if (down != down_[i]) changes.emplace_back(i + 1, down);
        down_[i] = down;
    }
    return changes;
}

}  // namespace korvex
