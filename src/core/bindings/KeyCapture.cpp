#include "bindings/KeyCapture.h"

#include "bindings/KeyListText.h"

namespace korvex {
namespace {

bool& PressedFlag(KeySlot& slot, InputKind kind, int button) {
    return kind == InputKind::Mouse ? slot.mousePressed[button] : slot.joystickPressed[button];
}

bool IsButton(InputKind kind, int button) {
    return button >= 1 && button <= (kind == InputKind::Mouse ? kMouseButtons : kJoystickButtons);
}

bool AnyPressed(const KeySlot& slot) {
    for (bool pressed : slot.mousePressed)
        if (pressed) return true;
    for (bool pressed : slot.joystickPressed)
        if (pressed) return true;
    return false;
}

}  // namespace

void KeyCapture::Start(const KeyboardState& keysDown) {
    count_ = 0;
    slots_ = {};
    snapshot_ = keysDown;
}

// The third input replaces the second.
KeySlot& KeyCapture::NextSlot() {
    if (count_ < 2) ++count_;
    KeySlot& slot = slots_[count_ - 1];
    slot.flags = 0;
    slot.virtualKey = 0;
    slot.button = 0;
    return slot;
}

void KeyCapture::KeyDown(std::uint32_t flags, int virtualKey) {
    const std::uint32_t extended = flags & kExtendedKeyFlag;
    for (int i = 0; i < count_; ++i) {
        const KeySlot& slot = slots_[i];
        // Key repeat: the key is captured already.
        if (slot.kind == InputKind::Keyboard && slot.virtualKey == virtualKey &&
            (slot.flags & kExtendedKeyFlag) == extended)
            return;
    }
    KeySlot& slot = NextSlot();
    slot.kind = InputKind::Keyboard;
    slot.flags = flags;
    slot.virtualKey = virtualKey;
}

void KeyCapture::ButtonDown(InputKind kind, int button) {
    if (!IsButton(kind, button)) return;
    for (int i = 0; i < count_; ++i)
        if (slots_[i].kind == kind && PressedFlag(slots_[i], kind, button)) return;
    KeySlot& slot = NextSlot();
    slot.button = button;
    PressedFlag(slot, kind, button) = true;
    slot.kind = kind;
}

void KeyCapture::ClearPressed(InputKind kind, int button) {
    if (!IsButton(kind, button)) return;
    for (KeySlot& slot : slots_) PressedFlag(slot, kind, button) = false;
}

void KeyCapture::MouseButtonDown(int button) { ButtonDown(InputKind::Mouse, button); }
void KeyCapture::MouseButtonUp(int button) { ClearPressed(InputKind::Mouse, button); }

// The wheel has no release: its input counts as released at once.
void KeyCapture::Wheel(int delta) {
    if (delta == 0) return;
    const int button = delta > 0 ? 4 : 5;
    ButtonDown(InputKind::Mouse, button);
    ClearPressed(InputKind::Mouse, button);
}

void KeyCapture::JoystickButtonDown(int button) { ButtonDown(InputKind::Joystick, button); }
void KeyCapture::JoystickButtonUp(int button) { ClearPressed(InputKind::Joystick, button); }

CloseDecision KeyCapture::CheckClose(const KeyboardState& keysDown) {
    if (count_ == 0) return CloseDecision::StayOpen;
    if ((keysDown & ~snapshot_).any()) return CloseDecision::StayOpen;
    for (const KeySlot& slot : slots_)
        if (AnyPressed(slot)) return CloseDecision::StayOpen;
    if (GetCapturedKeyName() == kNoKeyName) return CloseDecision::Restart;
    return CloseDecision::Close;
}

std::string KeyCapture::GetCapturedKeyName() {
    if (count_ == 0) return {};
    const std::string first = KeyNameOf(slots_[0]);
    if (count_ == 1) return first;
    const std::string second = KeyNameOf(slots_[1]);
    if (first == kNoKeyName || second == kNoKeyName) return kNoKeyName;
    if (first == second) {
        count_ = 1;
        return first;
    }
    // Written "<key>|<modifier>": the input held first is the modifier.
    return second + "|" + first;
}

std::string KeyCapture::LabelText() { return FormatKeyNames(GetCapturedKeyName()); }

}  // namespace korvex
