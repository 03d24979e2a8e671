// Finding Quake II: the search window with its Cancel button, and the one window that lists
// every Quake II directory found.
#pragma once

#include <QDialog>

#include "app/QuakeDirRequests.h"
#include "app/SmallDialog.h"

class QLabel;
class QListWidget;

namespace korvex {

// "Initializing": the folder being searched and how many games were found. Cancel, Escape and
// the window's close stop the search; the window stays until the search has ended.
class QuakeSearchWindow : public QDialog {
    Q_OBJECT
public:
    QuakeSearchWindow();
    // Shows the window on first use and the progress at most twenty times a second; false once
    // the player cancelled.
    bool ShowProgress(const QuakeSearchProgress& progress);
    void reject() override { cancelled_ = true; }

private:
    QLabel* folder_;
    QLabel* found_;
    DrawingPace pace_;
    bool cancelled_ = false;
};

// "Quake II directory": the finds, "Browse..." for another folder, and Cancel.
class QuakeDirDialog : public QDialog {
    Q_OBJECT
public:
    explicit QuakeDirDialog(const QuakeDirRequest& request, QWidget* parent = nullptr);
    QuakeDirAnswer Answer() const { return answer_; }

private:
    void TakeSelected();

    QListWidget* list_;
    QuakeDirAnswer answer_;
};

}  // namespace korvex
