// After an installation: which MOD it was, moving its files into the Quake II directory,
// recording it in the catalogue and offering the files no MOD claimed.
#pragma once

#include <string>
#include <vector>

namespace korvex {

struct Korvex;
struct Reporter;
struct InstallState;

// The working values of one identification.
struct Identification {
    std::string modName;
    std::string modDir;
    std::string modRoot;
    bool noEntry = false;
    bool manual = false;  // named by the player, not recognised
};

// afterInstall: the end of the installation queue; false for "Add existing MOD".
void IdentifyInstallation(Korvex& app, bool afterInstall);
// "Add existing MOD".
void AddExistingMODBtnClick(Korvex& app);
// "Add existing MOD" for the directory chosen.
void AddExistingMod(Korvex& app, const std::string& directory);

// Every file below directory joins the installation's recent files, each once.
void CollectFiles(InstallState& install, const std::string& directory);
void ShowUnclaimedFiles(Reporter& report, InstallState& install, bool afterInstall);
// Removes the empty directories below root, root itself kept.
void RemoveEmptyDirectoriesBelow(const std::string& root);

}  // namespace korvex
