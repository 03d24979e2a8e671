// The model and skin lists of the Options tab, filled from the game's player models.
#pragma once

#include <string>

namespace korvex {

struct Korvex;

inline constexpr const char* kModelPrefix = "Model: ";
inline constexpr const char* kSkinPrefix = "Skin: ";

void FillModelList(Korvex& app);
void FillSkinList(Korvex& app, const std::string& modelText);

// A model change invalidates the skin.
void Character1Change(Korvex& app);
// The skin list is built when the skin box receives the focus.
void Character2Enter(Korvex& app);

}  // namespace korvex
