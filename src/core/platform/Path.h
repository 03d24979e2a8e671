// Building and taking apart file paths with the platform's separator.
#pragma once

#include <string>
#include <string_view>

namespace korvex {

inline constexpr char kPathSeparator = '/';

// Joins with exactly one separator between the parts.
std::string JoinPath(std::string_view directory, std::string_view name);
std::string WithTrailingSeparator(std::string_view path);
std::string WithoutTrailingSeparator(std::string_view path);
std::string ParentDirectory(std::string_view path);
std::string FileName(std::string_view path);

// A relative path as Korvex's files write it ("maps\\x.bsp") with the platform's separator.
std::string WithPlatformSeparators(std::string_view path);

// The part of path below directory, or empty text when path does not lie below it.
std::string RelativeTo(std::string_view path, std::string_view directory);

}  // namespace korvex
