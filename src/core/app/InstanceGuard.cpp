#include "app/InstanceGuard.h"

#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <limits>

#include "app/Korvex.h"
#include "app/Messages.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"
#include "platform/Text.h"
#include "platform/TextFile.h"

namespace korvex {
namespace {

// The marker's first line is the process id; older copies only look whether the file
// exists, and that stays as it was.
long long MarkerProcessId(const Korvex& app) {
    LineReader reader;
    return reader.Open(InstanceMarkerPath(app)) ? TextToIntDef(reader.ReadLine()) : 0;
}

bool ProcessRuns(long long pid) { return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM; }

}  // namespace

std::string InstanceMarkerPath(const Korvex& app) {
    return JoinPath(ParentDirectory(app.executablePath), "INKORVEX.INF");
}

bool WriteInstanceMarker(const Korvex& app) {
    return WriteLinesAtomically(InstanceMarkerPath(app), {std::to_string(::getpid())});
}

bool RemoveOwnInstanceMarker(Korvex& app) {
    if (MarkerProcessId(app) != ::getpid() || RemoveFile(InstanceMarkerPath(app))) return true;
    app.report.ShowError(Err::CouldntDeleteFile, "Program-Alive-Info-File");
    return false;
}

bool InstanceMarkerIsStale(const Korvex& app) {
    const long long pid = MarkerProcessId(app);
    return pid > 0 && pid <= std::numeric_limits<pid_t>::max() && !ProcessRuns(pid);
}

bool OtherInstanceRunning(const Korvex& app) {
    return FileExists(InstanceMarkerPath(app)) && !InstanceMarkerIsStale(app);
}

// The question comes for every marker, stale or not, as it always did; after Ignore the
// marker names this Korvex.
bool RunInstanceGuard(Korvex& app) {
    if (FileExists(InstanceMarkerPath(app))) {
        const Button answer = app.host.ShowMessage(
            Icon::Error,
            "Cannot run a second copy of Korvex. (If no second copy is active your system might be crashed "
            "before. Then please select Ignore.)",
            Buttons::CancelIgnore);
        if (answer != Button::Ignore) return false;
    }
    WriteInstanceMarker(app);
    return true;
}

}  // namespace korvex
