#include "support/RunProgram.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "support/ProgramDirFixture.h"

namespace korvex {

ProgramRun RunProgram(const std::string& command, const std::string& workingDir) {
    const std::string out = workingDir + "/.run-stdout";
    const std::string err = workingDir + "/.run-stderr";
    const std::string line = "cd '" + workingDir + "' && " + command + " >'" + out + "' 2>'" + err + "'";
    const int status = std::system(line.c_str());
    ProgramRun run;
    run.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.output = ReadWholeFile(out);
    run.errors = ReadWholeFile(err);
    std::filesystem::remove(out);
    std::filesystem::remove(err);
    return run;
}

pid_t EndedProcessId() {
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

}  // namespace korvex
