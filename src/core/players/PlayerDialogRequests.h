// What the five Player-CFG dialogs show and what the person answers.
// Host gathers these; QtHost shows them as windows, CliHost cancels them, FakeHost answers from scripts.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

namespace korvex {

// A list of Player-CFG names to choose from (change: one, delete: several).
struct PlayerListRequest {
    std::string caption;
    std::string label;
    std::vector<std::string> names;  // sorted
    bool multiSelect = false;
    std::string confirmCaption;
    // When set, confirming without a selection shows this error and keeps the dialog open.
    std::string emptySelectionText;
    std::string confirmHint;  // what the confirming button does
};

struct PlayerListAnswer {
    bool confirmed = false;
    // The selected entries by their position in the list: two entries of one name stay apart.
    std::vector<std::size_t> rows;
};

// What the rows of an answer select from the entries the list was filled from, in list order.
template <typename Entry>
std::vector<Entry> EntriesInRows(const std::vector<Entry>& entries, std::vector<std::size_t> rows) {
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    std::vector<Entry> selected;
    for (std::size_t row : rows)
        if (row < entries.size()) selected.push_back(entries[row]);
    return selected;
}

// A name to enter (new, rename, copy).
struct PlayerNameRequest {
    std::string caption;
    std::string label;
    std::string preset;
    std::string confirmCaption;
    std::string confirmHint;
};

struct PlayerNameAnswer {
    bool confirmed = false;
    std::string name;
};

class PlayerDialogs {
public:
    virtual ~PlayerDialogs() = default;

    virtual PlayerListAnswer ChoosePlayers(const PlayerListRequest& request) = 0;
    virtual PlayerNameAnswer AskPlayerName(const PlayerNameRequest& request) = 0;
};

}  // namespace korvex
