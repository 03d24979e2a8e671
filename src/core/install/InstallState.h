// The state of one installation, from the choice of files to the end of identification.
#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "install/ExecFile.h"

namespace korvex {

// How the start of a setup program went: a started program's step ends when its processes
// have ended, or with "Wake up!"; the others end at once.
enum class SetupOutcome { Declined, Failed, Started };

struct InstallState {
    InstallState() { SetUpInstallShieldExecFile(installShieldExecFile); }

    std::deque<std::string> fileList;       // still to be installed, in the order chosen
    std::vector<std::string> installDirs;   // directories holding installed files, each once
    std::vector<std::string> recentFiles;   // files installed, sorted
    std::int64_t startTime = 0;
    bool running = false;
    bool archiveRefused = false;  // an archive of this installation was refused or not unpacked
    std::string installedModDir;  // the game directory the last identification filled

    std::int64_t setupStartTime = 0;
    SetupOutcome setupOutcome = SetupOutcome::Declined;
    bool setupWokenUp = false;
    TExecFile installShieldExecFile;
};

}  // namespace korvex
