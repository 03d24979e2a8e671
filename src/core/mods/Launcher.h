// Launching Quake II with a MOD and a Player-CFG: compile, put the launch files in place,
// start the game, wait for it and put the game's own files back.
#pragma once

#include <string>
#include <vector>

#include "install/ExecFile.h"
#include "mods/LaunchFiles.h"

namespace korvex {

struct Korvex;

struct LaunchState {
    LaunchState() {
        SetUpQuakeExecFile(quakeExecFile);
        SetUpViewReadmeExecFile(viewReadmeExecFile);
    }

    TExecFile quakeExecFile;
    // Opens read-me documents for the MOD dialogs.
    TExecFile viewReadmeExecFile;
    std::string userDataDir = DefaultUserDataDir();
    // The command line of the last start.
    std::string commandLine;
};

// The launch for the Player-CFG node selected in the MOD tree. True when the game started.
bool LaunchSelectedPlayer(Korvex& app);
bool LaunchPlayer(Korvex& app, const std::string& modText, const std::string& player);
// Reads the MOD's options, starts the game and, unless Korvex quits after launching,
// restores the backed-up files once it has ended.
bool StartQuake(Korvex& app, const std::string& modText);
// What a launch would do, written nowhere in the Quake II tree: the Player-CFG is compiled
// into the temp directory. False when the compile or the entry failed.
bool PreviewLaunch(Korvex& app, const std::string& modText, const std::string& player, std::string& commandLine,
                   std::vector<std::string>& autoexec);

}  // namespace korvex
