// How a key list is shown to the person: chords as "<key> with <modifier> pressed",
// several keys separated by ", ".
#pragma once

#include <string>

namespace korvex {

std::string FormatKeyNames(const std::string& keys);

}  // namespace korvex
