// Creating and removing whole directories.
#pragma once

#include <string>

namespace korvex {

struct Korvex;
struct Reporter;

// Creates one directory level. Korvex names the directories it creates in lower case.
bool MakeDirectory(const std::string& path);
// Removes a directory with everything in it; a missing directory counts as removed.
// The first file that cannot be deleted is reported and ends the removal.
bool RemoveDirectoryTree(Reporter& report, const std::string& path);

}  // namespace korvex
