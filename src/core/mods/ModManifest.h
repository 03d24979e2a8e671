// The record of what a MOD's installations put into the Quake II directory, so that removing
// the MOD can undo them. manifests/<directory>/manifest.dat holds one line per file: its size,
// its content hash and its path below the Quake II directory; replaced/ holds, by the same
// path, the files those installations replaced.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/FileDigest.h"

namespace korvex {

struct ProgramPaths;

struct ManifestFile {
    FileDigest digest;
    std::string path;  // below the Quake II directory
};
using Manifest = std::vector<ManifestFile>;

enum class FileState { Unchanged, Changed, Missing };

// The manifest directory of a MOD's game directory; an existing one is found in any letter case.
std::string ManifestDirectory(const ProgramPaths& paths, const std::string& modDirectory);
std::string ManifestFilePath(const std::string& manifestDirectory);
std::string ReplacedCopyPath(const std::string& manifestDirectory, const std::string& path);
bool HasManifest(const std::string& manifestDirectory);
// Nothing when there is no manifest or a line of it is damaged.
std::optional<Manifest> ReadManifest(const std::string& manifestDirectory);
bool WriteManifest(const std::string& manifestDirectory, const Manifest& manifest);

// Whether the file is still what the installation put there.
FileState StateOf(const std::string& quakeDir, const ManifestFile& file);
const char* StateName(FileState state);

// The manifest follows its MOD into a new game directory: the paths, the copies and the
// manifest directory itself. Running it again after an interruption finishes it.
bool MoveManifest(const ProgramPaths& paths, const std::string& oldDirectory, const std::string& newDirectory);

}  // namespace korvex
