// Removing a MOD's files by its manifest: the files its installations put into the game go,
// those it replaced come back, and the directories left empty go too.
#pragma once

#include <string>
#include <vector>

namespace korvex {

struct Reporter;
struct ProgramPaths;
struct PendingOperation;
enum class Carried;

// Asks about the files changed since the installation, then removes the files and the MOD's
// entry as a recorded operation. False when nothing was removed (cancelled, or a failure shown).
bool RemoveModByManifest(Reporter& report, const ProgramPaths& paths, const std::string& modText, const std::string& directory);
// The recorded removal ("remove-mod-files", directory, the changed files kept...), which
// finishes what an interrupted run of itself began.
Carried CarryOutManifestRemoval(Reporter& report, const ProgramPaths& paths, const PendingOperation& operation);
// A MOD leaving the catalogue takes its manifest along; false when it could not be removed.
bool RemoveManifest(Reporter& report, const ProgramPaths& paths, const std::string& directory);

}  // namespace korvex
