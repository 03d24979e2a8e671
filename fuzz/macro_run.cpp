// A macro file run in full for a Player-CFG: every dialog it opens is filled in and
// confirmed, every key it requests is pressed, and its output file is written.
#include "FuzzSupport.h"
#include "app/AppMacroRun.h"
#include "macros/MacroDialog.h"
#include "macros/MacroInterpreter.h"
#include "platform/Path.h"

using namespace korvex;

namespace {

// A run that keeps asking stops being answered here; it must end all the same.
constexpr int kMostDialogs = 50;
constexpr int kMostSteps = 1000;

void AnswerDialogs(Korvex& app) {
    for (int shown = 0; app.interpreter.MacroSuspended && shown < kMostDialogs; ++shown) {
        const MacroDialog& dialog = app.interpreter.dialog;
        for (std::size_t i = 0; i < dialog.inputFields.size(); ++i)
            TypeIntoInputField(app.report, app.interpreter, i, i % 2 ? "&1&\"//" : "12.5");
        for (std::size_t i = 0; i < dialog.inputCombos.size(); ++i)
            TypeIntoInputCombo(app.report, app.interpreter, i,
                               dialog.inputCombos[i].items.empty() ? "" : dialog.inputCombos[i].items.back());
        Button1Click(MacroRunOf(app));
    }
}

void RunPostedSteps(FuzzHost& host) {
    for (int steps = 0; !host.posted.empty() && steps < kMostSteps; ++steps) {
        Step step = std::move(host.posted.front());
        host.posted.pop_front();
        step();
    }
    host.posted.clear();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ClearFuzzFolder("players/Player");
    FuzzHost host;
    Korvex app(host);
    UseFuzzDir(app);
    app.currentPlayerName = "Player";
    app.currentPlayerDir = JoinPath(app.paths.players, "Player");
    RunMacro(MacroRunOf(app), WriteFuzzInput("macros/FUZZ.MAC", data, size), false);
    AnswerDialogs(app);
    RunPostedSteps(host);
    return 0;
}
