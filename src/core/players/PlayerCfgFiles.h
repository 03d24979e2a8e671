// Loading and saving the current Player-CFG: bindings.dat, options.dat and special.dat.
#pragma once

#include <string>

namespace korvex {

struct Korvex;

void SetCurrentPlayer(Korvex& app, const std::string& name);
void LoadPlayerCFG(Korvex& app, const std::string& name);
void SavePlayerCFG(Korvex& app);

}  // namespace korvex
