// Reading the three descriptions of a macro file (MACRO_DESC, MACRO_DETAILDESC, MACRO_CAT)
// without running it: a function of the file alone, so the catalogue and the checks of
// included macros never disturb a macro that waits in its dialog.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "macros/MacroFile.h"

namespace korvex {

struct Reporter;

struct MacroDescriptions {
    std::string MacroDesc;
    std::string MacroDetailDesc;
    std::string MacroCat;
    // Each error by line (0 for the file as a whole) and code, in the order found.
    std::vector<std::pair<int, std::uint8_t>> errors;
};

MacroDescriptions ReadMacroDescriptions(const std::string& path);
// Reports the errors as macro-language errors of the file (fatal).
void ReportDescriptionErrors(Reporter& report, const std::string& path, const MacroDescriptions& descriptions);

// Opens a macro file: 0, or the macro-language error of a missing or oversized file.
std::uint8_t OpenMacroFile(MacroFile& file, const std::string& path);

}  // namespace korvex
