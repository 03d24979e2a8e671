// Names of Korvex's work in progress. A file or directory being built carries kBuildingSuffix
// until it is complete and renamed into its place; one being thrown away is first renamed to
// carry kDiscardedSuffix; one that steps aside while its replacement moves in carries
// kSetAsideSuffix. No listing of data takes such names, and the next start clears them away
// (puts a set-aside one back when its replacement never arrived), so a kill at any moment
// leaves nothing that is read as a Player-CFG, a MOD or a macro.
#pragma once

#include <string>
#include <string_view>

namespace korvex {

inline constexpr std::string_view kBuildingSuffix = ".korvex-new";
inline constexpr std::string_view kDiscardedSuffix = ".korvex-old";
inline constexpr std::string_view kSetAsideSuffix = ".korvex-aside";

inline bool IsWorkInProgress(std::string_view name) {
    return name.ends_with(kBuildingSuffix) || name.ends_with(kDiscardedSuffix) || name.ends_with(kSetAsideSuffix);
}

inline std::string BuildingName(const std::string& path) { return path + std::string(kBuildingSuffix); }
inline std::string DiscardedName(const std::string& path) { return path + std::string(kDiscardedSuffix); }
inline std::string SetAsideName(const std::string& path) { return path + std::string(kSetAsideSuffix); }

}  // namespace korvex
