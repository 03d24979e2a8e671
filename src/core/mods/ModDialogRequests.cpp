#include "mods/ModDialogRequests.h"

namespace korvex {

std::string MapNameOfFile(const std::string& fileName) {
    const auto cut = fileName.find(".bsp");
    return cut == std::string::npos ? std::string() : fileName.substr(0, cut);
}

bool ServerSideModComplete(const std::string& directory, const std::string& name) {
    return !directory.empty() && !name.empty();
}

}  // namespace korvex
