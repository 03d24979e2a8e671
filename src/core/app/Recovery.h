// Finishing what a killed Korvex left half done. Every start of the window and korvex-cli's
// check and writing commands run it before anything else.
#pragma once

namespace korvex {

struct Korvex;
struct Reporter;
struct ProgramPaths;

// Clears away the work in progress (platform/WorkInProgress.h) in Korvex's directories and in
// the game's, then finishes the operation of a pending record (app/PendingOperation.h) and
// says so. Running it again changes nothing.
void FinishInterruptedWork(Reporter& report, ProgramPaths& paths);

}  // namespace korvex
