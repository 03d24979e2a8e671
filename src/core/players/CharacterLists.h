// The model and skin lists of the Options tab, filled from the game's player models.
#pragma once

#include <string>

namespace korvex {

struct Reporter;
struct ProgramPaths;
struct PlayerCfg;

inline constexpr const char* kModelPrefix = "Model: ";
inline constexpr const char* kSkinPrefix = "Skin: ";

void FillModelList(Reporter& report, const ProgramPaths& paths, PlayerCfg& player);
void FillSkinList(Reporter& report, const ProgramPaths& paths, PlayerCfg& player, const std::string& modelText);

// A model change invalidates the skin.
void Character1Change(Reporter& report, PlayerCfg& player);
// The skin list is built when the skin box receives the focus.
void Character2Enter(Reporter& report, const ProgramPaths& paths, PlayerCfg& player);

}  // namespace korvex
