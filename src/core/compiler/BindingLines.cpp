#include "compiler/BindingLines.h"

#include "platform/Text.h"

namespace korvex {

std::string BindingKeyOf(const std::string& line) {
    if (line.size() < 5 || UpperCaseAscii(line.substr(0, 5)) != "BIND ") return line;
    const auto blank = line.find(' ', 5);
    return line.substr(5, blank == std::string::npos ? std::string::npos : blank - 5);
}

bool IsBindingLine(const std::string& line) { return BindingKeyOf(line) != line; }

std::string ChordModifierOf(const std::string& line) {
    const std::string key = BindingKeyOf(line);
    const auto bar = key.find('|');
    return bar == std::string::npos ? key : key.substr(bar + 1);
}

std::string ChordKeyOf(const std::string& line) {
    const std::string key = BindingKeyOf(line);
    const auto bar = key.find('|');
    return bar == std::string::npos ? std::string() : key.substr(0, bar);
}

std::string QuotedCommandOf(const std::string& line) {
    const auto first = line.find('"');
    if (first == std::string::npos) return {};
    const auto second = line.find('"', first + 1);
    if (second == std::string::npos) return {};
    return line.substr(first + 1, second - first - 1);
}

void AppendCommand(std::string& line, const std::string& command) {
    const auto last = line.rfind('"');
    line.insert(last == std::string::npos ? line.size() : last, "; " + command);
}

std::string ReleaseListOf(const std::string& text) {
    const auto quote = text.find('"');
    std::string rest = quote == std::string::npos ? std::string() : text.substr(quote + 1);
    std::string list;
    for (auto plus = rest.find('+'); plus != std::string::npos; plus = rest.find('+')) {
        rest.erase(0, plus + 1);
        const std::string name = rest.substr(0, rest.find_first_of(" \";"));
        list += (list.empty() ? "-" : "; -") + name;
    }
    return list;
}

std::vector<std::string> SplitKeyList(std::string line) {
    std::vector<std::string> parts;
    while (!line.empty()) {
        const auto mark = line.find(kKeySeparator);
        // Only the key word is a key list: a degree sign typed into the command splits nothing.
        if (mark == std::string::npos || mark > line.find(' ', 5)) {
            parts.push_back(line);
            break;
        }
        const auto blankBefore = line.rfind(' ', mark);
        const std::size_t keyStart = blankBefore == std::string::npos ? 0 : blankBefore + 1;
        const auto blankAfter = line.find(' ', mark);
        const std::string rest = blankAfter == std::string::npos ? std::string() : line.substr(blankAfter);
        parts.push_back(line.substr(0, mark) + rest);
        line.erase(keyStart, mark + 1 - keyStart);
    }
    return parts;
}

}  // namespace korvex
