#include "bindings/KeyEventTranslation.h"

#include <QGuiApplication>
#include <map>

#include "bindings/KeyNames.h"

namespace korvex {
namespace {

constexpr std::uint32_t kExtended = kExtendedKeyFlag;

// The first X11 key code of a key; below it the codes are not keys.
constexpr std::uint32_t kX11KeyCodeOffset = 8;

VirtualKey Plain(int code) { return {0, code}; }
VirtualKey Extended(int code) { return {kExtended, code}; }

bool ReportsKeyPositions() {
    const QString platform = QGuiApplication::platformName();
    return platform == QLatin1String("xcb") || platform.startsWith(QLatin1String("wayland"));
}

}  // namespace

VirtualKey VirtualKeyOfScanCode(std::uint32_t code) {
    static const std::map<std::uint32_t, VirtualKey> keys = [] {
        std::map<std::uint32_t, VirtualKey> table = {
            {1, Plain(27)},      {12, Plain(219)},   {13, Plain(221)},   {14, Plain(8)},     {15, Plain(9)},
            {26, Plain(186)},    {27, Plain(187)},   {28, Plain(13)},    {29, Plain(17)},    {39, Plain(192)},
            {40, Plain(222)},    {41, Plain(220)},   {42, Plain(16)},    {43, Plain(191)},   {51, Plain(188)},
            {52, Plain(190)},    {53, Plain(189)},   {54, Plain(16)},    {55, Plain(106)},   {56, Plain(18)},
            {57, Plain(32)},     {58, Plain(20)},    {69, Extended(144)}, {70, Plain(145)},  {71, Plain(103)},
            {72, Plain(104)},    {73, Plain(105)},   {74, Plain(109)},   {75, Plain(100)},   {76, Plain(101)},
            {77, Plain(102)},    {78, Plain(107)},   {79, Plain(97)},    {80, Plain(98)},    {81, Plain(99)},
            {82, Plain(96)},     {83, Plain(110)},   {86, Plain(226)},   {87, Plain(122)},   {88, Plain(123)},
            {96, Extended(13)},  {97, Extended(17)}, {98, Extended(111)}, {99, Extended(44)}, {100, Extended(18)},
            {102, Extended(36)}, {103, Extended(38)}, {104, Extended(33)}, {105, Extended(37)}, {106, Extended(39)},
            {107, Extended(35)}, {108, Extended(40)}, {109, Extended(34)}, {110, Extended(45)}, {111, Extended(46)},
            {119, Plain(19)},    {125, Extended(91)}, {126, Extended(92)}, {127, Extended(93)},
        };
        // The rows of letters and digits, left to right; Y and Z swap places as on a German keyboard.
        const std::pair<std::uint32_t, const char*> rows[] = {
            {2, "1234567890"}, {16, "QWERTZUIOP"}, {30, "ASDFGHJKL"}, {44, "YXCVBNM"}};
        for (const auto& [first, row] : rows)
            for (std::uint32_t i = 0; row[i]; ++i) table[first + i] = Plain(row[i]);
        for (std::uint32_t i = 0; i < 10; ++i) table[59 + i] = Plain(112 + static_cast<int>(i));  // F1 to F10
        return table;
    }();
    const auto found = keys.find(code);
    return found == keys.end() ? VirtualKey{} : found->second;
}

VirtualKey VirtualKeyOfQtKey(int key, Qt::KeyboardModifiers modifiers) {
    const bool keypad = modifiers.testFlag(Qt::KeypadModifier);
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return Plain(keypad ? 96 + (key - Qt::Key_0) : key);
    if (key == Qt::Key_Y) return Plain(90);
    if (key == Qt::Key_Z) return Plain(89);
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return Plain(key);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return Plain(112 + (key - Qt::Key_F1));
    // The block keys: extended unless they are the keypad's (Num Lock off).
    static const std::map<int, int> block = {
        {Qt::Key_PageUp, 33}, {Qt::Key_PageDown, 34}, {Qt::Key_End, 35},  {Qt::Key_Home, 36}, {Qt::Key_Left, 37},
        {Qt::Key_Up, 38},     {Qt::Key_Right, 39},    {Qt::Key_Down, 40}, {Qt::Key_Insert, 45}, {Qt::Key_Delete, 46},
    };
    if (const auto found = block.find(key); found != block.end())
        return keypad ? Plain(found->second) : Extended(found->second);
    if (keypad) {
        static const std::map<int, VirtualKey> pad = {
            {Qt::Key_Enter, Extended(13)}, {Qt::Key_Slash, Extended(111)}, {Qt::Key_Asterisk, Plain(106)},
            {Qt::Key_Plus, Plain(107)},    {Qt::Key_Minus, Plain(109)},    {Qt::Key_Period, Plain(110)},
            {Qt::Key_Comma, Plain(110)},   {Qt::Key_Clear, Plain(12)},
        };
        if (const auto found = pad.find(key); found != pad.end()) return found->second;
    }
    // The other keys by their US label, shifted or not.
    static const std::map<int, VirtualKey> labels = {
        {Qt::Key_Backspace, Plain(8)},   {Qt::Key_Tab, Plain(9)},          {Qt::Key_Backtab, Plain(9)},
        {Qt::Key_Clear, Plain(12)},      {Qt::Key_Return, Plain(13)},      {Qt::Key_Enter, Extended(13)},
        {Qt::Key_Shift, Plain(16)},      {Qt::Key_Control, Plain(17)},     {Qt::Key_Alt, Plain(18)},
        {Qt::Key_AltGr, Extended(18)},   {Qt::Key_Pause, Plain(19)},       {Qt::Key_CapsLock, Plain(20)},
        {Qt::Key_Escape, Plain(27)},     {Qt::Key_Space, Plain(32)},       {Qt::Key_NumLock, Extended(144)},
        {Qt::Key_ScrollLock, Plain(145)}, {Qt::Key_Meta, Extended(91)},    {Qt::Key_BracketLeft, Plain(186)},
        {Qt::Key_BraceLeft, Plain(186)}, {Qt::Key_BracketRight, Plain(187)}, {Qt::Key_BraceRight, Plain(187)},
        {Qt::Key_Comma, Plain(188)},     {Qt::Key_Less, Plain(188)},       {Qt::Key_Slash, Plain(189)},
        {Qt::Key_Question, Plain(189)},  {Qt::Key_Period, Plain(190)},     {Qt::Key_Greater, Plain(190)},
        {Qt::Key_Backslash, Plain(191)}, {Qt::Key_Bar, Plain(191)},        {Qt::Key_Semicolon, Plain(192)},
        {Qt::Key_Colon, Plain(192)},     {Qt::Key_Minus, Plain(219)},      {Qt::Key_Underscore, Plain(219)},
        {Qt::Key_QuoteLeft, Plain(220)}, {Qt::Key_AsciiTilde, Plain(220)}, {Qt::Key_Equal, Plain(221)},
        {Qt::Key_Plus, Plain(221)},      {Qt::Key_Apostrophe, Plain(222)}, {Qt::Key_QuoteDbl, Plain(222)},
        {Qt::Key_Exclam, Plain('1')},    {Qt::Key_At, Plain('2')},         {Qt::Key_NumberSign, Plain('3')},
        {Qt::Key_Dollar, Plain('4')},    {Qt::Key_Percent, Plain('5')},    {Qt::Key_AsciiCircum, Plain('6')},
        {Qt::Key_Ampersand, Plain('7')}, {Qt::Key_Asterisk, Plain('8')},   {Qt::Key_ParenLeft, Plain('9')},
        {Qt::Key_ParenRight, Plain('0')},
    };
    const auto found = labels.find(key);
    return found == labels.end() ? VirtualKey{} : found->second;
}

VirtualKey VirtualKeyOf(const QKeyEvent& event) {
    if (ReportsKeyPositions() && event.nativeScanCode() > kX11KeyCodeOffset)
        return VirtualKeyOfScanCode(event.nativeScanCode() - kX11KeyCodeOffset);
    return VirtualKeyOfQtKey(event.key(), event.modifiers());
}

}  // namespace korvex
