#include "install/InstallProgress.h"

#include <cstdio>

namespace korvex {

std::string ProgressText(const InstallProgress& progress) {
    constexpr double kMegabyte = 1024.0 * 1024.0;
    char text[96];
    std::snprintf(text, sizeof text, "%d of %d files, %.1f of %.1f MB", progress.filesDone, progress.files,
                  static_cast<double>(progress.bytesDone) / kMegabyte, static_cast<double>(progress.bytes) / kMegabyte);
    return text;
}

}  // namespace korvex
