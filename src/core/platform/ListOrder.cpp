#include "platform/ListOrder.h"

#include <algorithm>

#include "platform/Text.h"

namespace korvex {

bool ListBoxLess(const std::string& a, const std::string& b) {
    const std::string upperA = UpperCaseAscii(a);
    const std::string upperB = UpperCaseAscii(b);
    return upperA != upperB ? upperA < upperB : a < b;
}

void SortAsListBox(std::vector<std::string>& items) { std::stable_sort(items.begin(), items.end(), ListBoxLess); }

}  // namespace korvex
