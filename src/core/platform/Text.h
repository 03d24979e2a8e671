// Text helpers for the single-byte (Windows-1252) strings that every Korvex file holds.
#pragma once

#include <string>
#include <string_view>

namespace korvex {

// Only the ASCII letters change; every other byte stays as it is.
char UpperChar(char c);  // a-z to A-Z, anything else as it is
std::string UpperCaseAscii(std::string_view text);
std::string LowerCaseAscii(std::string_view text);
bool EqualsIgnoringCase(std::string_view a, std::string_view b);
bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix);
bool EndsWithIgnoringCase(std::string_view text, std::string_view suffix);

// Removes leading and trailing blanks and NUL characters.
std::string TrimBlanksAndNuls(std::string_view text);

// "TRUE" in any letter case is true; anything else, the empty line included, is false.
bool TextToBool(const std::string& text);
std::string BoolToText(bool value);
// The value of a decimal text, 0 when the text is not a valid number.
long long TextToIntDef(const std::string& text);
double TextToFloatDef(const std::string& text);

// The files are Windows-1252; terminals and Qt speak UTF-8.
std::string Cp1252ToUtf8(std::string_view text);
std::string Utf8ToCp1252(std::string_view text);

}  // namespace korvex
