#include "macros/TypedText.h"

#include "macros/MacroDialog.h"

namespace korvex {
namespace {

// Control characters nobody types into a line edit.
constexpr char kHeldAmpersand = '\x01';
constexpr char kHeldSlash = '\x02';

std::string Replaced(std::string_view text, char from, char to, char from2, char to2) {
    std::string result(text);
    for (char& c : result) {
        if (c == from) c = to;
        else if (c == from2) c = to2;
    }
    return result;
}

// "Message:" is named "Message"; a control without caption by its number among its kind.
std::string FieldName(const std::string& caption, std::size_t index) {
    std::string name = caption;
    while (!name.empty() && (name.back() == ' ' || name.back() == ':')) name.pop_back();
    const auto start = name.find_first_not_of(' ');
    if (start == std::string::npos) return "number " + std::to_string(index + 1);
    return "\"" + name.substr(start) + "\"";
}

std::optional<std::string> WhyRefused(const std::string& text, const std::string& field) {
    if (text.find('"') != std::string::npos)
        return "The field " + field + " cannot hold a double quote (\"): in the game it would end the command.";
    if (text.find(';') != std::string::npos)
        return "The field " + field +
               " cannot hold a semicolon (;): in the game the rest of the text would run as a console command.";
    return std::nullopt;
}

}  // namespace

std::string ProtectTypedText(std::string_view typed) {
    return Replaced(typed, '&', kHeldAmpersand, '/', kHeldSlash);
}

std::string RestoreTypedText(std::string_view held) {
    return Replaced(held, kHeldAmpersand, '&', kHeldSlash, '/');
}

std::optional<RefusedInput> RefusedInputOf(const MacroDialog& dialog) {
    for (std::size_t i = 0; i < dialog.inputFields.size(); ++i) {
        const MacroInputField& field = dialog.inputFields[i];
        if (auto why = WhyRefused(field.text, FieldName(field.caption, i)))
            return RefusedInput{false, i, *why};
    }
    for (std::size_t i = 0; i < dialog.inputCombos.size(); ++i) {
        const MacroInputCombo& combo = dialog.inputCombos[i];
        if (auto why = WhyRefused(combo.text, FieldName(combo.caption, i)))
            return RefusedInput{true, i, *why};
    }
    return std::nullopt;
}

}  // namespace korvex
