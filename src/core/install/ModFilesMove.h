// Moving an identified MOD's files into its game directory. The MOD's manifest records what
// the move will create and replace, and keeps copies of the replaced files, before any file moves.
#pragma once

#include <string>
#include <vector>

namespace korvex {

struct Korvex;
struct ProgramPaths;
struct Reporter;
struct PendingOperation;
enum class Carried;

// Whether an installation into target is recorded in the MOD's manifest. A game directory
// that is there without a manifest holds a MOD installed before Korvex kept manifests, or by
// hand: a manifest of the update alone would have its removal put the old version back.
// baseq2 always keeps one: a MOD installed there is never removed with the whole directory.
bool KeepsManifest(const ProgramPaths& paths, const std::string& target);
inline constexpr const char* kWithManifest = "manifest";

// Moves every file below root to the same place below target; false when a file cannot be
// moved (nothing moves when its place cannot be made ready). With withManifest the manifest
// records the files first. Nothing is written outside quakeDir.
bool InstallModFiles(Reporter& report, const ProgramPaths& paths, const std::string& root, const std::string& target,
                     bool withManifest);
// The recorded move of a MOD's files ("install-mod", root, target, kWithManifest or empty text),
// which the next start finishes when a kill interrupted it.
Carried CarryOutModFilesMove(Reporter& report, const ProgramPaths& paths, const PendingOperation& operation);

// Every file below directory, appended.
void ListFilesBelow(const std::string& directory, std::vector<std::string>& files);
// Whether path lies below directory once links are followed.
bool IsBelow(const std::string& path, const std::string& directory);

}  // namespace korvex
