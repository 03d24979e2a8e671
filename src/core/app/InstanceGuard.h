// "INKORVEX.INF" in the program directory says that Korvex is running. It holds the process id
// of the Korvex that wrote it, so that a marker left by one that was killed blocks nothing.
#pragma once

#include <string>

namespace korvex {

struct Reporter;

struct Korvex;

std::string InstanceMarkerPath(const std::string& executablePath);
// Runs before any window exists. False when this instance must end at once.
bool RunInstanceGuard(Reporter& report, const std::string& executablePath);
// Writes the marker with this process's id.
bool WriteInstanceMarker(const std::string& executablePath);
// Removes the marker when it names this process, also one whose writing was reported as failed
// after the file arrived; a marker that stays is reported. False then.
bool RemoveOwnInstanceMarker(Reporter& report, const std::string& executablePath);
// A marker that names a process which no longer runs.
bool InstanceMarkerIsStale(const std::string& executablePath);
// The marker exists and is not stale; a marker without a process id, as older copies write
// it, counts as running.
bool OtherInstanceRunning(const std::string& executablePath);

}  // namespace korvex
