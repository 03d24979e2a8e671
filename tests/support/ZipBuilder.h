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

}  // namespace korvex
