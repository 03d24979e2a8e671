#include "platform/Path.h"

namespace korvex {

std::string JoinPath(std::string_view directory, std::string_view name) {
    std::string result = WithTrailingSeparator(directory);
    while (!name.empty() && name.front() == kPathSeparator) name.remove_prefix(1);
    result += name;
    return result;
}

std::string WithTrailingSeparator(std::string_view path) {
    std::string result(path);
    if (result.empty() || result.back() != kPathSeparator) result += kPathSeparator;
    return result;
}

std::string WithoutTrailingSeparator(std::string_view path) {
    while (path.size() > 1 && path.back() == kPathSeparator) path.remove_suffix(1);
    return std::string(path);
}

std::string ParentDirectory(std::string_view path) {
    const std::string trimmed = WithoutTrailingSeparator(path);
    const auto cut = trimmed.find_last_of(kPathSeparator);
    if (cut == std::string::npos) return {};
    return cut == 0 ? std::string(1, kPathSeparator) : trimmed.substr(0, cut);
}

std::string FileName(std::string_view path) {
    const std::string trimmed = WithoutTrailingSeparator(path);
    const auto cut = trimmed.find_last_of(kPathSeparator);
    return cut == std::string::npos ? trimmed : trimmed.substr(cut + 1);
}

std::string WithPlatformSeparators(std::string_view path) {
    std::string result(path);
    for (char& c : result)
        if (c == '\\') c = kPathSeparator;
    return result;
}

std::string RelativeTo(std::string_view path, std::string_view directory) {
    const std::string prefix = WithTrailingSeparator(directory);
    if (path.size() <= prefix.size() || path.substr(0, prefix.size()) != prefix) return {};
    return std::string(path.substr(prefix.size()));
}

}  // namespace korvex
