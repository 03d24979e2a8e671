// What the MOD dialogs show and what the person answers, and the part of the Host that
// shows them.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "mods/ModEntry.h"

namespace korvex {

// "Edit MOD's Options and assign players to MOD (<name>)".
struct EditModOptionsRequest {
    std::string caption;
    ModEntry entry;
    std::vector<std::string> availablePlayers;  // for "Add a Player-CFG", sorted
    std::string mapsDirectory;                  // where "Browse maps-directory" starts
    std::string readmeDirectory;                // where "View Readme" starts
    // Opens the chosen read-me with its viewer and reports when there is none.
    std::function<void(const std::string& file)> viewReadme;
};

struct EditModOptionsAnswer {
    bool confirmed = false;
    ModEntry entry;
};

struct ServerSideModAnswer {
    bool confirmed = false;
    std::string name;
    std::string directory;
};

struct RemoveModRequest {
    std::string caption;
};

struct RemoveModAnswer {
    bool confirmed = false;
    bool deleteFiles = false;  // "Delete MOD in your Quake II - directory"
};

// Before a MOD's files are removed: those changed since the installation, by their path below
// the Quake II directory. The files not chosen are kept; Cancel removes nothing.
struct ChangedModFilesRequest {
    std::string caption;
    std::vector<std::string> files;
};

struct ChangedModFilesAnswer {
    bool confirmed = false;
    std::vector<std::string> deleted;
};

struct RenameModRequest {
    std::string name;
    std::string directory;
};

struct RenameModAnswer {
    bool confirmed = false;
    std::string name;
    std::string directory;
};

// The MOD dialogs; part of Host.
class ModDialogHost {
public:
    virtual ~ModDialogHost() = default;
    virtual EditModOptionsAnswer EditModOptions(const EditModOptionsRequest& request) = 0;
    virtual ServerSideModAnswer AskServerSideMod() = 0;
    virtual RemoveModAnswer AskRemoveMod(const RemoveModRequest& request) = 0;
    virtual ChangedModFilesAnswer AskChangedModFiles(const ChangedModFilesRequest& request) = 0;
    virtual RenameModAnswer AskRenameMod(const RenameModRequest& request) = 0;
};

// The map name of a chosen map file: its name cut before the first ".bsp" (exact case);
// empty when the name has no ".bsp".
std::string MapNameOfFile(const std::string& fileName);
// "OK" of the server-side-only dialog is enabled exactly while both edits hold text.
bool ServerSideModComplete(const std::string& directory, const std::string& name);

}  // namespace korvex
