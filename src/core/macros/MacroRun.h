// What one macro run works with: the reports, the interpreter, the results, and what it asks
// of the window around it. The application sets it up (AppMacroRun.h); a run holds only
// references, so a const one still changes the state it refers to.
#pragma once

#include <functional>
#include <string>

#include "app/MainView.h"

namespace korvex {

struct Reporter;
struct MacroInterpreter;
struct TMacroResults;

struct MacroWindow {
    // INPUTMODE: the macro dialog page shows under the macro's description; returns the
    // page it covers.
    std::function<Page(const std::string& description)> showDialog;
    // The dialog's OK: the page it covered shows again.
    std::function<void(Page page)> showPage;
    // Posted when a run resumed after its dialog has ended.
    std::function<void()> resumedRunEnded;
    // Posted when a run ended without error: captures the keys it requested.
    std::function<void()> captureKeys;
};

struct MacroRun {
    Reporter& report;
    MacroInterpreter& interpreter;
    TMacroResults& results;
    MacroWindow window;
};

}  // namespace korvex
