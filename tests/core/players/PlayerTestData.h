// Player-CFG directories for the tests of the Player-CFG store.
#pragma once

#include <string>
#include <vector>

#include "support/ProgramDirFixture.h"

namespace korvex {

std::vector<std::string> TemplateOptionLines();
// special.dat lines of a Player-CFG that inherits from ancestor, or from nobody when empty.
std::vector<std::string> SpecialLines(const std::string& ancestor);

// A Player-CFG directory with the template's options, inheriting as SpecialLines says.
void WritePlayer(const ProgramDirFixture& dir, const std::string& name, const std::string& ancestor = "");

}  // namespace korvex
