// Identifying the MOD of a game directory with the player's help, and the complete MOD scan
// that rebuilds the catalogue from the Quake II directory.
#pragma once

#include <string>

#include "mods/AutoModDetection.h"

namespace korvex {

struct Korvex;

// found: detection recognised the directory and the answer to the question was Yes; an
// "IGNORE." match is never found. The values come from the detection files.
struct IdentifiedMod {
    bool found = false;
    std::string modName = kUnknownModName;
    std::string usualDirectory;
    bool noEntry = false;
    bool remembered = false;  // a new detection file was written for the directory
};

// Identifies base/name. Interactive: a recognised MOD enters the catalogue, an unknown one
// is named in the "Unknown Modification" dialog; confirm asks whether the match is right.
IdentifiedMod IdentifyModDirectory(Korvex& app, const std::string& base, const std::string& name, bool interactive,
                                   bool confirm, bool forModScan);
// The same against detection files read before (ReadDetectionFiles).
IdentifiedMod IdentifyModDirectory(Korvex& app, const std::vector<DetectionFile>& detectionFiles,
                                   const std::string& base, const std::string& name, bool interactive, bool confirm,
                                   bool forModScan);

// Empties the catalogue and identifies every directory of the Quake II directory; ask puts
// the question first when the catalogue holds MODs.
void RunCompleteModScan(Korvex& app, bool ask);

}  // namespace korvex
