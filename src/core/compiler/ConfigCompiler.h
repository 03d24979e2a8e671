// Compiling a Player-CFG into the Quake II scripts of an output directory. The Player-CFG
// is loaded for the compile; the one on screen before is loaded again afterwards.
#pragma once

#include <string>

#include "compiler/CompileJob.h"

namespace korvex {

struct Korvex;

// True when every file was written (or, with printOnly, when printing went ahead).
bool CompilePlayerConfig(Korvex& app, const std::string& playerName, const std::string& outputDir, bool printOnly,
                         PrintFunction print = {});

}  // namespace korvex
