// Checking the stored option values and turning them into Quake II console-variable texts.
#pragma once

#include <string>
#include <vector>

#include "app/Messages.h"
#include "players/PlayerCfg.h"

namespace korvex {

struct Reporter;
struct ProgramPaths;
struct CompileJob;

// A text that reads as a decimal number and has no fractional part.
bool IsWholeNumber(const std::string& text);

struct VideoDriver {
    bool valid = false;
    bool software = false;
};
VideoDriver ValidateVideoDriver(const std::string& text);

// "1.3", "0.0000": exactly that many digits after the point, never "-0".
std::string FixedDecimals(double value, int decimals);

// Reports every invalid value with message 23 and its own detail, then answers 0 when all
// were valid, 23 otherwise. With convert the values become console texts in place.
MessageCode ConvertOptionsToCvars(Reporter& report, const ProgramPaths& paths, CompileJob& job, bool convert);

// An option the compile would report with message 23, with the detail it would add.
struct InvalidOption {
    Option option;
    std::string detail;
};
// Every value of player the compile would report, in the order it checks them; nothing is reported.
std::vector<InvalidOption> FindInvalidOptions(Reporter& report, const ProgramPaths& paths, const PlayerCfg& player);

// What the compile would report with message 23 for this option's value in player, or empty
// text when the value is valid. A check box's value must be "TRUE" or "FALSE".
std::string InvalidOptionDetail(Reporter& report, const ProgramPaths& paths, const PlayerCfg& player, Option option);

}  // namespace korvex
