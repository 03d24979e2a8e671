// Taking apart the lines of macro output and generated scripts: "BIND <keys> \"<command>\"".
// A chord's key field is "<key>|<modifier>"; several keys are joined by 0xB0.
#pragma once

#include <string>
#include <vector>

namespace korvex {

inline constexpr char kKeySeparator = '\xB0';

// The key field of a binding line; the whole line when it is not one.
std::string BindingKeyOf(const std::string& line);
bool IsBindingLine(const std::string& line);
std::string ChordModifierOf(const std::string& line);
std::string ChordKeyOf(const std::string& line);
// The text between the first and the second double quote; empty with fewer than two.
std::string QuotedCommandOf(const std::string& line);
// "; " + command goes in front of the last double quote of line (or at its end).
void AppendCommand(std::string& line, const std::string& command);
// "-attack; -moveup" for a command text holding "+attack; +moveup" after its first quote.
std::string ReleaseListOf(const std::string& text);

// A key-binding line of macro output as single bindings: "BIND a°b \"x\"" gives one line per key.
std::vector<std::string> SplitKeyList(std::string line);

}  // namespace korvex
