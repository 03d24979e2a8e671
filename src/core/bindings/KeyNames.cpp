#include "bindings/KeyNames.h"

#include <map>

#include "bindings/KeyListText.h"

namespace korvex {
namespace {

std::string ExtendedKeyName(int key) {
    static const std::map<int, const char*> names = {
        {13, "KP_ENTER"}, {17, "CTRL"},      {18, "ALT"},        {33, "PGUP"},      {34, "PGDN"},
        {35, "END"},      {36, "HOME"},      {37, "LEFTARROW"},  {38, "UPARROW"},   {39, "RIGHTARROW"},
        {40, "DOWNARROW"}, {45, "INS"},      {46, "DEL"},        {111, "KP_SLASH"}, {144, "PAUSE"},
    };
    const auto found = names.find(key);
    return found == names.end() ? kNoKeyName : found->second;
}

std::string PlainKeyName(int key) {
    static const std::map<int, const char*> names = {
        {8, "BACKSPACE"},   {9, "TAB"},         {12, "KP_5"},       {101, "KP_5"},      {13, "ENTER"},
        {16, "SHIFT"},      {17, "CTRL"},       {18, "ALT"},        {19, "PAUSE"},      {32, "SPACE"},
        {33, "KP_PGUP"},    {105, "KP_PGUP"},   {34, "KP_PGDN"},    {99, "KP_PGDN"},    {35, "KP_END"},
        {97, "KP_END"},     {36, "KP_HOME"},    {103, "KP_HOME"},   {37, "KP_LEFTARROW"}, {100, "KP_LEFTARROW"},
        {38, "KP_UPARROW"}, {104, "KP_UPARROW"}, {39, "KP_RIGHTARROW"}, {102, "KP_RIGHTARROW"},
        {40, "KP_DOWNARROW"}, {98, "KP_DOWNARROW"}, {45, "KP_INS"}, {96, "KP_INS"},     {46, "KP_DEL"},
        {110, "KP_DEL"},    {89, "z"},          {90, "y"},          {106, "*"},         {107, "KP_PLUS"},
        {109, "KP_MINUS"},  {186, "["},         {187, "]"},         {188, ","},         {189, "/"},
        {190, "."},         {191, "\\"},        {192, ";"},         {219, "-"},         {220, "~"},
        {221, "="},         {222, "'"},
    };
    if (const auto found = names.find(key); found != names.end()) return found->second;
    if (key >= 48 && key <= 57) return std::string(1, static_cast<char>(key));
    if (key >= 65 && key <= 88) return std::string(1, static_cast<char>(key + 32));
    if (key >= 112 && key <= 123) return "F" + std::to_string(key - 111);
    return kNoKeyName;
}

std::string MouseButtonName(int button) {
    static const std::array<const char*, kMouseButtons> names = {"MOUSE1", "MOUSE2", "MOUSE3", "MWHEELUP",
                                                                  "MWHEELDOWN"};
    return button >= 1 && button <= kMouseButtons ? names[button - 1] : kNoKeyName;
}

// Every name an input can have, taken from the tables themselves.
std::set<std::string, std::less<>> AllKeyNames() {
    std::set<std::string, std::less<>> names;
    KeySlot slot;
    for (int key = 0; key < 256; ++key) {
        slot.virtualKey = key;
        for (std::uint32_t flags : {0u, kExtendedKeyFlag}) {
            slot.flags = flags;
            names.insert(KeyNameOf(slot));
        }
    }
    slot.kind = InputKind::Mouse;
    for (slot.button = 1; slot.button <= kMouseButtons; ++slot.button) names.insert(KeyNameOf(slot));
    slot.kind = InputKind::Joystick;
    for (slot.button = 1; slot.button <= kJoystickButtons; ++slot.button) names.insert(KeyNameOf(slot));
    names.erase(kNoKeyName);
    return names;
}

bool IsKeyName(std::string_view name) { return QuakeKeyNames().contains(name); }

}  // namespace

const std::set<std::string, std::less<>>& QuakeKeyNames() {
    static const std::set<std::string, std::less<>> names = AllKeyNames();
    return names;
}

bool IsBindableKey(std::string_view key) {
    const auto bar = key.find('|');
    if (bar == std::string_view::npos) return IsKeyName(key);
    const std::string_view pressed = key.substr(0, bar), held = key.substr(bar + 1);
    return pressed != held && IsKeyName(pressed) && IsKeyName(held);
}

bool IsKeyList(std::string_view keys) {
    for (;;) {
        const auto mark = keys.find(kKeyListSeparator);
        if (!IsBindableKey(keys.substr(0, mark))) return false;
        if (mark == std::string_view::npos) return true;
        keys.remove_prefix(mark + 1);
    }
}

std::string KeyNameOf(const KeySlot& slot) {
    switch (slot.kind) {
        case InputKind::Keyboard:
            return (slot.flags & kExtendedKeyFlag) ? ExtendedKeyName(slot.virtualKey) : PlainKeyName(slot.virtualKey);
        case InputKind::Mouse: return MouseButtonName(slot.button);
        case InputKind::Joystick: return "JOY" + std::to_string(slot.button);
    }
    return kNoKeyName;
}

}  // namespace korvex
