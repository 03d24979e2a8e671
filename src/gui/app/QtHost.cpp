#include "app/QtHost.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "app/DisclaimerDialog.h"
#include "app/MainWindow.h"
#include "app/QuakeDirDialogs.h"
#include "app/SmallDialog.h"
#include "app/StatusDialog.h"
#include "app/TextCodec.h"
#include "bindings/KeyBindingDialog.h"
#include "bindings/KeyBindingDialogs.h"
#include "bindings/KeyboardMapDialog.h"
#include "bindings/MacroAlreadyIncludedDialog.h"
#include "install/InstallDialogs.h"
#include "install/InstallWindows.h"
#include "mods/ModDialogs.h"
#include "mods/UnknownModDialog.h"
#include "players/ExchangeDialogs.h"
#include "players/PlayerDialogs.h"

namespace korvex {
namespace {

QMessageBox::Icon ToQtIcon(Icon icon) {
    switch (icon) {
        case Icon::Error: return QMessageBox::Critical;
        case Icon::Warning: return QMessageBox::Warning;
        case Icon::Information: return QMessageBox::Information;
        case Icon::Question: return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ToQtButtons(Buttons buttons) {
    switch (buttons) {
        case Buttons::Ok: return QMessageBox::Ok;
        case Buttons::Abort: return QMessageBox::Abort;
        case Buttons::CancelIgnore: return QMessageBox::Cancel | QMessageBox::Ignore;
        case Buttons::YesNo: return QMessageBox::Yes | QMessageBox::No;
        case Buttons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case Buttons::Cancel: return QMessageBox::Cancel;
        case Buttons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

Button FromQtButton(int pressed) {
    switch (pressed) {
        case QMessageBox::Ok: return Button::Ok;
        case QMessageBox::Abort: return Button::Abort;
        case QMessageBox::Ignore: return Button::Ignore;
        case QMessageBox::Yes: return Button::Yes;
        case QMessageBox::No: return Button::No;
        default: return Button::Cancel;
    }
}

}  // namespace

QtHost::QtHost()
    : statusWindows_{std::make_unique<StatusDialog>(StatusDialog::Style::StartUp),
                     std::make_unique<StatusDialog>(StatusDialog::Style::Plain, QStringLiteral("Please wait...")),
                     std::make_unique<StatusDialog>(StatusDialog::Style::Plain, QStringLiteral("Korvex"))},
      installWindows_{std::make_unique<InstallProgressWindow>(InstallWindow::Extracting),
                      std::make_unique<InstallProgressWindow>(InstallWindow::Scanning),
                      std::make_unique<InstallProgressWindow>(InstallWindow::Searching),
                      std::make_unique<InstallProgressWindow>(InstallWindow::Copying)},
      setupRunning_(std::make_unique<SetupRunningWindow>()),
      quakeSearch_(std::make_unique<QuakeSearchWindow>()),
      installShieldTimer_(std::make_unique<QTimer>()) {
    installShieldTimer_->setInterval(1000);
}

QtHost::~QtHost() = default;

Button QtHost::ShowMessage(Icon icon, const std::string& text, Buttons buttons) {
    QMessageBox box(ToQtIcon(icon), QStringLiteral("Korvex"), ToQString(text), ToQtButtons(buttons),
                    mainWindow_ && mainWindow_->isVisible() ? mainWindow_ : nullptr);
    box.setTextFormat(Qt::PlainText);  // details are paths and macro texts, never markup
    return FromQtButton(box.exec());
}

void QtHost::Post(Step step) { QTimer::singleShot(0, qApp, std::move(step)); }

void QtHost::ProcessPendingEvents() { QApplication::processEvents(); }

// A disabled window still paints and drops the clicks and keys meant for it, so nothing the
// player does while the game runs takes effect afterwards.
void QtHost::SuspendInput(bool suspended) {
    if (mainWindow_) mainWindow_->setEnabled(!suspended);
}

// The exit itself runs once the event loop has ended (see main), however the close came about.
void QtHost::RequestClose() { QTimer::singleShot(0, qApp, &QApplication::quit); }

StatusDialog& QtHost::StatusDialogFor(StatusWindow window) { return *statusWindows_.at(static_cast<std::size_t>(window)); }

void QtHost::ShowStatus(StatusWindow window, const std::string& text) {
    StatusDialogFor(window).ShowText(ToQString(text));
    if (mainWindow_) mainWindow_->repaint();
}

void QtHost::CloseStatus(StatusWindow window) { StatusDialogFor(window).hide(); }

void QtHost::ShowLaunchNotice(const std::string& text) {
    ShowMessage(Icon::Information,
                text + ".\n\nQuake II starts with these keys as they are; the Keyboard map on the Bindings tab "
                       "shows which macros bind them.",
                Buttons::Ok);
}

bool QtHost::ShowQuakeSearch(const QuakeSearchProgress& progress) { return quakeSearch_->ShowProgress(progress); }

void QtHost::CloseQuakeSearch() { quakeSearch_->hide(); }

QuakeDirAnswer QtHost::ChooseQuakeDir(const QuakeDirRequest& request) { return RunCentred<QuakeDirDialog>(request); }

bool QtHost::AskDisclaimer() {
    DisclaimerDialog dialog;
    return dialog.exec() == QDialog::Accepted;
}

void QtHost::ShowMainWindow() {
    if (mainWindow_) mainWindow_->ShowCentred();
}

void QtHost::MainViewChanged() {
    if (mainWindow_) mainWindow_->SyncFromCore();
}

PlayerListAnswer QtHost::ChoosePlayers(const PlayerListRequest& request) { return RunPlayerListDialog(request); }

PlayerNameAnswer QtHost::AskPlayerName(const PlayerNameRequest& request) { return RunPlayerNameDialog(request); }

ExchangeFileAnswer QtHost::ChooseExchangeFile(const ExchangeFileRequest& request) {
    return RunExchangeFileDialog(request);
}

std::unique_ptr<PrintCanvas> QtHost::ChoosePrinter(const PrintRequest& request) { return RunPrintDialog(request); }

void QtHost::PlayerCfgChanged() { MainViewChanged(); }

void QtHost::ModTreeChanged() { MainViewChanged(); }

KeyBindingDialog& QtHost::KeyDialog() {
    if (!keyDialog_) keyDialog_ = std::make_unique<KeyBindingDialog>();
    return *keyDialog_;
}

std::string QtHost::AskForKey() { return KeyDialog().AskForKey(); }

void QtHost::SetKeyPrompt(const std::string& prompt) {
    KeyDialog().SetPrompt(ToQString(prompt));
    if (mainWindow_) mainWindow_->repaint();
}

void QtHost::SetBoundKeys(const std::vector<MacroKeys>& macros) { KeyDialog().SetBoundKeys(macros); }

void QtHost::HideKeyDialog() {
    if (keyDialog_) keyDialog_->hide();
}

IncludedMacroChoice QtHost::AskMacroAlreadyIncluded(const std::string& description) {
    return AskMacroAlreadyIncludedDialog(description);
}

OverviewAnswer QtHost::ShowBindingOverview(const MacroOutput& overview, int selected) {
    return RunOverviewDialog(overview, selected);
}

void QtHost::ShowKeyMap(const KeyMap& map) { RunKeyMapDialog(map); }

EditorAnswer QtHost::ShowBindingEditor(const BindingEditor& editor) { return RunEditorDialog(editor); }

EditModOptionsAnswer QtHost::EditModOptions(const EditModOptionsRequest& request) { return RunEditModOptionsDialog(request); }

ServerSideModAnswer QtHost::AskServerSideMod() { return RunServerSideModDialog(); }

RemoveModAnswer QtHost::AskRemoveMod(const RemoveModRequest& request) { return RunRemoveModDialog(request); }

ChangedModFilesAnswer QtHost::AskChangedModFiles(const ChangedModFilesRequest& request) {
    return RunChangedModFilesDialog(request);
}

RenameModAnswer QtHost::AskRenameMod(const RenameModRequest& request) { return RunRenameModDialog(request); }

UnknownModAnswer QtHost::AskUnknownMod(const UnknownModRequest& request) { return RunUnknownModDialog(request); }

DistributionKind QtHost::AskDistributionKind() { return RunDistributionDialog(); }

std::vector<std::string> QtHost::ChooseInstallFiles(const InstallFilesRequest& request) {
    return RunInstallFileDialog(request);
}

InstallProgressWindow& QtHost::InstallWindowFor(InstallWindow window) {
    return *installWindows_.at(static_cast<std::size_t>(window));
}

void QtHost::ShowInstallWindow(InstallWindow window, const std::string& text, const InstallProgress& progress) {
    InstallWindowFor(window).ShowProgress(ToQString(text), progress);
}

void QtHost::CloseInstallWindow(InstallWindow window) { InstallWindowFor(window).Close(); }

bool QtHost::InstallWindowCancelled(InstallWindow window) { return InstallWindowFor(window).Cancelled(); }

void QtHost::ShowSetupRunning(std::function<void()> wakeUp) { setupRunning_->ShowWith(std::move(wakeUp)); }

void QtHost::CloseSetupRunning() { setupRunning_->hide(); }

void QtHost::StartInstallShieldTimer(std::function<void()> tick) {
    installShieldTimer_->disconnect();
    QObject::connect(installShieldTimer_.get(), &QTimer::timeout, qApp, std::move(tick));
    installShieldTimer_->start();
}

void QtHost::StopInstallShieldTimer() {
    installShieldTimer_->stop();
    installShieldTimer_->disconnect();
}

ModRootAnswer QtHost::AskForModRoot(const ModRootRequest& request) { return RunLocalizeModDialog(request); }

ModIdentityAnswer QtHost::AskModIdentity(const ModIdentityRequest& request) { return RunIdentifyModDialog(request); }

UpdatedModAnswer QtHost::AskUpdatedModName(const UpdatedModRequest& request) { return RunUpdatedModDialog(request); }

UnclaimedFilesAnswer QtHost::AskUnclaimedFiles(const UnclaimedFilesRequest& request) {
    return RunUnclaimedFilesDialog(request);
}

DirectoryAnswer QtHost::ChooseDirectory(const DirectoryRequest& request) { return RunDirectoryDialog(request); }

}  // namespace korvex
