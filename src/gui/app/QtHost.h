// The Host of the real program: message boxes, dialogs and status windows as Qt widgets.
#pragma once

#include <memory>

#include "app/Host.h"

namespace korvex {

class MainWindow;
class StatusDialog;
class KeyBindingDialog;

class QtHost : public Host {
public:
    QtHost();
    ~QtHost() override;

    // The main window exists only after the instance guard has run.
    void SetMainWindow(MainWindow* window) { mainWindow_ = window; }

    Button ShowMessage(Icon icon, const std::string& text, Buttons buttons) override;
    void Post(Step step) override;
    void ProcessPendingEvents() override;
    void RequestClose() override;
    void ShowStatus(StatusWindow window, const std::string& text) override;
    void CloseStatus(StatusWindow window) override;
    bool AskDisclaimer() override;
    void ShowMainWindow() override;
    void MainViewChanged() override;

    // Player-CFG store.
    PlayerListAnswer ChoosePlayers(const PlayerListRequest& request) override;
    PlayerNameAnswer AskPlayerName(const PlayerNameRequest& request) override;
    void PlayerCfgChanged() override;
    void ModTreeChanged() override;

    // Key bindings.
    std::string AskForKey() override;
    void SetKeyPrompt(const std::string& prompt) override;
    void HideKeyDialog() override;
    IncludedMacroChoice AskMacroAlreadyIncluded(const std::string& description) override;
    void ShowBindingOverview(MacroOutput& overview) override;
    bool ShowBindingEditor(BindingEditor& editor) override;

private:
    KeyBindingDialog& KeyDialog();

    StatusDialog& StatusDialogFor(StatusWindow window);

    MainWindow* mainWindow_ = nullptr;
    std::unique_ptr<StatusDialog> startUpWindow_;
    std::unique_ptr<StatusDialog> searchWindow_;
    std::unique_ptr<KeyBindingDialog> keyDialog_;
};

}  // namespace korvex
