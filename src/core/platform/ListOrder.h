// The order of a sorted list box or tree: letters compared without regard to case.
#pragma once

#include <string>
#include <vector>

namespace korvex {

bool ListBoxLess(const std::string& a, const std::string& b);
void SortAsListBox(std::vector<std::string>& items);

}  // namespace korvex
