// Compiling a Player-CFG into the Quake II scripts of an output directory. The Player-CFG
// is loaded for the compile; the one on screen before is loaded again afterwards.
#pragma once

#include <string>

#include "compiler/CompileJob.h"
#include "compiler/KeyMap.h"

namespace korvex {

struct Korvex;

// True when every file was written (or, with printOnly, when printing went ahead). With a
// keyMap the compile also fills it with the keys the written scripts bind.
bool CompilePlayerConfig(Korvex& app, const std::string& playerName, const std::string& outputDir, bool printOnly,
                         PrintFunction print = {}, KeyMap* keyMap = nullptr);

// The keyboard map of a Player-CFG from a compile that writes nothing. The shown Player-CFG
// is compiled as it stands, unsaved changes included; another one is compiled from its
// files (the shown one is saved first, as for any compile; with none shown nothing is
// written). The shared-key questions are not asked: every macro takes part, and the map
// shows the keys they share. False, with an empty map, when the Player-CFG does not
// compile; the reasons were reported.
bool CompileKeyMap(Korvex& app, const std::string& playerName, KeyMap& map);

}  // namespace korvex
