// The process component: starts a command line as a new process, optionally falls back to
// the desktop's document opener, optionally waits for the process to end. Used for the game,
// for setup programs and for read-me documents.
#pragma once

#include <sys/types.h>

#include <functional>
#include <string>
#include <vector>

namespace korvex {

class Host;

enum class TPriorityClass { pcNormal, pcIdle, pcHigh, pcRealTime };
// wRegular keeps the windows working while it waits; wSuspend keeps them painting but
// takes no input (Host::SuspendInput).
enum class TWaitStyle { wRegular, wSuspend };
// How the new process's first window should show. Kept for the callers' sake: an X11
// program chooses its own window state, so no platform call stands behind it.
enum class TWindowStyle { wsNorm, wsMinimize, wsMaximize, wsHide, wsMinNoActivate, wsShowNoActivate };

class TExecFile {
public:
    TExecFile() = default;
    ~TExecFile();
    TExecFile(const TExecFile&) = delete;
    TExecFile& operator=(const TExecFile&) = delete;

    // Opens CommandLine as a document with the desktop's opener; the file itself never runs.
    bool Associate = false;
    // The program (or document): one argument, whatever its path holds.
    std::string CommandLine;
    // The text after the program, split into arguments as a shell splits words.
    std::string Parameters;  // at most 255 characters
    // A program that runs CommandLine, such as wine for a Windows program; empty to run it itself.
    std::string Interpreter;
    // The started program's working directory; empty for Korvex's own, which never changes.
    std::string Directory;
    TPriorityClass Priority = TPriorityClass::pcNormal;
    bool Wait = false;
    TWaitStyle WaitStyle = TWaitStyle::wRegular;
    TWindowStyle WindowStyle = TWindowStyle::wsNorm;
    std::function<void(TExecFile& sender)> OnFail;

    // The errno of the last failed start; 0 after a start that succeeded.
    int ErrorCode = 0;
    bool Running = false;

    // True when the process was started and, with Wait, has ended.
    bool Execute(Host& host);
    // The command as a person would type it: the interpreter, the program (quoted where it
    // holds a blank), a blank and Parameters; the blank stands also when Parameters is empty.
    std::string Command() const;
    // The process started last; it leads a process group of its own.
    pid_t ProcessId() const { return processId_; }
    // The exit status of the last waited-for process (-1 when it did not exit normally).
    int ExitStatus() const { return exitStatus_; }
    // True while any process of the last started process's group still runs.
    bool ProcessGroupRunning();

private:
    std::vector<std::string> Arguments() const;
    bool Start(const std::vector<std::string>& arguments);
    void WaitForEnd(Host& host);
    bool Fail(int error);
    void ReapEnded();

    pid_t processId_ = -1;
    int exitStatus_ = -1;
    std::vector<pid_t> unwaited_;  // started without Wait, collected once they end
};

// The words of a parameter text as a shell splits them: blanks separate words, double or
// single quotes group words with blanks in them. No other shell syntax is interpreted.
std::vector<std::string> SplitCommandLine(const std::string& commandLine);
// A path as one word of a command line shown to a person: quoted when it holds a blank.
std::string QuoteForCommandLine(const std::string& path);

// The component as each of its three places sets it up.
void SetUpQuakeExecFile(TExecFile& component);
void SetUpInstallShieldExecFile(TExecFile& component);
void SetUpViewReadmeExecFile(TExecFile& component);

}  // namespace korvex
