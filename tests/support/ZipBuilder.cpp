#include "support/ZipBuilder.h"

#include <archive.h>
#include <archive_entry.h>

#include <cstring>
#include <stdexcept>

#include "support/ProgramDirFixture.h"

namespace korvex {
namespace {

la_ssize_t Collect(archive*, void* data, const void* buffer, size_t length) {
    static_cast<std::string*>(data)->append(static_cast<const char*>(buffer), length);
    return static_cast<la_ssize_t>(length);
}

}  // namespace

std::string BuildZip(const std::vector<ZipEntry>& entries, const std::string& stub) {
    std::string zip;
    archive* writer = archive_write_new();
    archive_write_set_format_zip(writer);
    archive_write_set_bytes_in_last_block(writer, 1);
    archive_write_open(writer, &zip, nullptr, Collect, nullptr);
    for (const ZipEntry& item : entries) {
        archive_entry* entry = archive_entry_new();
        archive_entry_set_pathname(entry, item.name.c_str());
        if (item.directory) {
            archive_entry_set_filetype(entry, AE_IFDIR);
            archive_entry_set_perm(entry, 0755);
        } else if (!item.linkTarget.empty()) {
            archive_entry_set_filetype(entry, AE_IFLNK);
            archive_entry_set_symlink(entry, item.linkTarget.c_str());
            archive_entry_set_perm(entry, 0777);
        } else {
            archive_entry_set_filetype(entry, AE_IFREG);
            archive_entry_set_perm(entry, 0644);
            archive_entry_set_size(entry, static_cast<la_int64_t>(item.content.size()));
        }
        archive_write_header(writer, entry);
        if (!item.content.empty()) archive_write_data(writer, item.content.data(), item.content.size());
        archive_entry_free(entry);
    }
    archive_write_close(writer);
    archive_write_free(writer);
    return stub + zip;
}

void WriteZip(const std::string& path, const std::vector<ZipEntry>& entries, const std::string& stub) {
    WriteWholeFile(path, BuildZip(entries, stub));
}

std::string ProgramStub(std::size_t size) {
    std::string stub(size, '\0');
    stub[0] = 'M';
    stub[1] = 'Z';
    return stub;
}

namespace {

template <typename Field>
void PatchHeaders(std::string& zip, const char* signature, std::size_t offset, Field value) {
    for (auto at = zip.find(signature); at != std::string::npos; at = zip.find(signature, at + 4))
        std::memcpy(zip.data() + at + offset, &value, sizeof value);
}

const char* kCentralHeader = "PK\x01\x02";
const char* kLocalHeader = "PK\x03\x04";
const char* kDataDescriptor = "PK\x07\x08";

// Bit 11 of the general-purpose flags marks UTF-8 names.
void SetUtf8Flag(std::string& zip, bool utf8) {
    auto patch = [&](const char* signature, std::size_t offset) {
        for (auto at = zip.find(signature); at != std::string::npos; at = zip.find(signature, at + 4)) {
            char& flags = zip[at + offset + 1];
            flags = static_cast<char>(utf8 ? flags | 0x08 : flags & ~0x08);
        }
    };
    patch(kCentralHeader, 8);
    patch(kLocalHeader, 6);
}

}  // namespace

void ClaimUncompressedSize(std::string& zip, std::uint32_t size) {
    PatchHeaders(zip, kCentralHeader, 24, size);
    PatchHeaders(zip, kLocalHeader, 22, size);
    PatchHeaders(zip, kDataDescriptor, 12, size);
}

void SpoilChecksums(std::string& zip) {
    const std::uint32_t wrong = 0x12345678;
    PatchHeaders(zip, kCentralHeader, 16, wrong);
    PatchHeaders(zip, kLocalHeader, 14, wrong);
    PatchHeaders(zip, kDataDescriptor, 4, wrong);
}

void SpellInCodePage(std::string& zip, const std::string& placeholder, const std::string& cp437) {
    if (placeholder.size() != cp437.size()) throw std::invalid_argument("names of different lengths");
    for (auto at = zip.find(placeholder); at != std::string::npos; at = zip.find(placeholder, at + 1))
        zip.replace(at, cp437.size(), cp437);
    SetUtf8Flag(zip, false);
}

void FlagNamesUtf8(std::string& zip) { SetUtf8Flag(zip, true); }

}  // namespace korvex
