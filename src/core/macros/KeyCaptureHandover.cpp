#include "macros/KeyCaptureHandover.h"

#include "app/Korvex.h"
#include "bindings/MacroInclusion.h"

namespace korvex {

void HandOverToKeyCapture(Korvex& app) {
    const TMacroResults& results = app.macroResults;
    if (results.LastKey > -1) app.host.SetKeyPrompt(results.Keys[0].Description);
    app.host.Post([&app] { CaptureNextKey(app); });
}

}  // namespace korvex
