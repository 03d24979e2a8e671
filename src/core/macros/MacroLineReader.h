// Everything that happens to a macro line before its statement is carried out: the reading
// loop, variable references, comments, blanks and the parameters of a statement.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace korvex {

struct MacroRun;
struct Reporter;
struct MacroInterpreter;

// One parsed parameter: its text as written, and its value for a number. Text holds typed
// values as they were typed; Held keeps them as a variable holds them (TypedText.h).
struct TMacroParam {
    std::string Text;
    double Value = 0;
    std::string Held;
};
inline constexpr int kParameterSlots = 20;
using MacroParams = std::array<TMacroParam, kParameterSlots>;

// Reads and carries out lines until the end of the file or until a statement asks for
// input (result 3). Any other non-zero result is an error code of the last line or of the
// end of the file.
std::uint8_t ReadMacroLines(const MacroRun& run);

inline constexpr std::size_t kMaxSubstitutedLineLength = 4096;

// Replaces the variable references ("&<number>&") of a line: 0, or 9 for a bad reference.
// Typed values make a line longer than a line of the file; it is cut at kMaxSubstitutedLineLength.
std::uint8_t SubstituteVariables(Reporter& report, MacroInterpreter& interpreter, std::string& line);

// Blanks are the space, the tab and the NUL character.
bool IsBlank(char c);
std::string TrimLeadingBlanks(std::string_view line);
// The count of blanks a line starts with.
std::size_t BlankPrefixLength(std::string_view line);
// The text a statement is read from: the line without its comment (from the first "//", also
// inside quotes) and its leading blanks, with one space after it.
std::string StatementText(std::string_view line);
int CountChar(char c, std::string_view text);

// A decimal number: optional sign, digits, optional fraction and exponent; nothing else.
std::optional<double> ParseMacroNumber(std::string_view text);
// A whole result without a point ("-3"), any other with five decimals ("0.33333").
std::string FormatMacroNumber(double value);

// Fills the slots from the line, starting at the index just after the keyword and its
// space, after the signature of N (number) and S (string) letters: 0, 5, 8 (or 255).
std::uint8_t ParseParameters(Reporter& report, MacroInterpreter& interpreter, const std::string& line,
                             std::string_view signature, std::size_t start, MacroParams& params);
// The same for a signature known to fit the slots.
std::uint8_t ParseParameterText(std::string_view text, std::string_view signature, std::size_t start,
                                MacroParams& params);
// The command text of QUAKE_COMMAND: between the first and the last double quote.
std::uint8_t ParseQuakeCommand(const std::string& line, std::size_t start, std::string& command);

}  // namespace korvex
