#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QWheelEvent>
#include <SDL.h>
#include <signal.h>

#include "bindings/KeyBindingDialog.h"
#include "bindings/KeyEventTranslation.h"
#include "bindings/KeyNames.h"
#include "support/gui/FindWidget.h"

namespace korvex {
namespace {

// An open key request dialog fed with synthetic events.
class KeyDialogTest : public ::testing::Test {
protected:
    KeyDialogTest() {
        dialog.SetPrompt(QStringLiteral("Fire"));
        dialog.open();
    }
    ~KeyDialogTest() override { dialog.hide(); }

    void Send(QEvent::Type type, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, bool repeat = false) {
        QKeyEvent event(type, key, modifiers, QString(), repeat);
        QApplication::sendEvent(&dialog, &event);
    }
    void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) { Send(QEvent::KeyPress, key, modifiers); }
    void Release(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) { Send(QEvent::KeyRelease, key, modifiers); }
    void Tap(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        Press(key, modifiers);
        Release(key, modifiers);
    }
    void Wheel(int delta) {
        QWheelEvent event(QPointF(10, 10), QPointF(10, 10), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(&dialog, &event);
    }
    // The name the dialog closed with; empty while it is still open.
    std::string Closed() { return dialog.isVisible() ? std::string() : dialog.CapturedKeyName(); }
    void Reopen() { dialog.open(); }
    QString Label() { return FindNamed<QLabel>(dialog, "KeyLabel")->text(); }

    KeyBindingDialog dialog;
};

// A key another included macro binds is named while it is held; the next capture starts afresh.
TEST_F(KeyDialogTest, KeysChordsRepeatAndKeysWithoutAName) {
    dialog.SetBoundKeys({{"Jump", {"F1", "a|SHIFT"}}, {"Fire", {"MOUSE1"}}});
    const auto boundBy = [this] { return FindNamed<QLabel>(dialog, "BoundByLabel")->text(); };
    EXPECT_EQ(FindNamed<QLabel>(dialog, "PromptLabel")->text(), QStringLiteral("Fire"));
    Press(Qt::Key_F1);
    Send(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier, true);  // auto-repeat adds nothing
    EXPECT_EQ(Label(), QStringLiteral("F1"));
    EXPECT_EQ(boundBy(), QStringLiteral("F1 is bound by Jump"));
    Release(Qt::Key_F1);
    EXPECT_EQ(Closed(), "F1");

    Reopen();
    EXPECT_EQ(boundBy(), QString());
    Press(Qt::Key_Shift);
    EXPECT_EQ(boundBy(), QString());
    Press(Qt::Key_A, Qt::ShiftModifier);
    EXPECT_EQ(boundBy(), QStringLiteral("a with SHIFT pressed is bound by Jump"));
    Release(Qt::Key_A, Qt::ShiftModifier);
    EXPECT_EQ(Label(), QStringLiteral("a with SHIFT pressed"));
    EXPECT_EQ(Closed(), "");  // SHIFT is still held
    Release(Qt::Key_Shift);
    EXPECT_EQ(Closed(), "a|SHIFT");

    // Escape, which has no name, cancels: the dialog closes without a key. Keys without a name
    // restart the capture, and Tab is a key like any other.
    Reopen();
    Press(Qt::Key_A);
    Tap(Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.CapturedKeyName(), "");
    Reopen();
    Tap(Qt::Key_CapsLock);
    EXPECT_EQ(Label(), QString());
    EXPECT_TRUE(dialog.isVisible());
    dialog.reject();
    EXPECT_TRUE(dialog.isVisible());
    Tap(Qt::Key_Tab);
    EXPECT_EQ(Closed(), "TAB");
}

TEST_F(KeyDialogTest, KeypadArrowsAndEnter) {
    const struct {
        int key;
        Qt::KeyboardModifiers modifiers;
        const char* name;
    } cases[] = {
        {Qt::Key_Enter, Qt::KeypadModifier, "KP_ENTER"}, {Qt::Key_Return, Qt::NoModifier, "ENTER"},
        {Qt::Key_8, Qt::KeypadModifier, "KP_UPARROW"},   {Qt::Key_Up, Qt::KeypadModifier, "KP_UPARROW"},
        {Qt::Key_Up, Qt::NoModifier, "UPARROW"},         {Qt::Key_Y, Qt::NoModifier, "y"},
        {Qt::Key_Z, Qt::NoModifier, "z"},                {Qt::Key_QuoteLeft, Qt::NoModifier, "~"},
        {Qt::Key_Minus, Qt::NoModifier, "-"},            {Qt::Key_Minus, Qt::KeypadModifier, "KP_MINUS"},
        {Qt::Key_Alt, Qt::AltModifier, "ALT"},
    };
    for (const auto& c : cases) {
        Reopen();
        Tap(c.key, c.modifiers);
        EXPECT_EQ(Closed(), c.name);
    }
}

TEST_F(KeyDialogTest, MouseButtonsAndTheWheel) {
    Wheel(120);
    EXPECT_EQ(Closed(), "MWHEELUP");

    Reopen();
    QTest::mousePress(&dialog, Qt::RightButton);
    QTest::mousePress(&dialog, Qt::MiddleButton);
    QTest::mouseRelease(&dialog, Qt::MiddleButton);
    EXPECT_TRUE(dialog.isVisible());
    QTest::mouseRelease(&dialog, Qt::RightButton);
    EXPECT_EQ(Closed(), "MOUSE3|MOUSE2");
}

TEST_F(KeyDialogTest, JoystickButtonsThroughSdl) {
    const int device = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, 0, 4, 0);
    ASSERT_GE(device, 0) << SDL_GetError();
    SDL_Joystick* joystick = SDL_JoystickOpen(device);
    ASSERT_NE(joystick, nullptr);
    Reopen();
    dialog.PollJoystick();  // finds the joystick
    SDL_JoystickSetVirtualButton(joystick, 2, SDL_PRESSED);
    dialog.PollJoystick();
    EXPECT_EQ(Label(), QStringLiteral("JOY3"));
    SDL_JoystickSetVirtualButton(joystick, 2, SDL_RELEASED);
    dialog.PollJoystick();
    EXPECT_EQ(Closed(), "JOY3");
    SDL_JoystickClose(joystick);
    SDL_JoystickDetachVirtual(device);
    // SDL leaves the signals alone, so that a SIGTERM still ends Korvex.
    struct sigaction action {};
    sigaction(SIGTERM, nullptr, &action);
    EXPECT_EQ(action.sa_handler, SIG_DFL);
}

TEST(KeyPositions, ScanCodesNameKeysByPosition) {
    const std::pair<std::uint32_t, const char*> cases[] = {
        {21, "y"},        {44, "z"},          {30, "a"},         {12, "-"},       {41, "~"},         {26, "["},
        {43, "\\"},       {53, "/"},          {28, "ENTER"},     {96, "KP_ENTER"}, {72, "KP_UPARROW"}, {103, "UPARROW"},
        {97, "CTRL"},     {29, "CTRL"},       {59, "F1"},        {88, "F12"},     {1, "NA"},         {58, "NA"},
        {86, "NA"},       {55, "*"},          {98, "KP_SLASH"},  {11, "0"},       {119, "PAUSE"},    {200, "NA"},
    };
    for (const auto& [code, name] : cases) {
        const VirtualKey key = VirtualKeyOfScanCode(code);
        KeySlot slot;
        slot.flags = key.flags;
        slot.virtualKey = key.code;
        EXPECT_EQ(KeyNameOf(slot), name) << code;
    }
}

}  // namespace
}  // namespace korvex
