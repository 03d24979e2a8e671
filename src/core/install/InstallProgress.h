// How far a long step of an installation is (unpacking an archive, moving the files into the
// game), as the windows and korvex-cli show it.
#pragma once

#include <cstdint>
#include <string>

namespace korvex {

struct InstallProgress {
    int filesDone = 0;
    int files = 0;  // none: the step shows no progress
    std::uintmax_t bytesDone = 0;
    std::uintmax_t bytes = 0;

    bool operator==(const InstallProgress&) const = default;
};

// "120 of 2000 files, 6.9 of 115.0 MB".
std::string ProgressText(const InstallProgress& progress);

}  // namespace korvex
