// What a core operation may ask of the person using Korvex: message boxes, status windows and
// the main window here; each subsystem's dialogs in the request header it inherits from.
// Implemented by QtHost (real windows), CliHost (the command line) and, in tests, FakeHost.
#pragma once

#include <functional>
#include <string>

#include "app/QuakeDirRequests.h"
#include "bindings/BindingDialogRequests.h"
#include "install/InstallDialogRequests.h"
#include "mods/AutoModDialogRequests.h"
#include "mods/ModDialogRequests.h"
#include "players/ExchangeRequests.h"
#include "players/PlayerDialogRequests.h"

namespace korvex {

enum class Icon { Error, Warning, Information, Question };
enum class Button { Ok, Cancel, Abort, Ignore, Yes, No };
enum class Buttons { Ok, Abort, CancelIgnore, YesNo, YesNoCancel, Cancel, OkCancel };

// A step of a chained operation, run later from the event loop.
using Step = std::function<void()>;

// Small windows that show what Korvex is busy with.
// CreatingCfgFiles is "Please wait..." while a launch compiles; GameRunning says that the
// game runs while Korvex waits for it.
enum class StatusWindow { StartUp, CreatingCfgFiles, GameRunning };

class Host : public PlayerDialogs,
             public ExchangeDialogs,
             public BindingDialogs,
             public ModDialogHost,
             public AutoModDialogHost,
             public InstallDialogHost {
public:
    ~Host() override = default;

    // A modal message box; returns the button that was pressed.
    virtual Button ShowMessage(Icon icon, const std::string& text, Buttons buttons) = 0;
    virtual void Post(Step step) = 0;
    virtual void ProcessPendingEvents() = 0;
    // While set, the windows keep painting but take no input (Korvex waits for the game).
    virtual void SuspendInput(bool suspended) = 0;
    virtual void RequestClose() = 0;

    // Opens the window when it is not shown yet; otherwise changes its text.
    virtual void ShowStatus(StatusWindow window, const std::string& text) = 0;
    virtual void CloseStatus(StatusWindow window) = 0;
    // What the launch tells the player before the game starts (keys shared across
    // categories); the player acknowledges it, the launch goes on.
    virtual void ShowLaunchNotice(const std::string& text) = 0;

    // The search for Quake II: where it is and how many games it found, with Cancel (Escape
    // too); false once the person cancelled.
    virtual bool ShowQuakeSearch(const QuakeSearchProgress& progress) = 0;
    virtual void CloseQuakeSearch() = 0;
    // The one window that lists every Quake II directory found, with "Browse..." and Cancel.
    virtual QuakeDirAnswer ChooseQuakeDir(const QuakeDirRequest& request) = 0;

    // The first-run disclaimer; true when the person accepted it.
    virtual bool AskDisclaimer() = 0;

    virtual void ShowMainWindow() = 0;
    // The main window's page, caption or option check boxes changed in the core.
    virtual void MainViewChanged() = 0;

    // The current Player-CFG or the Config-Editor's control states changed in the core.
    virtual void PlayerCfgChanged() = 0;
    // The MOD tree's nodes changed in the core.
    virtual void ModTreeChanged() = 0;
};

}  // namespace korvex
