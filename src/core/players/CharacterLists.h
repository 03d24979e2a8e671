// The model and skin lists of the Options tab, filled from the game's player models.
#pragma once

#include <string>
#include <vector>

namespace korvex {

struct Reporter;
struct ProgramPaths;
struct PlayerCfg;

inline constexpr const char* kModelPrefix = "Model: ";
inline constexpr const char* kSkinPrefix = "Skin: ";

// The entries of the two lists, sorted as the lists show them.
std::vector<std::string> ModelItems(const ProgramPaths& paths);
std::vector<std::string> SkinItems(const ProgramPaths& paths, const std::string& modelText);

// The same into the Options tab's lists, which are told of the change.
void FillModelList(Reporter& report, const ProgramPaths& paths, PlayerCfg& player);
void FillSkinList(Reporter& report, const ProgramPaths& paths, PlayerCfg& player, const std::string& modelText);

// A model change invalidates the skin.
void Character1Change(Reporter& report, PlayerCfg& player);
// The skin list is built when the skin box receives the focus.
void Character2Enter(Reporter& report, const ProgramPaths& paths, PlayerCfg& player);

}  // namespace korvex
