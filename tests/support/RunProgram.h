// Runs a built program the way a shell would and collects what it printed.
#pragma once

#include <sys/types.h>

#include <string>

namespace korvex {

struct ProgramRun {
    int exitStatus = -1;
    std::string output;  // standard output
    std::string errors;  // standard error
};

// command is handed to /bin/sh; workingDir is where it runs.
ProgramRun RunProgram(const std::string& command, const std::string& workingDir);
// The id of a process that has ended, as a killed program leaves it behind.
pid_t EndedProcessId();

}  // namespace korvex
