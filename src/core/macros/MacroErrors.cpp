#include "macros/MacroErrors.h"

#include <array>

namespace korvex {

std::string MacroErrorText(std::uint8_t code) {
    static constexpr std::array<const char*, 23> kTexts = {
        "File not found",          "Undefined error",          "Program interrupted for input",
        "Unexpected end of file",  "To less parameters",       "No macro-description given",
        "No valid operator",       "Wrong type",               "Invalid variable reference",
        "FI without IF",           "Unknown command",          "Too many keys needed",
        "Too many commands used",  "Too many InputFields used", "Too many Text used",
        "Too many InputCombos used", "Invalid variable number", "Division by zero",
        "Invalid installation directory", "Macro Description found twice", "Uneven number of char \" found",
        "Too many statements carried out", "Macro file too large (more than 1 MB)"};
    if (code == MacroErr::TooManyParametersExpected) return "Programmer: you expected too many parameters";
    return code >= 1 && code <= kTexts.size() ? kTexts[code - 1] : "Undefined error";
}

}  // namespace korvex
