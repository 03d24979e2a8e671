#include "platform/ListLookup.h"

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

}  // namespace korvex
