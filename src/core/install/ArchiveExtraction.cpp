#include "install/ArchiveExtraction.h"

#include <archive.h>
#include <archive_entry.h>
#include <locale.h>
#include <sys/statvfs.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <memory>
#include <set>

#include "platform/FileSystem.h"
#include "platform/Path.h"
#include "platform/Text.h"
#include "platform/WorkInProgress.h"

namespace korvex {
namespace {

namespace fs = std::filesystem;

using ArchivePtr = std::unique_ptr<archive, decltype(&archive_read_free)>;
using DiskPtr = std::unique_ptr<archive, decltype(&archive_write_free)>;

// libarchive converts entry names into the character set of the current locale, which is
// "C" in korvex-cli and the player's in the window. While one of these lives, this thread
// reads them in UTF-8, whatever the process's locale is.
class Utf8EntryNames {
public:
    Utf8EntryNames() : utf8_(::newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t{})) {
        if (utf8_) previous_ = ::uselocale(utf8_);
    }
    ~Utf8EntryNames() {
        if (!utf8_) return;
        ::uselocale(previous_);
        ::freelocale(utf8_);
    }
    Utf8EntryNames(const Utf8EntryNames&) = delete;
    Utf8EntryNames& operator=(const Utf8EntryNames&) = delete;

private:
    locale_t utf8_;
    locale_t previous_{};
};

// A ZIP archive opened for reading; the reader finds the ZIP data behind a program stub too.
// Names without the ZIP's UTF-8 flag are in the PC code page, as DOS and Windows wrote them.
ArchivePtr OpenZip(const std::string& file) {
    ArchivePtr reader(archive_read_new(), archive_read_free);
    archive_read_support_format_zip(reader.get());
    const Utf8EntryNames utf8;
    if (!RegularFileExists(file) || archive_read_set_options(reader.get(), "zip:hdrcharset=CP437") != ARCHIVE_OK ||
        archive_read_open_filename(reader.get(), NativePath(ResolveCase(file)).c_str(), 64 * 1024) != ARCHIVE_OK)
        return ArchivePtr(nullptr, archive_read_free);
    return reader;
}

// The caller reads the names in UTF-8 (Utf8EntryNames) for the whole listing: making the
// locale costs a file lookup, too much for each of thousands of entries.
bool NextHeader(archive* reader, archive_entry*& entry, bool& failed) {
    const int status = archive_read_next_header(reader, &entry);
    failed = status != ARCHIVE_EOF && status != ARCHIVE_OK && status != ARCHIVE_WARN;
    return status == ARCHIVE_OK || status == ARCHIVE_WARN;
}

// Korvex's spelling of the entry's name; empty when it could not be read.
std::string EntryName(archive_entry* entry) {
    const char* name = archive_entry_pathname(entry);
    return name ? WithPlatformSeparators(Utf8ToCp1252(name)) : std::string();
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

bool HasControlCharacter(const std::string& name) {
    return std::any_of(name.begin(), name.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; });
}

struct ArchiveSurvey {
    int entries = 0;
    std::uintmax_t declaredBytes = 0;
    std::vector<std::uintmax_t> fileSizes;
    std::set<std::string> folders;
};

// The folder entries and the folders the file entries lie in.
void AddFolders(ArchiveSurvey& survey, const std::string& name, bool isFolder) {
    const std::string path = WithoutTrailingSeparator(name);
    for (auto end = path.find(kPathSeparator); end != std::string::npos; end = path.find(kPathSeparator, end + 1))
        survey.folders.insert(path.substr(0, end));
    if (isFolder) survey.folders.insert(path);
}

// Why one entry refuses the whole archive; empty for an entry that may be unpacked.
std::string EntryRefusal(archive_entry* entry, const std::string& name) {
    if (name.empty()) return "the name of an entry cannot be read";
    if (HasControlCharacter(name)) return "the name of an entry holds a control character";
    if (!IsSafeEntryName(name)) return "the entry " + name + " would land outside the folder it is unpacked into";
    const auto type = archive_entry_filetype(entry);
    // A MOD needs no links, and an installed link can lead anywhere.
    if (type == AE_IFLNK || archive_entry_hardlink(entry)) return "the entry " + name + " is a link";
    if (type != AE_IFREG && type != AE_IFDIR) return "the entry " + name + " is neither a file nor a folder";
    return {};
}

// Reads every header once before anything is written: one unsafe entry refuses the archive.
bool SurveyArchive(const std::string& file, ArchiveSurvey& survey, std::string& refusal) {
    const ArchivePtr reader = OpenZip(file);
    refusal = "it cannot be read as a ZIP archive";
    if (!reader) return false;
    archive_entry* entry = nullptr;
    bool failed = false;
    const Utf8EntryNames utf8;
    while (NextHeader(reader.get(), entry, failed)) {
        if (++survey.entries > static_cast<int>(kMostArchiveEntries)) {
            refusal = "it holds more than " + std::to_string(kMostArchiveEntries) + " entries";
            return false;
        }
        const std::string name = EntryName(entry);
        refusal = EntryRefusal(entry, name);
        if (!refusal.empty()) return false;
        const bool isFolder = archive_entry_filetype(entry) == AE_IFDIR;
        AddFolders(survey, name, isFolder);
        if (isFolder || !archive_entry_size_is_set(entry)) continue;
        const auto size = static_cast<std::uintmax_t>(archive_entry_size(entry));
        survey.declaredBytes += size;
        survey.fileSizes.push_back(size);
    }
    refusal = failed ? "it is damaged" : survey.entries == 0 ? "it holds no files" : "";
    return refusal.empty();
}

struct FreeSpace {
    std::uintmax_t available = 0;
    std::uintmax_t blockSize = 1;
};

FreeSpace FreeSpaceFor(const std::string& directory) {
    struct statvfs info {};
    if (::statvfs(NativePath(directory).c_str(), &info) != 0) return {};
    const std::uintmax_t blockSize = info.f_frsize ? info.f_frsize : info.f_bsize;
    return {static_cast<std::uintmax_t>(info.f_bavail) * blockSize, std::max<std::uintmax_t>(blockSize, 1)};
}

// Why the sizes refuse the archive; empty when it fits.
std::string SizeRefusal(const ArchiveSurvey& survey, std::uintmax_t archiveSize, const FreeSpace& space) {
    if (survey.declaredBytes > UnpackBudget(archiveSize)) return "it would unpack to far more than it plausibly holds";
    // The folder the archive is unpacked into takes a block as well.
    const std::uintmax_t needed = SpaceOnDisk(survey.fileSizes, survey.folders.size() + 1, space.blockSize);
    if (needed <= space.available) return {};
    return "the disk has too little free space: " + std::to_string((needed + 1023) / 1024) + " KB needed, " +
           std::to_string(space.available / 1024) + " KB free";
}

std::string WriteFailure(archive* disk, const std::string& name) {
    const int error = archive_errno(disk);
    if (error == ENOSPC || error == EDQUOT) return name + " could not be written: the disk is full";
    return name + " could not be written";
}

// Copies the entry's data, cutting it off where it grows past what it may hold. A damaged
// entry (its checksum does not match) or a failed write fails the copy.
bool CopyEntryData(archive* reader, archive* disk, const std::string& name, std::uintmax_t limit,
                   std::uintmax_t& written, std::string& refusal) {
    const void* block = nullptr;
    std::size_t size = 0;
    la_int64_t offset = 0;
    std::uintmax_t copied = 0;
    for (;;) {
        const int status = archive_read_data_block(reader, &block, &size, &offset);
        if (status == ARCHIVE_EOF) break;
        if (status != ARCHIVE_OK) {
            refusal = "the entry " + name + " is damaged";
            return false;
        }
        copied += size;
        if (copied > limit) {
            refusal = "the entry " + name + " unpacks to more than it declares";
            return false;
        }
        if (archive_write_data_block(disk, block, size, offset) != ARCHIVE_OK) {
            refusal = WriteFailure(disk, name);
            return false;
        }
    }
    written += copied;
    return true;
}

// Every entry lands at the staging folder joined with its checked name; the process's
// working directory is never changed.
bool UnpackInto(const std::string& file, const fs::path& staging, const ArchiveSurvey& survey, std::uintmax_t budget,
                std::string& refusal, const ExtractProgress& progress) {
    const ArchivePtr reader = OpenZip(file);
    refusal = "it cannot be read as a ZIP archive";
    if (!reader) return false;
    DiskPtr disk(archive_write_disk_new(), archive_write_free);
    // The names are checked and links refused, so no entry can reach out of the new staging
    // folder; the path above it is the player's and may hold links.
    archive_write_disk_set_options(disk.get(), ARCHIVE_EXTRACT_SECURE_NODOTDOT | ARCHIVE_EXTRACT_NO_OVERWRITE);
    archive_entry* entry = nullptr;
    bool failed = false;
    int done = 0;
    std::uintmax_t written = 0;
    const Utf8EntryNames utf8;
    while (NextHeader(reader.get(), entry, failed)) {
        const std::string name = EntryName(entry);
        const bool isDirectory = archive_entry_filetype(entry) == AE_IFDIR;
        archive_entry_set_pathname(entry, (staging / NativePath(name)).c_str());
        archive_entry_set_perm(entry, isDirectory ? 0755 : 0644);
        const int status = archive_write_header(disk.get(), entry);
        // A second entry of an existing name keeps the first.
        const bool skip = status != ARCHIVE_OK && archive_errno(disk.get()) == EEXIST;
        if (status != ARCHIVE_OK && !skip) {
            refusal = WriteFailure(disk.get(), name);
            return false;
        }
        if (!skip && !isDirectory) {
            const std::uintmax_t left = budget > written ? budget - written : 0;
            const std::uintmax_t limit =
                archive_entry_size_is_set(entry) ? static_cast<std::uintmax_t>(archive_entry_size(entry)) : left;
            if (!CopyEntryData(reader.get(), disk.get(), name, std::min(limit, left), written, refusal)) return false;
        }
        if (archive_write_finish_entry(disk.get()) != ARCHIVE_OK && !skip) {
            refusal = WriteFailure(disk.get(), name);
            return false;
        }
        if (progress) progress({++done, survey.entries, written, survey.declaredBytes});
    }
    refusal = failed ? "it is damaged" : "";
    return !failed;
}

// Moves what was unpacked into target; a file that exists there already is kept. False when
// an entry could not be moved: the archive would otherwise be installed without it.
bool MergeInto(const fs::path& from, const fs::path& to) {
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(from, error)) {
        const fs::path destination = to / entry.path().filename();
        const auto existing = fs::symlink_status(destination, error);
        if (!fs::exists(existing)) {
            std::error_code moved;
            fs::rename(entry.path(), destination, moved);
            if (moved) return false;
        } else if (fs::is_directory(existing) && entry.is_directory(error) && !entry.is_symlink(error)) {
            if (!MergeInto(entry.path(), destination)) return false;
        }
    }
    return true;
}

}  // namespace

bool ListArchive(const std::string& file, std::vector<std::string>& names) {
    names.clear();
    const ArchivePtr reader = OpenZip(file);
    if (!reader) return false;
    archive_entry* entry = nullptr;
    bool failed = false;
    const Utf8EntryNames utf8;
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

std::uintmax_t UnpackBudget(std::uintmax_t archiveSize) {
    return std::max(archiveSize * kMostCompressionRatio, kAlwaysAllowedBytes);
}

std::uintmax_t SpaceOnDisk(const std::vector<std::uintmax_t>& fileSizes, std::size_t folders,
                           std::uintmax_t blockSize) {
    std::uintmax_t blocks = folders;
    for (const std::uintmax_t size : fileSizes) blocks += size / blockSize + (size % blockSize != 0);
    return blocks * blockSize;
}

bool IsSafeEntryName(const std::string& name) {
    return !name.empty() && name.front() != kPathSeparator && name.find(':') == std::string::npos &&
           !HasUnsafeComponent(name) && !HasControlCharacter(name);
}

bool ExtractArchive(const std::string& file, const std::string& target, std::string& refusal,
                    const ExtractProgress& progress) {
    ArchiveSurvey survey;
    if (!SurveyArchive(file, survey, refusal)) return false;
    const auto archiveEntry = LookUpEntry(file);
    const std::uintmax_t archiveSize = archiveEntry ? archiveEntry->size : 0;
    const std::string directory = ResolveCase(WithoutTrailingSeparator(target));
    refusal = SizeRefusal(survey, archiveSize, FreeSpaceFor(directory));
    if (!refusal.empty()) return false;

    // Unpacked beside the target first, so that a refusal halfway leaves the target untouched;
    // what a kill leaves there the next start clears away.
    const fs::path staging = fs::absolute(NativePath(BuildingName(directory))).lexically_normal();
    std::error_code error;
    fs::remove_all(staging, error);
    if (!fs::create_directory(staging, error)) {
        refusal = "the folder " + Utf8ToCp1252(staging.string()) + " could not be created";
        return false;
    }
    bool unpacked = UnpackInto(file, staging, survey, UnpackBudget(archiveSize), refusal, progress);
    // Into an empty or new folder in one step, so that a failure leaves none of the archive there;
    // into one that holds an earlier archive's files entry by entry.
    const bool moved =
        unpacked && (RemoveEmptyDirectory(directory) || !DirectoryExists(directory)
                         ? RenamePath(BuildingName(directory), directory)
                         : MergeInto(staging, NativePath(directory)));
    if (unpacked && !moved) {
        refusal = "the unpacked files could not be moved into the folder " + directory;
        unpacked = false;
    }
    fs::remove_all(staging, error);
    return unpacked;
}

}  // namespace korvex
