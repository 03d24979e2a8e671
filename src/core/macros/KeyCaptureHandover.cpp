#include "macros/KeyCaptureHandover.h"

#include "app/Korvex.h"

namespace korvex {

void HandOverToKeyCapture(Korvex& app) {
    app.host.Post([&app] { app.interpreter.ReadyForNextMacro = true; });
}

}  // namespace korvex
