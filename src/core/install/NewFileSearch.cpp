#include "install/NewFileSearch.h"

#include <algorithm>
#include <cstdlib>

#include "platform/FileSystem.h"
#include "platform/ListLookup.h"
#include "platform/Path.h"
#include "platform/Text.h"

namespace korvex {
namespace {

struct Search {
    std::vector<std::string> roots;
    std::int64_t since;
    NewFiles& found;
    const SearchVisit& visit;
};

bool IsRoot(const Search& search, const std::string& path) {
    return std::find(search.roots.begin(), search.roots.end(), path) != search.roots.end();
}

bool ScanDirectory(const Search& search, const std::string& directory) {
    if (search.visit && !search.visit(directory)) return false;
    const std::vector<DirEntry> entries = ListDirectory(directory);
    // A root below another root is searched once, as a root of its own.
    for (const DirEntry& entry : entries) {
        const std::string path = JoinPath(directory, entry.name);
        if (entry.isDirectory && !entry.name.starts_with('.') && !IsSkippedSystemDirectory(path) &&
            !IsRoot(search, path) && !ScanDirectory(search, path))
            return false;
    }
    for (const DirEntry& entry : entries) {
        if (entry.isDirectory || entry.isSymbolicLink || entry.creationTime < search.since) continue;
        AddOnce(search.found.directories, directory);
        search.found.files.push_back(JoinPath(directory, entry.name));
    }
    return true;
}

}  // namespace

std::string WinePrefix() {
    const char* prefix = std::getenv("WINEPREFIX");
    if (prefix && *prefix) return Utf8ToCp1252(prefix);
    const std::string home = HomeDirectory();
    return home.empty() ? std::string() : JoinPath(home, ".wine");
}

bool ScanForNewFiles(const std::vector<std::string>& roots, std::int64_t since, NewFiles& found,
                     const SearchVisit& visit) {
    Search search{{}, since, found, visit};
    for (const std::string& root : roots)
        if (!root.empty() && DirectoryExists(root)) AddOnce(search.roots, WithoutTrailingSeparator(root));
    bool complete = true;
    for (const std::string& root : search.roots) {
        complete = ScanDirectory(search, root);
        if (!complete) break;
    }
    std::sort(found.files.begin(), found.files.end());
    found.files.erase(std::unique(found.files.begin(), found.files.end()), found.files.end());
    return complete;
}

}  // namespace korvex
