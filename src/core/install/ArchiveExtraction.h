// Unpacking ZIP archives and self-extracting ZIP archives (a program in front of the ZIP
// data) with libarchive. Archives come from strangers: an archive with an entry that would
// land outside the target, a link, a damaged entry, or one that unpacks to far more than it
// plausibly holds or than the disk has room for, is refused whole and leaves the target as
// it was.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "install/InstallProgress.h"

namespace korvex {

// Called after each entry with the entries done and the entries in the archive.
using ExtractProgress = std::function<void(const InstallProgress& progress)>;

// Uncompressed bytes an archive may unpack to: a sane ratio to the archive's size.
inline constexpr std::uintmax_t kMostCompressionRatio = 100;
inline constexpr std::uintmax_t kAlwaysAllowedBytes = 16u << 20;
inline constexpr std::size_t kMostArchiveEntries = 65536;

// The stored names of the archive's entries, in Korvex's spelling: names a ZIP writer marked
// as UTF-8 read as UTF-8, all others in the PC code page (CP437). False when it cannot be
// read as a ZIP archive.
bool ListArchive(const std::string& file, std::vector<std::string>& names);
// A ZIP archive to unpack; false for one without entries, one that holds an installer
// (SETUP.EXE, INSTALL.EXE or a .CAB file) and anything that is no archive: those are run.
bool IsPlainArchive(const std::string& file);

// The most bytes an archive of that size may unpack to.
std::uintmax_t UnpackBudget(std::uintmax_t archiveSize);
// The disk space files of these sizes and that many folders take: whole blocks each.
std::uintmax_t SpaceOnDisk(const std::vector<std::uintmax_t>& fileSizes, std::size_t folders,
                           std::uintmax_t blockSize);
// An entry name that stays below the directory it is unpacked into ("\" read as a separator)
// and holds no control character.
bool IsSafeEntryName(const std::string& name);

// Unpacks every entry into target, recreating folders and keeping files that exist there
// already. Nothing is written when the archive is refused or a write fails; refusal then
// says why, in words for the player.
bool ExtractArchive(const std::string& file, const std::string& target, std::string& refusal,
                    const ExtractProgress& progress = {});

}  // namespace korvex
