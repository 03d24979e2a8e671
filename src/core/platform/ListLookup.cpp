#include "platform/ListLookup.h"

#include <algorithm>

#include "platform/Text.h"

namespace korvex {

int IndexIgnoringCase(const std::vector<std::string>& list, std::string_view item) {
    for (std::size_t i = 0; i < list.size(); ++i)
        if (EqualsIgnoringCase(list[i], item)) return static_cast<int>(i);
    return -1;
}

bool ContainsIgnoringCase(const std::vector<std::string>& list, std::string_view item) {
    return IndexIgnoringCase(list, item) >= 0;
}

void AddOnce(std::vector<std::string>& list, const std::string& item) {
    if (std::find(list.begin(), list.end(), item) == list.end()) list.push_back(item);
}

}  // namespace korvex
