#include "platform/Text.h"

#include <array>
#include <charconv>
#include <cstdint>

namespace korvex {
namespace {

char LowerChar(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Code points of the bytes 0x80 to 0x9F; the rest of the code page equals Latin-1.
// Unassigned bytes map to themselves so that nothing is lost on a round trip.
constexpr std::array<char32_t, 32> kHighControlBlock = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

char CodePointToCp1252(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
    for (std::size_t i = 0; i < kHighControlBlock.size(); ++i)
        if (kHighControlBlock[i] == cp) return static_cast<char>(0x80 + i);
    return '?';
}

// Plain ASCII is spelt the same in both encodings; most names are.
bool IsAscii(std::string_view text) {
    for (char c : text)
        if (static_cast<std::uint8_t>(c) >= 0x80) return false;
    return true;
}

}  // namespace

char UpperChar(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

std::string UpperCaseAscii(std::string_view text) {
    std::string result(text);
    for (char& c : result) c = UpperChar(c);
    return result;
}

std::string LowerCaseAscii(std::string_view text) {
    std::string result(text);
    for (char& c : result) c = LowerChar(c);
    return result;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (UpperChar(a[i]) != UpperChar(b[i])) return false;
    return true;
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && EqualsIgnoringCase(text.substr(0, prefix.size()), prefix);
}

bool EndsWithIgnoringCase(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() &&
           EqualsIgnoringCase(text.substr(text.size() - suffix.size()), suffix);
}

std::string TrimBlanksAndNuls(std::string_view text) {
    const auto isTrimmed = [](char c) { return c == ' ' || c == '\0'; };
    std::size_t begin = 0, end = text.size();
    while (begin < end && isTrimmed(text[begin])) ++begin;
    while (end > begin && isTrimmed(text[end - 1])) --end;
    return std::string(text.substr(begin, end - begin));
}

std::string Cp1252ToUtf8(std::string_view text) {
    if (IsAscii(text)) return std::string(text);
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        const auto byte = static_cast<std::uint8_t>(c);
        AppendUtf8(out, byte >= 0x80 && byte < 0xA0 ? kHighControlBlock[byte - 0x80] : byte);
    }
    return out;
}

std::string Utf8ToCp1252(std::string_view text) {
    if (IsAscii(text)) return std::string(text);
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<std::uint8_t>(text[i]);
        int length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
        if (length == 0 || i + length > text.size()) {
            out += '?';
            ++i;
            continue;
        }
        char32_t cp = length == 1 ? lead : lead & (0x7F >> length);
        for (int k = 1; k < length; ++k) cp = (cp << 6) | (static_cast<std::uint8_t>(text[i + k]) & 0x3F);
        out += CodePointToCp1252(cp);
        i += length;
    }
    return out;
}

bool TextToBool(const std::string& text) { return UpperCaseAscii(text) == "TRUE"; }

std::string BoolToText(bool value) { return value ? "TRUE" : "FALSE"; }

long long TextToIntDef(const std::string& text) {
    long long value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    return (error == std::errc() && stop == end && !text.empty()) ? value : 0;
}

double TextToFloatDef(const std::string& text) {
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value, std::chars_format::fixed);
    return (error == std::errc() && stop == end && !text.empty()) ? value : 0;
}

}  // namespace korvex
