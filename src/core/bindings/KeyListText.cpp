#include "bindings/KeyListText.h"

namespace korvex {

std::string FormatKeyNames(const std::string& keys) {
    std::string text;
    std::size_t start = 0;
    for (;;) {
        const auto end = keys.find(kKeyListSeparator, start);
        std::string key = keys.substr(start, end == std::string::npos ? std::string::npos : end - start);
        for (auto bar = key.find('|'); bar != std::string::npos; bar = key.find('|')) {
            key.replace(bar, 1, " with ");
            key += " pressed";
        }
        text += key;
        if (end == std::string::npos) return text;
        text += ", ";
        start = end + 1;
    }
}

}  // namespace korvex
