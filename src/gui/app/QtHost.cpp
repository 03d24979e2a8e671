#include "app/QtHost.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "app/DisclaimerDialog.h"
#include "app/MainWindow.h"
#include "app/StatusDialog.h"
#include "app/TextCodec.h"
#include "bindings/KeyBindingDialog.h"
#include "bindings/KeyBindingDialogs.h"
#include "bindings/MacroAlreadyIncludedDialog.h"
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
    : startUpWindow_(std::make_unique<StatusDialog>(StatusDialog::Style::StartUp)),
      searchWindow_(std::make_unique<StatusDialog>(StatusDialog::Style::Search)) {}

QtHost::~QtHost() = default;

Button QtHost::ShowMessage(Icon icon, const std::string& text, Buttons buttons) {
    QMessageBox box(ToQtIcon(icon), QStringLiteral("Korvex"), ToQString(text), ToQtButtons(buttons),
                    mainWindow_ && mainWindow_->isVisible() ? mainWindow_ : nullptr);
    box.setTextFormat(Qt::PlainText);  // details are paths and macro texts, never markup
    return FromQtButton(box.exec());
}

void QtHost::Post(Step step) { QTimer::singleShot(0, qApp, std::move(step)); }

void QtHost::ProcessPendingEvents() { QApplication::processEvents(); }

// The exit itself runs once the event loop has ended (see main), however the close came about.
void QtHost::RequestClose() { QTimer::singleShot(0, qApp, &QApplication::quit); }

StatusDialog& QtHost::StatusDialogFor(StatusWindow window) {
    return window == StatusWindow::StartUp ? *startUpWindow_ : *searchWindow_;
}

void QtHost::ShowStatus(StatusWindow window, const std::string& text) {
    StatusDialogFor(window).ShowText(ToQString(text));
    if (mainWindow_) mainWindow_->repaint();
}

void QtHost::CloseStatus(StatusWindow window) { StatusDialogFor(window).hide(); }

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

void QtHost::HideKeyDialog() {
    if (keyDialog_) keyDialog_->hide();
}

IncludedMacroChoice QtHost::AskMacroAlreadyIncluded(const std::string& description) {
    return AskMacroAlreadyIncludedDialog(description);
}

void QtHost::ShowBindingOverview(MacroOutput& overview) {
    if (mainWindow_) RunOverviewDialog(mainWindow_->App(), overview);
}

bool QtHost::ShowBindingEditor(BindingEditor& editor) {
    return mainWindow_ && RunEditorDialog(mainWindow_->App(), editor);
}

}  // namespace korvex
