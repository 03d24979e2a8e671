// Finding a text in a list the way a list box or combo box finds it: without regard to case.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace korvex {

// The position of the first entry equal to item, letter case ignored; -1 when there is none.
int IndexIgnoringCase(const std::vector<std::string>& list, std::string_view item);
bool ContainsIgnoringCase(const std::vector<std::string>& list, std::string_view item);
// Appends item unless the list holds it spelt exactly so.
void AddOnce(std::vector<std::string>& list, const std::string& item);

}  // namespace korvex
