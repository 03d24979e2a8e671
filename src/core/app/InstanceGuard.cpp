#include "app/InstanceGuard.h"

#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <limits>

#include "app/Host.h"
#include "app/Messages.h"
#include "app/Reporter.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"
#include "platform/Text.h"
#include "platform/TextFile.h"

namespace korvex {
namespace {

// The marker's first line is the process id; older copies only look whether the file
// exists, and that stays as it was.
long long MarkerProcessId(const std::string& executablePath) {
    LineReader reader;
    return reader.Open(InstanceMarkerPath(executablePath)) ? TextToIntDef(reader.ReadLine()) : 0;
}

bool ProcessRuns(long long pid) { return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM; }

}  // namespace

std::string InstanceMarkerPath(const std::string& executablePath) {
    return JoinPath(ParentDirectory(executablePath), "INKORVEX.INF");
}

bool WriteInstanceMarker(const std::string& executablePath) {
    return WriteLinesAtomically(InstanceMarkerPath(executablePath), {std::to_string(::getpid())});
}

bool RemoveOwnInstanceMarker(Reporter& report, const std::string& executablePath) {
    if (MarkerProcessId(executablePath) != ::getpid() || RemoveFile(InstanceMarkerPath(executablePath))) return true;
    report.ShowError(Err::CouldntDeleteFile, "Program-Alive-Info-File");
    return false;
}

bool InstanceMarkerIsStale(const std::string& executablePath) {
    const long long pid = MarkerProcessId(executablePath);
    return pid > 0 && pid <= std::numeric_limits<pid_t>::max() && !ProcessRuns(pid);
}

bool OtherInstanceRunning(const std::string& executablePath) {
    return FileExists(InstanceMarkerPath(executablePath)) && !InstanceMarkerIsStale(executablePath);
}

// The question comes for every marker, stale or not, as it always did; after Ignore the
// marker names this Korvex.
bool RunInstanceGuard(Reporter& report, const std::string& executablePath) {
    if (FileExists(InstanceMarkerPath(executablePath))) {
        const Button answer = report.host.ShowMessage(
            Icon::Error,
            "Cannot run a second copy of Korvex. (If no second copy is active your system might be crashed "
            "before. Then please select Ignore.)",
            Buttons::CancelIgnore);
        if (answer != Button::Ignore) return false;
    }
    WriteInstanceMarker(executablePath);
    return true;
}

}  // namespace korvex
