#include <gtest/gtest.h>

#include "bindings/KeyCapture.h"
#include "bindings/MacroOutputFile.h"
#include "compiler/BindingLines.h"

namespace korvex {
namespace {

constexpr int kShift = 16, kCtrl = 17, kA = 65, kEnter = 13, kUp = 38, kNumpad8 = 104, kCapsLock = 20;

KeySlot Key(int virtualKey, bool extended = false) {
    KeySlot slot;
    slot.virtualKey = virtualKey;
    slot.flags = extended ? kExtendedKeyFlag : 0;
    return slot;
}

KeySlot ButtonOf(InputKind kind, int button) {
    KeySlot slot;
    slot.kind = kind;
    slot.button = button;
    return slot;
}

TEST(KeyNames, BothKeyTablesMouseAndJoystick) {
    const std::vector<std::pair<KeySlot, std::string>> cases = {
        {Key(kEnter), "ENTER"},         {Key(kEnter, true), "KP_ENTER"},  {Key(kUp, true), "UPARROW"},
        {Key(kUp), "KP_UPARROW"},       {Key(kNumpad8), "KP_UPARROW"},    {Key(12), "KP_5"},
        {Key(101), "KP_5"},             {Key(111, true), "KP_SLASH"},     {Key(144, true), "PAUSE"},
        {Key(19), "PAUSE"},             {Key(kA), "a"},                   {Key(88), "x"},
        {Key(89), "z"},                 {Key(90), "y"},                   {Key(48), "0"},
        {Key(57), "9"},                 {Key(112), "F1"},                 {Key(123), "F12"},
        {Key(124), "NA"},               {Key(186), "["},                  {Key(191), "\\"},
        {Key(219), "-"},                {Key(220), "~"},                  {Key(222), "'"},
        {Key(kCapsLock), "NA"},         {Key(145), "NA"},                 {Key(226), "NA"},
        {Key(27), "NA"},                {Key(kA, true), "NA"},            {Key(kCtrl, true), "CTRL"},
        {ButtonOf(InputKind::Mouse, 1), "MOUSE1"}, {ButtonOf(InputKind::Mouse, 3), "MOUSE3"},
        {ButtonOf(InputKind::Mouse, 4), "MWHEELUP"}, {ButtonOf(InputKind::Mouse, 5), "MWHEELDOWN"},
        {ButtonOf(InputKind::Mouse, 6), "NA"}, {ButtonOf(InputKind::Joystick, 4), "JOY4"},
    };
    for (const auto& [slot, name] : cases) EXPECT_EQ(KeyNameOf(slot), name) << slot.virtualKey;
}

// Feeds events the way the dialog does and answers what the close check says at the end.
class Capture {
public:
    explicit Capture(KeyboardState held = {}) : held_(held) { capture.Start(held_); }
    Capture& Down(int key, bool extended = false) {
        held_.set(key);
        capture.KeyDown(extended ? kExtendedKeyFlag : 0, key);
        return *this;
    }
    Capture& Up(int key) {
        held_.reset(key);
        last = capture.CheckClose(held_);
        return *this;
    }
    Capture& Mouse(int button, bool down) {
        if (down) capture.MouseButtonDown(button);
        else capture.MouseButtonUp(button), last = capture.CheckClose(held_);
        return *this;
    }
    Capture& Wheel(int delta) {
        capture.Wheel(delta);
        last = capture.CheckClose(held_);
        return *this;
    }
    std::string Name() { return capture.GetCapturedKeyName(); }

    KeyCapture capture;
    CloseDecision last = CloseDecision::StayOpen;

private:
    KeyboardState held_;
};

TEST(KeyCapture, KeysAndChords) {
    Capture single;
    single.Down(kA).Down(kA).Up(kA);  // the second press is key repeat
    EXPECT_EQ(single.last, CloseDecision::Close);
    EXPECT_EQ(single.Name(), "a");

    // The key held first is the modifier, for the label as for the compiled hotkey.
    Capture chord;
    chord.Down(kShift).Down(kA).Up(kA);
    EXPECT_EQ(chord.last, CloseDecision::StayOpen);  // SHIFT is still held
    EXPECT_EQ(chord.capture.LabelText(), "a with SHIFT pressed");
    chord.Up(kShift);
    EXPECT_EQ(chord.last, CloseDecision::Close);
    EXPECT_EQ(chord.Name(), "a|SHIFT");
    EXPECT_EQ(ChordModifierOf(BindLine(chord.Name(), "+attack")), "SHIFT");
    EXPECT_EQ(ChordKeyOf(BindLine(chord.Name(), "+attack")), "a");

    Capture third;
    third.Down(kShift).Down(kA).Down(66);
    EXPECT_EQ(third.Name(), "b|SHIFT");

    Capture twins;
    twins.Down(kCtrl).Down(kCtrl, true).Up(kCtrl);
    EXPECT_EQ(twins.Name(), "CTRL");
    EXPECT_EQ(twins.capture.Count(), 1);

    Capture nothing;
    nothing.Up(kA);
    EXPECT_EQ(nothing.last, CloseDecision::StayOpen);

    // A key held before opening does not block; an input without a name starts afresh.
    KeyboardState held;
    held.set(kShift);
    Capture before(held);
    before.Down(kEnter, true).Up(kEnter);
    EXPECT_EQ(before.last, CloseDecision::Close);
    EXPECT_EQ(before.Name(), "KP_ENTER");
    Capture unnamed;
    unnamed.Down(kCapsLock).Up(kCapsLock);
    EXPECT_EQ(unnamed.last, CloseDecision::Restart);
    Capture unnamedChord;
    unnamedChord.Down(kShift).Down(27).Up(27).Up(kShift);
    EXPECT_EQ(unnamedChord.last, CloseDecision::Restart);
}

TEST(KeyCapture, MouseJoystickAndWheel) {
    Capture wheel;
    wheel.Wheel(120);
    EXPECT_EQ(wheel.last, CloseDecision::Close);
    EXPECT_EQ(wheel.Name(), "MWHEELUP");

    Capture shiftWheel;
    shiftWheel.Down(kShift).Wheel(-120);
    EXPECT_EQ(shiftWheel.last, CloseDecision::StayOpen);
    shiftWheel.Up(kShift);
    EXPECT_EQ(shiftWheel.last, CloseDecision::Close);
    EXPECT_EQ(shiftWheel.Name(), "MWHEELDOWN|SHIFT");

    Capture buttons;
    buttons.Mouse(2, true).Mouse(1, true).Mouse(2, true).Mouse(1, false);
    EXPECT_EQ(buttons.last, CloseDecision::StayOpen);  // the right button is still down
    buttons.Mouse(2, false);
    EXPECT_EQ(buttons.last, CloseDecision::Close);
    EXPECT_EQ(buttons.Name(), "MOUSE1|MOUSE2");

    KeyCapture joystick;  // a repeated press counts once
    joystick.Start({});
    joystick.JoystickButtonDown(3);
    joystick.JoystickButtonDown(3);
    EXPECT_EQ(joystick.CheckClose({}), CloseDecision::StayOpen);
    joystick.JoystickButtonUp(3);
    EXPECT_EQ(joystick.CheckClose({}), CloseDecision::Close);
    EXPECT_EQ(joystick.GetCapturedKeyName(), "JOY3");
}

}  // namespace
}  // namespace korvex
