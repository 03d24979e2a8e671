// The windows an installation shows while it works: "Extracting", "Scanning", "Searching"
// (with Cancel) and "Copying", and "InstallShield still running?" with its "Wake up!" button.
#pragma once

#include <QDialog>
#include <functional>

#include "app/SmallDialog.h"
#include "install/InstallDialogRequests.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace korvex {

class InstallProgressWindow : public QDialog {
    Q_OBJECT
public:
    explicit InstallProgressWindow(InstallWindow window, QWidget* parent = nullptr);

    // Shows the window centred on first use; progress without files hides the progress.
    void ShowProgress(const QString& detail, const InstallProgress& progress);
    bool Cancelled() const { return cancelled_; }
    void Close();

private:
    QLabel* detail_;
    QLabel* counts_;
    QProgressBar* progress_;
    DrawingPace pace_;
    bool cancelled_ = false;
};

// Stays until the setup program's step ends or "Wake up!" is pressed: neither Escape nor
// the window manager's close hides it while the installation waits.
class SetupRunningWindow : public QDialog {
    Q_OBJECT
public:
    explicit SetupRunningWindow(QWidget* parent = nullptr);
    void ShowWith(std::function<void()> wakeUp);
    void reject() override {}

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    std::function<void()> wakeUp_;
};

}  // namespace korvex
