// Finding what a setup program installed: every file created since it was started, on the
// local file systems.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace korvex {

struct NewFiles {
    std::vector<std::string> directories;  // each directory that holds a new file, once
    std::vector<std::string> files;        // sorted
};

// Told each directory as it is entered; returning false cancels the search.
using SearchVisit = std::function<bool(const std::string& directory)>;

// Where wine installs what a Windows setup program writes: $WINEPREFIX, else ~/.wine. It
// begins with "." as a rule, so the search is given it as a root of its own.
std::string WinePrefix();

// Depth first below each root, subdirectories before the directory's own files; below a
// root, names beginning with "." and the system's own trees are skipped, symbolic links
// neither followed nor counted as new files.
// False when the visit cancelled the search; what was found until then is kept.
bool ScanForNewFiles(const std::vector<std::string>& roots, std::int64_t since, NewFiles& found,
                     const SearchVisit& visit = {});

}  // namespace korvex
