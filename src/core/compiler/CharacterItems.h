// The model and skin choices the game directory offers, as the Character combo boxes list
// them: "Model: <directory>" and "Skin: <skin>".
#pragma once

#include <string>
#include <vector>

namespace korvex {

struct Korvex;

std::vector<std::string> ModelItems(const Korvex& app);
std::vector<std::string> SkinItems(const Korvex& app, const std::string& modelText);

}  // namespace korvex
