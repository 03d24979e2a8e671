#include "players/PlayerCfgFiles.h"

#include "app/Korvex.h"
#include "app/Messages.h"
#include "platform/Path.h"
#include "platform/Text.h"

namespace korvex {

void SetCurrentPlayer(Korvex& app, const std::string& name) {
    app.currentPlayerName = name;
    app.currentPlayerDir = JoinPath(app.dirs.players, name);
    if (app.view.page == Page::ConfigEditor) {
        app.view.caption = CaptionOf(app, Page::ConfigEditor);
        app.host.MainViewChanged();
    }
}

void LoadPlayerCFG(Korvex& app, const std::string& name) { SetCurrentPlayer(app, name); }

void SavePlayerCFG(Korvex& app) {
    if (!StartsWithIgnoringCase(app.currentPlayerDir, app.dirs.program) ||
        TrimBlanksAndNuls(app.currentPlayerDir).empty()) {
        FatalError(app, Err::InitializationFailed, "disk full?");
    }
}

}  // namespace korvex
