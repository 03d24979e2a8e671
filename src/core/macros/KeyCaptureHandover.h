// Where a finished macro run hands its key requests over to key capture.
#pragma once

namespace korvex {

struct Korvex;

// The key request dialog gets the first request's description as its prompt, and the step
// that captures the keys of app.macroResults and stores the results is posted.
void HandOverToKeyCapture(Korvex& app);

}  // namespace korvex
