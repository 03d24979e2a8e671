// Where a finished macro run hands its key requests over to key capture.
#pragma once

namespace korvex {

struct MacroRun;

// The key request dialog gets the first request's description as its prompt, and the step
// that captures the keys of run.results and stores the results is posted.
void HandOverToKeyCapture(const MacroRun& run);

}  // namespace korvex
