// What every small dialog of Korvex shares: no system menu, a fixed border, centred on the screen,
// at least as wide as its caption.
#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <string>

class QBoxLayout;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace korvex {

void SetUpDialog(QDialog& dialog, const std::string& caption);
// A list dialog opens with its first entry selected and the focus in the list, so that Enter
// confirms at once.
void SelectFirstEntry(QListWidget& list);
// Fixes the dialog at the size its contents ask for and centres it on the screen.
void CentreOnScreen(QDialog& dialog);
// Centres a window on the screen at the size it has, made smaller where the screen is smaller
// (room is left for the window's frame).
void MoveToScreenCentre(QWidget& window);
// Status windows show what runs without returning to the event loop, so a window must be on
// the screen before the work starts; waits at most two seconds for that.
void WaitUntilExposed(QWidget& window);
// Paces the drawing of a window that shows progress: at most twenty times a second, so that
// drawing does not slow the work down.
class DrawingPace {
public:
    bool TooSoon() const { return last_.isValid() && last_.elapsed() < kMilliseconds; }
    void Drawn() { last_.start(); }

private:
    static constexpr qint64 kMilliseconds = 50;
    QElapsedTimer last_;
};

// A push button with a name for tests and a hint for the player.
QPushButton* AddButton(QBoxLayout& layout, const QString& caption, const char* name, const QString& hint);

// A label and below it a line edit wide enough for a name or a directory.
QLineEdit* AddEdit(QBoxLayout& layout, const QString& label, const char* name, const QString& hint);

// Shows the dialog modally, centred on the screen, and returns its answer.
template <typename Dialog, typename... Request>
auto RunCentred(const Request&... request) {
    Dialog dialog(request...);
    CentreOnScreen(dialog);
    dialog.exec();
    return dialog.Answer();
}

}  // namespace korvex
