// The Host of the real program: message boxes, dialogs and status windows as Qt widgets.
#pragma once

#include <array>
#include <memory>

#include "app/Host.h"

class QTimer;

namespace korvex {

class MainWindow;
class StatusDialog;
class QuakeSearchWindow;
class KeyBindingDialog;
class InstallProgressWindow;
class SetupRunningWindow;

class QtHost : public Host {
public:
    QtHost();
    ~QtHost() override;

    // The main window exists only after the instance guard has run.
    void SetMainWindow(MainWindow* window) { mainWindow_ = window; }

    Button ShowMessage(Icon icon, const std::string& text, Buttons buttons) override;
    void Post(Step step) override;
    void ProcessPendingEvents() override;
    void SuspendInput(bool suspended) override;
    void RequestClose() override;
    void ShowStatus(StatusWindow window, const std::string& text) override;
    void CloseStatus(StatusWindow window) override;
    void ShowLaunchNotice(const std::string& text) override;
    bool ShowQuakeSearch(const QuakeSearchProgress& progress) override;
    void CloseQuakeSearch() override;
    QuakeDirAnswer ChooseQuakeDir(const QuakeDirRequest& request) override;
    bool AskDisclaimer() override;
    void ShowMainWindow() override;
    void MainViewChanged() override;
    void PlayerCfgChanged() override;
    void ModTreeChanged() override;

    // Player-CFG and exchange dialogs.
    PlayerListAnswer ChoosePlayers(const PlayerListRequest& request) override;
    PlayerNameAnswer AskPlayerName(const PlayerNameRequest& request) override;
    ExchangeFileAnswer ChooseExchangeFile(const ExchangeFileRequest& request) override;
    std::unique_ptr<PrintCanvas> ChoosePrinter(const PrintRequest& request) override;

    // Key bindings.
    std::string AskForKey() override;
    void SetKeyPrompt(const std::string& prompt) override;
    void SetBoundKeys(const std::vector<MacroKeys>& macros) override;
    void HideKeyDialog() override;
    IncludedMacroChoice AskMacroAlreadyIncluded(const std::string& description) override;
    OverviewAnswer ShowBindingOverview(const MacroOutput& overview, int selected) override;
    void ShowKeyMap(const KeyMap& map) override;
    EditorAnswer ShowBindingEditor(const BindingEditor& editor) override;

    // MOD dialogs.
    EditModOptionsAnswer EditModOptions(const EditModOptionsRequest& request) override;
    ServerSideModAnswer AskServerSideMod() override;
    RemoveModAnswer AskRemoveMod(const RemoveModRequest& request) override;
    ChangedModFilesAnswer AskChangedModFiles(const ChangedModFilesRequest& request) override;
    RenameModAnswer AskRenameMod(const RenameModRequest& request) override;

    // AutoMOD and installation.
    UnknownModAnswer AskUnknownMod(const UnknownModRequest& request) override;
    DistributionKind AskDistributionKind() override;
    std::vector<std::string> ChooseInstallFiles(const InstallFilesRequest& request) override;
    void ShowInstallWindow(InstallWindow window, const std::string& text, const InstallProgress& progress) override;
    void CloseInstallWindow(InstallWindow window) override;
    bool InstallWindowCancelled(InstallWindow window) override;
    void ShowSetupRunning(std::function<void()> wakeUp) override;
    void CloseSetupRunning() override;
    void StartInstallShieldTimer(std::function<void()> tick) override;
    void StopInstallShieldTimer() override;
    ModRootAnswer AskForModRoot(const ModRootRequest& request) override;
    ModIdentityAnswer AskModIdentity(const ModIdentityRequest& request) override;
    UpdatedModAnswer AskUpdatedModName(const UpdatedModRequest& request) override;
    UnclaimedFilesAnswer AskUnclaimedFiles(const UnclaimedFilesRequest& request) override;
    DirectoryAnswer ChooseDirectory(const DirectoryRequest& request) override;

private:
    KeyBindingDialog& KeyDialog();
    InstallProgressWindow& InstallWindowFor(InstallWindow window);

    StatusDialog& StatusDialogFor(StatusWindow window);

    MainWindow* mainWindow_ = nullptr;
    std::array<std::unique_ptr<StatusDialog>, 3> statusWindows_;  // by StatusWindow
    std::unique_ptr<KeyBindingDialog> keyDialog_;
    std::array<std::unique_ptr<InstallProgressWindow>, 4> installWindows_;  // by InstallWindow
    std::unique_ptr<SetupRunningWindow> setupRunning_;
    std::unique_ptr<QuakeSearchWindow> quakeSearch_;
    std::unique_ptr<QTimer> installShieldTimer_;
};

}  // namespace korvex
