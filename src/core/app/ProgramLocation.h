// Where Korvex keeps its files. A portable Korvex keeps them beside its executable, which the
// marker file "korvex.portable" there says; an installed Korvex keeps them in the player's data
// directory, laid out from what the installation delivered into <prefix>/share/korvex.
#pragma once

#include <string>

namespace korvex {

struct Korvex;
struct Reporter;

inline constexpr const char* kPortableMarker = "korvex.portable";

// The program directory, with a trailing separator, of a Korvex started from executableDir:
// that directory when it holds the marker, otherwise $XDG_DATA_HOME/korvex
// (~/.local/share/korvex).
std::string ProgramDirOf(const std::string& executableDir);
// What an installation with its programs in executableDir (<prefix>/games or <prefix>/bin) delivered.
std::string DeliveredDataDirOf(const std::string& executableDir);

// Lays out a program directory from the delivered data, or brings it up to date: the
// delivered macros, detection files and handbook replace older ones, the Player-CFGs and the
// options are put there only where missing, the first-run marker only into a new directory.
// Nothing else is touched. Each failure is reported; false then.
bool LayOutProgramDir(Reporter& report, const std::string& deliveredDir, const std::string& programDir);

// The program directory of korvex and korvex-cli alike; an installed Korvex lays it out first.
std::string FindProgramDir(Reporter& report, const std::string& executableDir);

}  // namespace korvex
