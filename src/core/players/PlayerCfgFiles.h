// Loading and saving the current Player-CFG: bindings.dat, options.dat and special.dat.
#pragma once

#include <string>

#include "players/PlayerCfg.h"

namespace korvex {

struct Korvex;
struct Reporter;
struct ProgramPaths;

// The template from which new Player-CFGs are made lies directly in the players directory.
inline constexpr const char* kTemplatePlayerName = ".";

void SetCurrentPlayer(Korvex& app, const std::string& name);
void LoadPlayerCFG(Korvex& app, const std::string& name);
// Reads a stored Player-CFG into cfg, which starts blank (only the lists the program filled stay).
// A file that cannot be read is reported and leaves cfg not loaded; false after a fatal report.
bool ReadStoredPlayerCfg(Reporter& report, const ProgramPaths& paths, const std::string& directory, PlayerCfg& cfg);
// Writes each file atomically: a failed write keeps the old file, is reported and makes the
// answer false. A Player-CFG whose load failed is not saved: its directory stays as it is.
bool SavePlayerCFG(Korvex& app);
// Saves the current Player-CFG into another directory (one being built).
bool SavePlayerCfgInto(Korvex& app, const std::string& directory);
// Deletes what does not belong in the current Player-CFG's directory.
void CleanPlayerDir(Reporter& report, PlayerCfg& player, const std::string& currentPlayerDir);

}  // namespace korvex
