// Keeping a combo box's list in step with the core without disturbing what is typed in it.
#pragma once

#include <string>
#include <vector>

class QComboBox;

namespace korvex {

// Replaces the items only when they differ from what the combo box lists.
void ShowComboItems(QComboBox& combo, const std::vector<std::string>& items);

}  // namespace korvex
