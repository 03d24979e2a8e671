// AutoMOD: recognising which modification a game directory holds by the detection files of
// the automod directory, and writing a new detection file for a MOD the player named.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/FileSystem.h"

namespace korvex {

struct Korvex;
struct Reporter;
struct ProgramPaths;

inline constexpr const char* kUnknownModName = "..unknown..";
inline constexpr int kFirstAutoModSlot = 1001;
inline constexpr int kLastAutoModSlot = 9999;

struct AutoModResult {
    bool found = false;
    std::string modName = kUnknownModName;
    std::string usualDirectory;  // line 1 of the matching detection file
    bool noEntry = false;        // as the last detection file tried said
};

// What the conditions of one detection file found in a directory. The entries they look up are
// kept for the next detection file tried on the same directory: each is looked up once.
struct AutoModMatch {
    std::vector<std::string> matchedFiles;  // lower-cased paths, sorted, each once, without .cfg/.aas files
    std::map<std::string, std::optional<DirEntry>> entries;
};

bool IsCfgOrAasFile(const std::string& name);
// A directory as the condition tests take it: no trailing separator, no trailing ".".
std::string NormaliseAutoModDirectory(const std::string& directory);
// The detection file's MOD name: its file name without a "#<slot>#" prefix.
std::string ModNameOfDetectionFile(const std::string& fileName);
bool IsIgnoredModName(const std::string& modName);

// op is "<", "=" or ">"; "=" with -1 holds when the file is absent.
bool CheckFileSize(Reporter& report, AutoModMatch& match, const std::string& directory, const std::string& file,
                   char op, long long value);
// The text within the first 32 768 bytes of the file, read in 8 192-byte blocks.
bool CheckFileContains(Reporter& report, AutoModMatch& match, const std::string& directory, const std::string& file,
                       const std::string& text);

// The lower-cased paths of the directory's files, without .cfg/.aas files and subdirectories.
std::vector<std::string> DirectoryFiles(const std::string& directory);
// The detection files, in the order they are tried: the last in alphabetical order first.
std::vector<std::string> DetectionFilesInTrialOrder(const std::string& autoModDir);

// A detection file as detection tries it: its lines, or none when it could not be read (which
// ends the program when it is tried).
struct DetectionFile {
    std::string fileName;
    std::optional<std::vector<std::string>> lines;
};
// The detection files of the automod directory in trial order, each read once.
std::vector<DetectionFile> ReadDetectionFiles(const std::string& autoModDir);

AutoModResult DetectModByAutoModFiles(Korvex& app, const std::string& directory, bool forModScan);
// The same against detection files read before: a scan reads them once for all its directories.
AutoModResult DetectModByAutoModFiles(Korvex& app, const std::vector<DetectionFile>& detectionFiles,
                                      const std::string& directory, bool forModScan);

// Writes a numbered detection file that describes the directory's present files exactly.
bool RememberModification(Reporter& report, const ProgramPaths& paths, const std::string& directory,
                          const std::string& modName, const std::string& directoryName);

}  // namespace korvex
