// What the five Player-CFG dialogs show and what the person answers.
#pragma once

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
    std::vector<std::string> selected;
};

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

}  // namespace korvex
