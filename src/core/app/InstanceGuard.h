// "INKORVEX.INF" in the program directory says that Korvex is running.
#pragma once

#include <string>

namespace korvex {

struct Korvex;

std::string InstanceMarkerPath(const Korvex& app);
// Runs before any window exists. False when this instance must end at once.
bool RunInstanceGuard(Korvex& app);
bool OtherInstanceRunning(const Korvex& app);

}  // namespace korvex
