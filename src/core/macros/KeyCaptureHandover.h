// Where a finished macro run hands its key requests over to key capture.
#pragma once

namespace korvex {

struct Korvex;

// Posts the step that captures the keys of app.macroResults and stores the results. Until
// key capture exists, that step only makes the interpreter ready for the next macro, which
// is what it does for a run without key requests.
void HandOverToKeyCapture(Korvex& app);

}  // namespace korvex
