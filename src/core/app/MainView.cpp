#include "app/MainView.h"

#include "app/Korvex.h"
#include "players/PlayerCfgFiles.h"

namespace korvex {

std::string CaptionOf(const Korvex& app, Page page) {
    switch (page) {
        case Page::ConfigEditor: return kCaptionPrefix + app.currentPlayerName;
        case Page::ModLauncher: return std::string(kCaptionPrefix) + "MOD-Launcher";
        case Page::DemoLauncher: return std::string(kCaptionPrefix) + "Demo-Launcher";
        case Page::MacroDialog:
            return std::string(kCaptionPrefix) + "Macro-Dialog (" + app.view.macroDialogDescription + ")";
        case Page::Options: return std::string(kCaptionPrefix) + "Options";
        case Page::AboutAndCredits: return std::string(kCaptionPrefix) + "About / Credits";
    }
    return "Korvex";
}

void ShowMainPage(Korvex& app, Page page) {
    // A Config-Editor that no window shows holds nothing the player could have changed.
    if (app.view.visible && app.view.page == Page::ConfigEditor && page != Page::ConfigEditor) SavePlayerCFG(app);
    app.view.page = page;
    app.view.caption = CaptionOf(app, page);
    app.host.MainViewChanged();
}

bool NavigateTo(Korvex& app, Page page) {
    if (app.view.page == Page::MacroDialog) {
        app.host.ShowMessage(Icon::Error, "Please finish adding the macro first!", Buttons::Ok);
        return false;
    }
    ShowMainPage(app, page);
    return true;
}

}  // namespace korvex
