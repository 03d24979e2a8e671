// Compiling a Player-CFG into the Quake II scripts of an output directory. The Player-CFG
// is loaded from its files for the compile; the current one is shown again afterwards.
#pragma once

#include <string>

#include "compiler/CompileJob.h"

namespace korvex {

struct Korvex;

// True when every file was written (or, with printOnly, when printing went ahead).
// The current Player-CFG is saved first, as before every compile the window starts.
bool CompilePlayerConfig(Korvex& app, const std::string& playerName, const std::string& outputDir, bool printOnly,
                         PrintFunction print = {});
// The same without saving anything: the current Player-CFG stays in memory as it was.
bool CompileStoredPlayer(Korvex& app, const std::string& playerName, const std::string& outputDir, bool printOnly,
                         PrintFunction print = {});

}  // namespace korvex
