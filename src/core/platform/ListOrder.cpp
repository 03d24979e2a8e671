#include "platform/ListOrder.h"

#include <algorithm>

#include "platform/Text.h"


namespace korvex {

namespace {

// Bytes compare unsigned, as std::string compares them.
unsigned char UpperByte(char c) { return static_cast<unsigned char>(UpperChar(c)); }

}  // namespace

// Compared in place: sorting and inserting call this for every pair they look at.
bool ListBoxLess(const std::string& a, const std::string& b) {
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i)
        if (UpperByte(a[i]) != UpperByte(b[i])) return UpperByte(a[i]) < UpperByte(b[i]);
    return a.size() != b.size() ? a.size() < b.size() : a < b;
}

void SortAsListBox(std::vector<std::string>& items) { std::stable_sort(items.begin(), items.end(), ListBoxLess); }

}  // namespace korvex
