// The small windows that say what Korvex is busy with: the start-up window (white text at
// the bottom of a black picture) and plain windows with a caption and a line of text (the
// "Initializing" window of the Quake II search, "Please wait..." of a launch, the running game).
#pragma once

#include <QDialog>

class QLabel;

namespace korvex {

class StatusDialog : public QDialog {
    Q_OBJECT
public:
    enum class Style { StartUp, Plain };
    explicit StatusDialog(Style style, const QString& caption = QStringLiteral("Korvex"));

    void ShowText(const QString& text);

private:
    Style style_;
    QLabel* label_;
};

}  // namespace korvex
