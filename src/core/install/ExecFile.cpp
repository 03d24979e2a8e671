#include "install/ExecFile.h"

#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <cerrno>
#include <thread>

#include "app/Host.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"

extern char** environ;

namespace korvex {
namespace {

constexpr auto kPollInterval = std::chrono::milliseconds(20);

int NiceValueOf(TPriorityClass priority) {
    switch (priority) {
        case TPriorityClass::pcNormal: return 0;
        case TPriorityClass::pcIdle: return 19;
        case TPriorityClass::pcHigh: return -10;
        case TPriorityClass::pcRealTime: return -20;
    }
    return 0;
}

}  // namespace

std::vector<std::string> SplitCommandLine(const std::string& commandLine) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    char quote = 0;
    for (const char c : commandLine) {
        if (quote) {
            if (c == quote) quote = 0;
            else word += c;
        } else if (c == '"' || c == '\'') {
            quote = c;
            inWord = true;
        } else if (c == ' ' || c == '\t') {
            if (inWord) words.push_back(std::move(word));
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord) words.push_back(std::move(word));
    return words;
}

std::string QuoteForCommandLine(const std::string& path) {
    return path.find_first_of(" \t") == std::string::npos ? path : "\"" + path + "\"";
}

TExecFile::~TExecFile() { ReapEnded(); }

std::string TExecFile::Command() const {
    const std::string program = QuoteForCommandLine(CommandLine);
    return (Interpreter.empty() ? program : Interpreter + " " + program) + " " + Parameters;
}

// The program stays one argument; only the parameter text is split. The started program
// reads the file system's spelling of every argument.
std::vector<std::string> TExecFile::Arguments() const {
    std::vector<std::string> arguments;
    if (Associate) {
        // A document is opened, never run: a script named readme.txt stays a text.
        // The desktop's document opener, found on the PATH like any program.
        const std::string opener = FindOnPath("xdg-open");
        if (opener.empty() || !FileExists(CommandLine)) return {};
        arguments.push_back(NativePath(opener));
    } else if (!Interpreter.empty()) {
        arguments.push_back(NativePath(Interpreter));
    }
    arguments.push_back(NativePath(CommandLine));
    for (const std::string& word : SplitCommandLine(Parameters)) arguments.push_back(NativePath(word));
    return arguments;
}

bool TExecFile::Execute(Host& host) {
    ReapEnded();
    ErrorCode = 0;
    if (!Start(Arguments())) return Fail(ErrorCode);
    if (!Wait) {
        unwaited_.push_back(processId_);
        return true;
    }
    Running = true;
    if (WaitStyle == TWaitStyle::wSuspend) host.SuspendInput(true);
    WaitForEnd(host);
    if (WaitStyle == TWaitStyle::wSuspend) host.SuspendInput(false);
    host.ProcessPendingEvents();
    Running = false;
    return true;
}

// The process gets a new process group, the standard descriptors and nothing else of Korvex's,
// and its working directory from the spawn: Korvex's own stays where it is.
bool TExecFile::Start(const std::vector<std::string>& arguments) {
    if (arguments.empty()) {
        ErrorCode = ENOENT;
        return false;
    }
    std::vector<char*> argv;
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addclosefrom_np(&actions, 3);
    const std::string directory = NativePath(Directory);
    if (!Directory.empty()) posix_spawn_file_actions_addchdir_np(&actions, directory.c_str());
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t none;
    sigset_t all;
    sigemptyset(&none);
    sigfillset(&all);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setsigdefault(&attributes, &all);
    posix_spawnattr_setpgroup(&attributes, 0);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);

    pid_t pid = -1;
    const int error = ::posix_spawnp(&pid, argv[0], &actions, &attributes, argv.data(), environ);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0) {
        ErrorCode = error;
        return false;
    }
    processId_ = pid;
    exitStatus_ = -1;
    // A raised priority needs privileges Korvex seldom has; the process then runs at normal priority.
    if (Priority != TPriorityClass::pcNormal) ::setpriority(PRIO_PROCESS, static_cast<id_t>(pid), NiceValueOf(Priority));
    return true;
}

void TExecFile::WaitForEnd(Host& host) {
    int status = 0;
    for (;;) {
        const pid_t ended = ::waitpid(processId_, &status, WNOHANG);
        if (ended == processId_ || (ended < 0 && errno != EINTR)) break;
        host.ProcessPendingEvents();
        std::this_thread::sleep_for(kPollInterval);
    }
    exitStatus_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool TExecFile::Fail(int error) {
    ErrorCode = error;
    if (OnFail) OnFail(*this);
    return false;
}

bool TExecFile::ProcessGroupRunning() {
    if (processId_ <= 0) return false;
    ReapEnded();
    return ::kill(-processId_, 0) == 0 || errno == EPERM;
}

void TExecFile::ReapEnded() {
    std::erase_if(unwaited_, [](pid_t pid) { return ::waitpid(pid, nullptr, WNOHANG) != 0; });
}

void SetUpQuakeExecFile(TExecFile& component) {
    component.Associate = false;
    component.Wait = true;
    component.WaitStyle = TWaitStyle::wSuspend;
}

void SetUpInstallShieldExecFile(TExecFile& component) {
    component.Associate = false;
    component.Wait = false;
    component.WaitStyle = TWaitStyle::wRegular;
}

void SetUpViewReadmeExecFile(TExecFile& component) {
    component.Associate = true;
    component.Wait = false;
    component.WaitStyle = TWaitStyle::wRegular;
}

}  // namespace korvex
