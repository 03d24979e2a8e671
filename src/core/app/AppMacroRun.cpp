#include "app/AppMacroRun.h"

#include <string>
#include <utility>

#include "app/Korvex.h"
#include "bindings/MacroInclusion.h"
#include "macros/MacroCatalogue.h"

namespace korvex {

MacroRun MacroRunOf(Korvex& app) {
    MacroWindow window;
    window.showDialog = [&app](const std::string& description) {
        const Page covered = app.view.page;
        app.view.macroDialogDescription = description;
        ShowMainPage(app, Page::MacroDialog);
        return covered;
    };
    window.showPage = [&app](Page page) { ShowMainPage(app, page); };
    window.resumedRunEnded = [&app] { DeselectFirstAvailMacro(app.macroLists); };
    window.captureKeys = [&app] { StartKeyCapture(app); };
    return {app.report, app.interpreter, app.macroResults, std::move(window)};
}

}  // namespace korvex
