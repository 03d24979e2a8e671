// Loading and saving the current Player-CFG: bindings.dat, options.dat and special.dat.
#pragma once

#include <string>

#include "platform/TextFile.h"
#include "players/PlayerCfg.h"

namespace korvex {

struct Korvex;

// The template from which new Player-CFGs are made lies directly in the players directory.
inline constexpr const char* kTemplatePlayerName = ".";

// Reads the values of options.dat in file order; false when lines follow the last one.
bool ReadOptionValues(LineReader& reader, OptionValues& values);

void SetCurrentPlayer(Korvex& app, const std::string& name);
void LoadPlayerCFG(Korvex& app, const std::string& name);
// Writes each file atomically: a failed write keeps the old file and is reported. A
// Player-CFG whose load failed is not saved: its directory stays as it is.
void SavePlayerCFG(Korvex& app);
// Deletes what does not belong in the current Player-CFG's directory.
void CleanPlayerDir(Korvex& app);

}  // namespace korvex
