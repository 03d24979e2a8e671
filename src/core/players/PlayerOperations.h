// The Player-CFG buttons of the Config-Editor: change, new, delete, rename and copy.
#pragma once

namespace korvex {

struct Korvex;

void BitBtn4Click(Korvex& app);  // "Change Player-CFG"
void BitBtn7Click(Korvex& app);  // "New Player-CFG"
void BitBtn5Click(Korvex& app);  // "Delete Player-CFG"
void BitBtn8Click(Korvex& app);  // "Rename Player-CFG"
void BitBtn9Click(Korvex& app);  // "Copy Player-CFG"

}  // namespace korvex
