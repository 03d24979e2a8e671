// Turns Qt's key events into the virtual-key codes of the key name table: by the key's
// physical position where the platform reports it (X11 and Wayland key codes), as a
// German-layout Windows keyboard would report that key; otherwise by the Qt key read as the
// label of a US keyboard.
#pragma once

#include <QKeyEvent>
#include <cstdint>

namespace korvex {

struct VirtualKey {
    std::uint32_t flags = 0;  // kExtendedKeyFlag for the extended block
    int code = 0;             // 0: a key the table does not know
};

VirtualKey VirtualKeyOf(const QKeyEvent& event);
// Linux input event codes (X11 key code minus 8).
VirtualKey VirtualKeyOfScanCode(std::uint32_t code);
VirtualKey VirtualKeyOfQtKey(int key, Qt::KeyboardModifiers modifiers);

}  // namespace korvex
