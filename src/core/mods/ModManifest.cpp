#include "mods/ModManifest.h"

#include <charconv>

#include "app/ProgramPaths.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"
#include "platform/Text.h"
#include "platform/TextFile.h"

namespace korvex {
namespace {

constexpr std::size_t kHashDigits = 32;

std::optional<ManifestFile> ParseLine(const std::string& line) {
    const auto firstBlank = line.find(' ');
    if (firstBlank == std::string::npos) return std::nullopt;
    const auto secondBlank = line.find(' ', firstBlank + 1);
    if (secondBlank != firstBlank + 1 + kHashDigits || secondBlank + 1 >= line.size()) return std::nullopt;
    ManifestFile file;
    const char* end = line.data() + firstBlank;
    const auto [stop, error] = std::from_chars(line.data(), end, file.digest.size);
    if (error != std::errc() || stop != end) return std::nullopt;
    file.digest.hash = line.substr(firstBlank + 1, kHashDigits);
    if (file.digest.hash.find_first_not_of("0123456789abcdef") != std::string::npos) return std::nullopt;
    file.path = line.substr(secondBlank + 1);
    // A path that climbs out would let a damaged manifest delete files outside the game.
    if (file.path.front() == kPathSeparator || ("/" + file.path + "/").find("/../") != std::string::npos)
        return std::nullopt;
    return file;
}

// The first component of a path below the Quake II directory: the game directory.
std::string GameDirectoryOf(const std::string& path) { return path.substr(0, path.find(kPathSeparator)); }

}  // namespace

std::string ManifestDirectory(const ProgramPaths& paths, const std::string& modDirectory) {
    return ResolveCase(JoinPath(paths.manifests, LowerCaseAscii(modDirectory)));
}

std::string ManifestFilePath(const std::string& manifestDirectory) {
    return JoinPath(manifestDirectory, "manifest.dat");
}

std::string ReplacedCopyPath(const std::string& manifestDirectory, const std::string& path) {
    return JoinPath(JoinPath(manifestDirectory, "replaced"), path);
}

bool HasManifest(const std::string& manifestDirectory) { return FileExists(ManifestFilePath(manifestDirectory)); }

std::optional<Manifest> ReadManifest(const std::string& manifestDirectory) {
    std::vector<std::string> lines;
    if (!ReadAllLines(ManifestFilePath(manifestDirectory), lines)) return std::nullopt;
    Manifest manifest;
    for (const std::string& line : lines) {
        std::optional<ManifestFile> file = ParseLine(line);
        if (!file) return std::nullopt;
        manifest.push_back(std::move(*file));
    }
    return manifest;
}

bool WriteManifest(const std::string& manifestDirectory, const Manifest& manifest) {
    std::vector<std::string> lines;
    lines.reserve(manifest.size());
    for (const ManifestFile& file : manifest)
        lines.push_back(std::to_string(file.digest.size) + " " + file.digest.hash + " " + file.path);
    return (DirectoryExists(manifestDirectory) || CreateDirectories(manifestDirectory)) &&
           WriteLinesAtomically(ManifestFilePath(manifestDirectory), lines);
}

FileState StateOf(const std::string& quakeDir, const ManifestFile& file) {
    const std::string path = JoinPath(quakeDir, file.path);
    if (!PathExists(path)) return FileState::Missing;
    const std::optional<std::uintmax_t> size = FileSizeOf(path);
    if (!size || *size != file.digest.size) return FileState::Changed;
    const std::optional<FileDigest> digest = DigestOfFile(path);
    return digest && *digest == file.digest ? FileState::Unchanged : FileState::Changed;
}

const char* StateName(FileState state) {
    switch (state) {
    case FileState::Unchanged: return "unchanged";
    case FileState::Changed: return "changed";
    case FileState::Missing: return "missing";
    }
    return "";
}

bool MoveManifest(const ProgramPaths& paths, const std::string& oldDirectory, const std::string& newDirectory) {
    const std::string from = ManifestDirectory(paths, oldDirectory);
    if (!DirectoryExists(from)) return true;
    const std::string newName = LowerCaseAscii(newDirectory);
    if (HasManifest(from)) {
        std::optional<Manifest> manifest = ReadManifest(from);
        if (!manifest) return false;
        for (ManifestFile& file : *manifest)
            if (EqualsIgnoringCase(GameDirectoryOf(file.path), oldDirectory))
                file.path = newName + file.path.substr(GameDirectoryOf(file.path).size());
        if (!WriteManifest(from, *manifest)) return false;
    }
    const std::string oldCopies = ResolveCase(ReplacedCopyPath(from, oldDirectory));
    const std::string newCopies = ReplacedCopyPath(from, newName);
    if (oldCopies != newCopies && DirectoryExists(oldCopies) && !RenamePath(oldCopies, newCopies)) return false;
    const std::string to = JoinPath(paths.manifests, newName);
    return from == to || RenamePath(from, to);
}

}  // namespace korvex
