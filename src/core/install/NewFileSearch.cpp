#include "install/NewFileSearch.h"

#include <algorithm>

#include "platform/FileSystem.h"
#include "platform/Path.h"

namespace korvex {
namespace {

void AddOnce(std::vector<std::string>& list, const std::string& item) {
    if (std::find(list.begin(), list.end(), item) == list.end()) list.push_back(item);
}

bool ScanDirectory(const std::string& directory, std::int64_t since, NewFiles& found, const SearchVisit& visit) {
    if (visit && !visit(directory)) return false;
    const std::vector<DirEntry> entries = ListDirectory(directory);
    for (const DirEntry& entry : entries) {
        const std::string path = JoinPath(directory, entry.name);
        if (entry.isDirectory && !entry.name.starts_with('.') && !IsSkippedSystemDirectory(path) &&
            !ScanDirectory(path, since, found, visit))
            return false;
    }
    for (const DirEntry& entry : entries) {
        if (entry.isDirectory || entry.isSymbolicLink || entry.creationTime < since) continue;
        AddOnce(found.directories, directory);
        found.files.push_back(JoinPath(directory, entry.name));
    }
    return true;
}

}  // namespace

bool ScanForNewFiles(const std::vector<std::string>& roots, std::int64_t since, NewFiles& found,
                     const SearchVisit& visit) {
    bool complete = true;
    for (const std::string& root : roots) {
        if (!DirectoryExists(root)) continue;
        complete = ScanDirectory(WithoutTrailingSeparator(root), since, found, visit);
        if (!complete) break;
    }
    std::sort(found.files.begin(), found.files.end());
    found.files.erase(std::unique(found.files.begin(), found.files.end()), found.files.end());
    return complete;
}

}  // namespace korvex
