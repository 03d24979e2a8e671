#include "bindings/KeyboardLayout.h"

#include <string>

namespace korvex {
namespace {

// A row of one-wide keys whose names are their labels, from x on.
void AddRow(std::vector<KeyCap>& caps, const char* const* names, int count, double x, double y) {
    for (int i = 0; i < count; ++i) caps.push_back({names[i], names[i], x + i, y});
}

std::vector<KeyCap> BuildLayout() {
    std::vector<KeyCap> caps;
    static const char* const functionKeys[] = {"F1", "F2", "F3", "F4", "F5", "F6", "F7", "F8", "F9", "F10", "F11", "F12"};
    for (int group = 0; group < 3; ++group) AddRow(caps, functionKeys + 4 * group, 4, 2 + 4.5 * group, 0);
    caps.push_back({"PAUSE", "PAUSE", 17.25, 0});

    static const char* const digits[] = {"~", "1", "2", "3", "4", "5", "6", "7", "8", "9", "0", "-", "="};
    AddRow(caps, digits, 13, 0, 1.5);
    caps.push_back({"BACKSPACE", "BACKSPACE", 13, 1.5, 2});
    caps.push_back({"TAB", "TAB", 0, 2.5, 1.5});
    static const char* const top[] = {"q", "w", "e", "r", "t", "y", "u", "i", "o", "p", "[", "]"};
    AddRow(caps, top, 12, 1.5, 2.5);
    caps.push_back({"\\", "\\", 13.5, 2.5, 1.5});
    static const char* const home[] = {"a", "s", "d", "f", "g", "h", "j", "k", "l", ";", "'"};
    AddRow(caps, home, 11, 1.75, 3.5);
    caps.push_back({"ENTER", "ENTER", 12.75, 3.5, 2.25});
    caps.push_back({"SHIFT", "SHIFT", 0, 4.5, 2.25});
    static const char* const bottom[] = {"z", "x", "c", "v", "b", "n", "m", ",", ".", "/"};
    AddRow(caps, bottom, 10, 2.25, 4.5);
    caps.push_back({"SHIFT", "SHIFT", 12.25, 4.5, 2.75});
    caps.push_back({"CTRL", "CTRL", 0, 5.5, 1.5});
    caps.push_back({"ALT", "ALT", 2.5, 5.5, 1.5});
    caps.push_back({"SPACE", "SPACE", 4, 5.5, 6});
    caps.push_back({"ALT", "ALT", 10, 5.5, 1.5});
    caps.push_back({"CTRL", "CTRL", 13.5, 5.5, 1.5});

    caps.insert(caps.end(), {{"INS", "INS", 15.25, 1.5}, {"HOME", "HOME", 16.25, 1.5}, {"PGUP", "PGUP", 17.25, 1.5},
                             {"DEL", "DEL", 15.25, 2.5}, {"END", "END", 16.25, 2.5}, {"PGDN", "PGDN", 17.25, 2.5},
                             {"UPARROW", "UP", 16.25, 4.5}, {"LEFTARROW", "LEFT", 15.25, 5.5},
                             {"DOWNARROW", "DOWN", 16.25, 5.5}, {"RIGHTARROW", "RIGHT", 17.25, 5.5}});

    caps.insert(caps.end(), {{"KP_SLASH", "/", 19.5, 1.5}, {"*", "*", 20.5, 1.5}, {"KP_MINUS", "-", 21.5, 1.5},
                             {"KP_HOME", "7", 18.5, 2.5}, {"KP_UPARROW", "8", 19.5, 2.5}, {"KP_PGUP", "9", 20.5, 2.5},
                             {"KP_PLUS", "+", 21.5, 2.5, 1, 2}, {"KP_LEFTARROW", "4", 18.5, 3.5},
                             {"KP_5", "5", 19.5, 3.5}, {"KP_RIGHTARROW", "6", 20.5, 3.5}, {"KP_END", "1", 18.5, 4.5},
                             {"KP_DOWNARROW", "2", 19.5, 4.5}, {"KP_PGDN", "3", 20.5, 4.5},
                             {"KP_ENTER", "ENTER", 21.5, 4.5, 1, 2}, {"KP_INS", "0", 18.5, 5.5, 2},
                             {"KP_DEL", ".", 20.5, 5.5}});

    caps.insert(caps.end(), {{"MOUSE1", "MOUSE1", 23, 1.5, 1.5, 2}, {"MWHEELUP", "UP", 24.5, 1.5, 1, 0.7},
                             {"MOUSE3", "MOUSE3", 24.5, 2.2, 1, 0.6}, {"MWHEELDOWN", "DOWN", 24.5, 2.8, 1, 0.7},
                             {"MOUSE2", "MOUSE2", 25.5, 1.5, 1.5, 2}, {"JOY1", "JOY1", 23, 4.5, 2},
                             {"JOY2", "JOY2", 25, 4.5, 2}, {"JOY3", "JOY3", 23, 5.5, 2}, {"JOY4", "JOY4", 25, 5.5, 2}});
    return caps;
}

}  // namespace

const std::vector<KeyCap>& KeyboardLayout() {
    static const std::vector<KeyCap> layout = BuildLayout();
    return layout;
}

}  // namespace korvex
