// Builds the ZIP and self-extracting archives the installation tests unpack, hostile ones
// included, with libarchive's writer.
#pragma once

#include <string>
#include <vector>

namespace korvex {

struct ZipEntry {
    std::string name;
    std::string content;
    bool directory = false;
    std::string linkTarget;  // a symbolic link when not empty
};

inline ZipEntry ZipFile(std::string name, std::string content) { return {std::move(name), std::move(content), false, {}}; }
inline ZipEntry ZipFolder(std::string name) { return {std::move(name), {}, true, {}}; }
inline ZipEntry ZipLink(std::string name, std::string target) { return {std::move(name), {}, false, std::move(target)}; }

// The bytes of a ZIP archive; stub goes in front of it, as the program of a self-extracting
// archive does.
std::string BuildZip(const std::vector<ZipEntry>& entries, const std::string& stub = {});
void WriteZip(const std::string& path, const std::vector<ZipEntry>& entries, const std::string& stub = {});
// What a self-extracting archive's program looks like to a reader: an executable header.
std::string ProgramStub(std::size_t size = 20000);
// Makes every entry of the archive claim to unpack to size bytes.
void ClaimUncompressedSize(std::string& zip, std::uint32_t size);
// Makes every entry's checksum wrong, as a damaged download has it.
void SpoilChecksums(std::string& zip);
// Gives the entry named placeholder the name spelled in the PC code page (CP437), both of
// the same length, and stores every name without the UTF-8 flag, as DOS and older Windows
// ZIP writers do.
void SpellInCodePage(std::string& zip, const std::string& placeholder, const std::string& cp437);
// Marks every name as UTF-8, as newer ZIP writers do for names beyond ASCII.
void FlagNamesUtf8(std::string& zip);

}  // namespace korvex
