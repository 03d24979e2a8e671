// The "Unknown Modification" dialog of AutoMOD, and the part of the Host that shows it.
#pragma once

#include <functional>
#include <string>

namespace korvex {

struct UnknownModRequest {
    std::string directoryName;    // after "Name of Modification located in:"
    std::string readmeDirectory;  // where "View Readme" starts
    std::function<void(const std::string& file)> viewReadme;
};

// Confirmed with "Include in Available MOD's list", only with a name that is not blank.
struct UnknownModAnswer {
    bool confirmed = false;
    std::string name;
};

class AutoModDialogHost {
public:
    virtual ~AutoModDialogHost() = default;
    virtual UnknownModAnswer AskUnknownMod(const UnknownModRequest& request) = 0;
};

}  // namespace korvex
