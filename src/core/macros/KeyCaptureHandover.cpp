#include "macros/KeyCaptureHandover.h"

#include "app/Host.h"
#include "app/Reporter.h"
#include "macros/MacroResults.h"
#include "macros/MacroRun.h"

namespace korvex {

void HandOverToKeyCapture(const MacroRun& run) {
    const TMacroResults& results = run.results;
    if (results.LastKey > -1) run.report.host.SetKeyPrompt(results.Keys[0].Description);
    run.report.host.Post(run.window.captureKeys);
}

}  // namespace korvex
