// How a key list is shown to the person: chords as "<key> with <modifier> pressed",
// several keys separated by ", ".
#pragma once

#include <string>

namespace korvex {

// Joins the keys of one function: the degree sign of Windows-1252.
inline constexpr char kKeyListSeparator = '\xB0';

std::string FormatKeyNames(const std::string& keys);

}  // namespace korvex
