// The Quake II search and the choice of the Quake II directory, as the Host shows them.
#pragma once

#include <string>
#include <vector>

namespace korvex {

// What the search window shows: the folder being searched and how many games were found so far.
struct QuakeSearchProgress {
    std::string folder;
    int found = 0;
};

// The one window that lists every Quake II directory the search found.
struct QuakeDirRequest {
    std::vector<std::string> found;
};

// The player takes a directory of the list, wants to browse for another one, or cancels.
enum class QuakeDirChoice { Cancel, Found, Browse };

struct QuakeDirAnswer {
    QuakeDirChoice choice = QuakeDirChoice::Cancel;
    std::string directory;  // the one taken from the list
};

}  // namespace korvex
