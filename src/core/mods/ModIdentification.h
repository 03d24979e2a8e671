// Identifying the MOD of a game directory with the player's help, and the complete MOD scan
// that rebuilds the catalogue from the Quake II directory.
#pragma once

#include <string>

#include "mods/AutoModDetection.h"

namespace korvex {

struct Korvex;

// Korvex's own directory beside baseq2, which the launch fills with the compiled scripts: no MOD.
inline constexpr const char* kScriptDirectoryName = "korvex";
// The game itself: the scan always enters its base directory, so that it can be launched.
inline constexpr const char* kBaseGameDirectory = "BASEQ2";
inline constexpr const char* kBaseGameName = "Quake II";

// found: detection recognised the directory, and not as an "IGNORE." MOD. The values come
// from the detection files.
struct IdentifiedMod {
    bool found = false;
    std::string modName = kUnknownModName;
    std::string usualDirectory;
    bool noEntry = false;
};

// Identifies base/name without a question; nothing enters the catalogue.
IdentifiedMod IdentifyModDirectory(Korvex& app, const std::string& base, const std::string& name, bool forModScan);

// Rebuilds the catalogue from every directory of the Quake II directory, asking the player to
// confirm each MOD found and to name each unknown one; ask puts the question first when the
// catalogue holds MODs. What the player set for a MOD found again stays, and so do the MODs
// whose directory is not there. The base directory enters as "Quake II (BASEQ2)" without a
// question; an entry it has already stays exactly as it is.
void RunCompleteModScan(Korvex& app, bool ask);
// The scan of a Quake II directory new to Korvex, without the question first; then the current
// Player-CFG is offered for every MOD found, so that it can be launched at once.
void RunFirstModScan(Korvex& app);

}  // namespace korvex
