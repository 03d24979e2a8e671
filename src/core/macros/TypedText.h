// What the person types into the macro dialog is data, never macro language: an "&" in it
// starts no variable reference and a "//" no comment. While such text travels through the
// variables and the lines of a run, those two characters are held as stand-ins, and every
// parameter a statement reads gets them back.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace korvex {

struct MacroDialog;

// The text as a variable holds it, and the text again as typed.
std::string ProtectTypedText(std::string_view typed);
std::string RestoreTypedText(std::string_view held);

// A control of the dialog whose text the game could not carry, and the message saying why.
struct RefusedInput {
    bool combo = false;
    std::size_t index = 0;
    std::string message;
};
// The first input field, then the first input combo, holding a double quote or a semicolon.
std::optional<RefusedInput> RefusedInputOf(const MacroDialog& dialog);

}  // namespace korvex
