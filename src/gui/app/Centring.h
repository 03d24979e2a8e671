// Korvex's small dialogs open in the middle of the screen.
#pragma once

#include <QDialog>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace korvex {

inline void CentreOnScreen(QWidget& widget) {
    widget.move(QGuiApplication::primaryScreen()->availableGeometry().center() - widget.rect().center());
}

// Shows a dialog modally, centred, at the fixed size its contents ask for.
inline int ExecFixedAndCentred(QDialog& dialog) {
    dialog.adjustSize();
    dialog.setFixedSize(dialog.size());
    CentreOnScreen(dialog);
    return dialog.exec();
}

}  // namespace korvex
