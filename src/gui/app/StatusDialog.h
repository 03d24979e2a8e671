// The small windows that say what Korvex is busy with: the start-up window (white text at
// the bottom of a black picture) and the "Initializing" window of the Quake II search.
#pragma once

#include <QDialog>

class QLabel;

namespace korvex {

class StatusDialog : public QDialog {
    Q_OBJECT
public:
    enum class Style { StartUp, Search };
    explicit StatusDialog(Style style);

    void ShowText(const QString& text);

private:
    Style style_;
    QLabel* label_;
};

}  // namespace korvex
