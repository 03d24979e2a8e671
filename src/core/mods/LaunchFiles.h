// What a launch puts in place for the game: the MOD's autoexec.cfg that runs the compiled
// Player-CFG, with the game's own config files backed up and out of the way, and the
// command line that starts the game with the MOD's options.
#pragma once

#include <string>
#include <vector>

#include "mods/ModEntry.h"

namespace korvex {

struct Korvex;
struct Reporter;
struct ProgramPaths;
struct LaunchState;

class TExecFile;

// The game reads at most this much text after its program.
inline constexpr std::size_t kMaxParameters = 255;

// The native engine's per-user directory: ~/.yq2 when it exists, otherwise
// $XDG_DATA_HOME/YamagiQ2 or ~/.local/share/YamagiQ2. Its config.cfg and autoexec.cfg
// shadow those of the Quake II directory.
std::string DefaultUserDataDir();
// A file that starts like a Windows program; on POSIX such a program runs through wine.
bool IsWindowsProgram(const std::string& path);

// Which program starts the game: a native engine "quake2" in the Quake II directory is
// preferred; otherwise QUAKE2.EXE, through wine when it is a Windows program.
void SetQuakeProgram(TExecFile& game, const std::string& quakeDir);
// The MOD directory as it is spelled on disk (the engine needs the exact spelling);
// the given spelling when no such directory exists.
std::string GameDirectorySpelling(const std::string& quakeDir, const std::string& directory);

// The text after the program: "+set game D +set gamedir D", deathmatch, map, " " + the MOD's
// parameters, menu; cut at kMaxParameters.
std::string QuakeParameters(const std::string& gameDirectory, const ModEntry& entry);
// The autoexec.cfg of a launch: the three header lines, the demo alias, the MOD's config
// lines, then the additional commands of the compiled Player-CFG.
std::vector<std::string> AutoexecLines(const ModEntry* entry, const std::vector<std::string>& additionalCommands);

// The game's config files of a launch in the order they are backed up: the MOD's, the Quake
// II directory's and baseq2's CONFIG.CFG, then config.cfg and autoexec.cfg of the MOD and of
// baseq2 in the per-user directory. An existing file keeps its spelling; a missing one is
// named in lower case, as the engine would create it.
std::vector<std::string> LaunchConfigFiles(const ProgramPaths& paths, const LaunchState& launch,
                                           const std::string& modDirPath, const std::string& gameDirectory);
// The AUTOEXEC.CFG files of the MOD directory in any spelling, and the lower-case one
// Korvex writes (the only spelling a native engine reads).
std::vector<std::string> AutoexecFiles(const std::string& modDirPath);
std::string AutoexecPath(const std::string& modDirPath);

// addcomm.tmp in the temp directory: the compile's additional commands for autoexec.cfg.
std::string AdditionalCommandsFile(const ProgramPaths& paths);
// The autoexec.cfg lines for the MOD of modDirectory; false when addcomm.tmp is missing or
// the entry file is malformed (the latter ends the program).
bool BuildAutoexec(Reporter& report, const ProgramPaths& paths, const std::string& modDirectory,
                   std::vector<std::string>& lines);
// Backs up and removes the config files, then writes the MOD's autoexec.cfg. False when a
// file could not be backed up and the person cancelled, or autoexec.cfg was not written.
bool PrepareLaunchFiles(Korvex& app, const std::string& modDirPath, const std::string& modDirectory);

}  // namespace korvex
