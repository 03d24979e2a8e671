// Compiling a Player-CFG into the Quake II scripts of an output directory. The compile reads
// the Player-CFG's stored files; what the window shows stays as it is.
#pragma once

#include <string>

#include "compiler/CompileJob.h"
#include "compiler/KeyMap.h"

namespace korvex {

struct Korvex;
struct Reporter;
struct ProgramPaths;
struct MacroCatalogue;

// True when every file was written (or, with printOnly, when printing went ahead).
// The current Player-CFG is saved first, as before every compile the window starts. With a
// keyMap the compile also fills it with the keys the written scripts bind.
bool CompilePlayerConfig(Korvex& app, const std::string& playerName, const std::string& outputDir, bool printOnly,
                         PrintFunction print = {}, KeyMap* keyMap = nullptr);
// The same without saving anything.
bool CompileStoredPlayer(Korvex& app, const std::string& playerName, const std::string& outputDir, bool printOnly,
                         PrintFunction print = {}, KeyMap* keyMap = nullptr);

// The keyboard map of a Player-CFG from a compile of its files that writes nothing and saves
// nothing (the window saves the shown Player-CFG first, as before every compile). The
// shared-key questions are not asked: every macro takes part, and the map shows the keys
// they share. False, with an empty map, when the Player-CFG does not compile; the reasons
// were reported.
bool CompileKeyMap(Reporter& report, const ProgramPaths& paths, const MacroCatalogue& macroCatalogue,
                   const std::string& playerName, KeyMap& map);

}  // namespace korvex
