// The console variables a native engine (Yamagi Quake II, the port most Linux players run)
// reads where the original game read those options.cfg sets. docs/engine-cvars.md lists what
// such an engine does with each variable Korvex writes.
#pragma once

#include <optional>
#include <string>

namespace korvex {

// Whether the game of a Quake II directory is a native engine rather than a Windows
// QUAKE2.EXE: scripts compiled for it get the native engine's lines as well.
bool HoldsNativeEngine(const std::string& quakeDir);

// The line a native engine reads in place of one line of options.cfg ("set <name> <value>"):
// none where it reads that line itself, maps the name itself, or has no counterpart.
std::optional<std::string> NativeEngineLine(const std::string& line);

}  // namespace korvex
