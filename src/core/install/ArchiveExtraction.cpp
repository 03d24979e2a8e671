#include "install/ArchiveExtraction.h"

#include <archive.h>
#include <archive_entry.h>
#include <fcntl.h>
#include <cerrno>
#include <unistd.h>

#include <filesystem>
#include <memory>

#include "platform/FileSystem.h"
#include "platform/Path.h"
#include "platform/Text.h"

namespace korvex {
namespace {

namespace fs = std::filesystem;

using ArchivePtr = std::unique_ptr<archive, decltype(&archive_read_free)>;
using DiskPtr = std::unique_ptr<archive, decltype(&archive_write_free)>;

// A ZIP archive opened for reading; the reader finds the ZIP data behind a program stub too.
ArchivePtr OpenZip(const std::string& file) {
    ArchivePtr reader(archive_read_new(), archive_read_free);
    archive_read_support_format_zip(reader.get());
    if (!RegularFileExists(file) ||
        archive_read_open_filename(reader.get(), NativePath(ResolveCase(file)).c_str(), 64 * 1024) != ARCHIVE_OK)
        return ArchivePtr(nullptr, archive_read_free);
    return reader;
}

bool NextHeader(archive* reader, archive_entry*& entry, bool& failed) {
    const int status = archive_read_next_header(reader, &entry);
    failed = status != ARCHIVE_EOF && status != ARCHIVE_OK && status != ARCHIVE_WARN;
    return status == ARCHIVE_OK || status == ARCHIVE_WARN;
}

std::string EntryName(archive_entry* entry) {
    const char* name = archive_entry_pathname(entry);
    return name ? WithPlatformSeparators(name) : std::string();
}

bool HasUnsafeComponent(const std::string& path) {
    std::size_t start = 0;
    while (start <= path.size()) {
        auto end = path.find(kPathSeparator, start);
        if (end == std::string::npos) end = path.size();
        if (path.compare(start, end - start, "..") == 0) return true;
        start = end + 1;
    }
    return false;
}

struct ArchiveSurvey {
    int entries = 0;
    std::uintmax_t declaredBytes = 0;
};

// Reads every header once before anything is written: one unsafe entry refuses the archive.
bool SurveyArchive(const std::string& file, ArchiveSurvey& survey) {
    const ArchivePtr reader = OpenZip(file);
    if (!reader) return false;
    archive_entry* entry = nullptr;
    bool failed = false;
    while (NextHeader(reader.get(), entry, failed)) {
        if (++survey.entries > static_cast<int>(kMostArchiveEntries)) return false;
        if (!IsSafeEntryName(EntryName(entry))) return false;
        const auto type = archive_entry_filetype(entry);
        if (type != AE_IFREG && type != AE_IFDIR && type != AE_IFLNK) return false;
        const char* hardlink = archive_entry_hardlink(entry);
        if (hardlink && !IsSafeEntryName(WithPlatformSeparators(hardlink))) return false;
        if (type == AE_IFLNK) {
            const char* target = archive_entry_symlink(entry);
            if (!target || !IsSafeLinkTarget(WithPlatformSeparators(target))) return false;
        }
        if (archive_entry_size_is_set(entry)) survey.declaredBytes += static_cast<std::uintmax_t>(archive_entry_size(entry));
    }
    return !failed && survey.entries > 0;
}

std::uintmax_t FreeSpaceFor(const std::string& directory) {
    std::error_code error;
    const auto space = fs::space(NativePath(directory), error);
    return error ? 0 : space.available;
}

// Copies the entry's data, cutting it off where it grows past what it may hold.
bool CopyEntryData(archive* reader, archive* disk, std::uintmax_t limit, std::uintmax_t& written) {
    const void* block = nullptr;
    std::size_t size = 0;
    la_int64_t offset = 0;
    std::uintmax_t copied = 0;
    for (;;) {
        const int status = archive_read_data_block(reader, &block, &size, &offset);
        if (status == ARCHIVE_EOF) break;
        if (status < ARCHIVE_WARN) return false;
        copied += size;
        if (copied > limit) return false;
        if (archive_write_data_block(disk, block, size, offset) < ARCHIVE_WARN) return false;
    }
    written += copied;
    return true;
}

// Entries land below the current directory only; absolute paths, ".." and links that would
// be followed out of it are refused by the writer as well.
bool UnpackIntoCurrentDirectory(const std::string& file, const ArchiveSurvey& survey, std::uintmax_t budget,
                                const ExtractProgress& progress) {
    const ArchivePtr reader = OpenZip(file);
    if (!reader) return false;
    DiskPtr disk(archive_write_disk_new(), archive_write_free);
    archive_write_disk_set_options(disk.get(), ARCHIVE_EXTRACT_SECURE_SYMLINKS | ARCHIVE_EXTRACT_SECURE_NODOTDOT |
                                                   ARCHIVE_EXTRACT_SECURE_NOABSOLUTEPATHS |
                                                   ARCHIVE_EXTRACT_NO_OVERWRITE);
    archive_entry* entry = nullptr;
    bool failed = false;
    int done = 0;
    std::uintmax_t written = 0;
    while (NextHeader(reader.get(), entry, failed)) {
        const bool isDirectory = archive_entry_filetype(entry) == AE_IFDIR;
        archive_entry_set_pathname(entry, EntryName(entry).c_str());
        archive_entry_set_perm(entry, isDirectory ? 0755 : 0644);
        const int status = archive_write_header(disk.get(), entry);
        // A second entry of an existing name keeps the first.
        const bool skip = status < ARCHIVE_WARN && archive_errno(disk.get()) == EEXIST;
        if (status < ARCHIVE_WARN && !skip) return false;
        if (!skip && archive_entry_filetype(entry) == AE_IFREG) {
            const std::uintmax_t left = budget > written ? budget - written : 0;
            const std::uintmax_t limit =
                archive_entry_size_is_set(entry) ? static_cast<std::uintmax_t>(archive_entry_size(entry)) : left;
            if (!CopyEntryData(reader.get(), disk.get(), std::min(limit, left), written)) return false;
        }
        if (archive_write_finish_entry(disk.get()) < ARCHIVE_WARN && !skip) return false;
        if (progress) progress(++done, survey.entries);
    }
    return !failed;
}

bool UnpackInto(const std::string& file, const std::string& directory, const ArchiveSurvey& survey,
                std::uintmax_t budget, const ExtractProgress& progress) {
    const int previous = ::open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (previous < 0) return false;
    bool unpacked = ::chdir(directory.c_str()) == 0 && UnpackIntoCurrentDirectory(file, survey, budget, progress);
    if (::fchdir(previous) != 0) unpacked = false;
    ::close(previous);
    return unpacked;
}

// Moves what was unpacked into target; a file that exists there already is kept.
void MergeInto(const fs::path& from, const fs::path& to) {
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(from, error)) {
        const fs::path destination = to / entry.path().filename();
        const auto existing = fs::symlink_status(destination, error);
        if (!fs::exists(existing)) {
            fs::rename(entry.path(), destination, error);
        } else if (fs::is_directory(existing) && entry.is_directory(error) && !entry.is_symlink(error)) {
            MergeInto(entry.path(), destination);
        }
    }
}

}  // namespace

bool ListArchive(const std::string& file, std::vector<std::string>& names) {
    names.clear();
    const ArchivePtr reader = OpenZip(file);
    if (!reader) return false;
    archive_entry* entry = nullptr;
    bool failed = false;
    while (NextHeader(reader.get(), entry, failed) && names.size() < kMostArchiveEntries)
        names.push_back(EntryName(entry));
    if (failed) names.clear();
    return !failed;
}

bool IsPlainArchive(const std::string& file) {
    std::vector<std::string> names;
    if (!ListArchive(file, names) || names.empty()) return false;
    for (const std::string& name : names) {
        const std::string upper = UpperCaseAscii(name);
        for (const char* installer : {"SETUP.EXE", "INSTALL.EXE", ".CAB"})
            if (upper.find(installer) != std::string::npos) return false;
    }
    return true;
}

std::uintmax_t UnpackBudget(std::uintmax_t archiveSize, std::uintmax_t freeSpace) {
    return std::min(std::max(archiveSize * kMostCompressionRatio, kAlwaysAllowedBytes), freeSpace);
}

bool IsSafeEntryName(const std::string& name) {
    return !name.empty() && name.front() != kPathSeparator && name.find(':') == std::string::npos &&
           !HasUnsafeComponent(name);
}

bool IsSafeLinkTarget(const std::string& target) { return IsSafeEntryName(target); }

bool ExtractArchive(const std::string& file, const std::string& target, const ExtractProgress& progress) {
    ArchiveSurvey survey;
    if (!SurveyArchive(file, survey)) return false;
    const auto archiveEntry = LookUpEntry(file);
    const std::uintmax_t archiveSize = archiveEntry ? archiveEntry->size : 0;
    const std::string directory = ResolveCase(WithoutTrailingSeparator(target));
    const std::uintmax_t budget = UnpackBudget(archiveSize, FreeSpaceFor(directory));
    if (survey.declaredBytes > budget) return false;

    // Unpacked beside the target first, so that a refusal halfway leaves the target untouched.
    const fs::path staging = NativePath(directory + ".unpacking");
    std::error_code error;
    fs::remove_all(staging, error);
    if (!fs::create_directory(staging, error)) return false;
    // The archive is read from inside the staging directory: its path must not be relative.
    const bool unpacked = UnpackInto(Utf8ToCp1252(fs::absolute(NativePath(ResolveCase(file))).string()),
                                     staging.string(), survey, budget, progress);
    if (unpacked) MergeInto(staging, NativePath(directory));
    fs::remove_all(staging, error);
    return unpacked;
}

}  // namespace korvex
