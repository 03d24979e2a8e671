// The statements of the macro language, tested keyword by keyword in a fixed order.
#pragma once

#include <cstdint>
#include <string>

namespace korvex {

struct MacroRun;

// Carries out one line: 0, 3 when the run stops for input, or an error code.
std::uint8_t ExecuteMacroLine(const MacroRun& run, const std::string& line);

}  // namespace korvex
