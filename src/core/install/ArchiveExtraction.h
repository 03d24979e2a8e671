// Unpacking ZIP archives and self-extracting ZIP archives (a program in front of the ZIP
// data) with libarchive. Archives come from strangers: an archive with an entry that would
// land outside the target, or that unpacks to far more than it plausibly holds, is refused
// whole and leaves the target as it was.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace korvex {

// Called after each entry with the entries done and the entries in the archive.
using ExtractProgress = std::function<void(int done, int total)>;

// Uncompressed bytes an archive may unpack to: a sane ratio to the archive's size, at most
// what the disk has free.
inline constexpr std::uintmax_t kMostCompressionRatio = 100;
inline constexpr std::uintmax_t kAlwaysAllowedBytes = 16u << 20;
inline constexpr std::size_t kMostArchiveEntries = 65536;

// The stored names of the archive's entries; false when it cannot be read as a ZIP archive.
bool ListArchive(const std::string& file, std::vector<std::string>& names);
// A ZIP archive to unpack; false for one without entries, one that holds an installer
// (SETUP.EXE, INSTALL.EXE or a .CAB file) and anything that is no archive: those are run.
bool IsPlainArchive(const std::string& file);

// The most bytes an archive of that size may unpack to.
std::uintmax_t UnpackBudget(std::uintmax_t archiveSize, std::uintmax_t freeSpace);
// An entry name that stays below the directory it is unpacked into ("\" read as a separator).
bool IsSafeEntryName(const std::string& name);
bool IsSafeLinkTarget(const std::string& target);

// Unpacks every entry into target, recreating folders and keeping files that exist there
// already. Nothing is written when an entry is unsafe or the sizes are implausible.
bool ExtractArchive(const std::string& file, const std::string& target, const ExtractProgress& progress = {});

}  // namespace korvex
