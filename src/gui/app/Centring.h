// Korvex's small dialogs open in the middle of the screen.
#pragma once

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace korvex {

inline void CentreOnScreen(QWidget& widget) {
    widget.move(QGuiApplication::primaryScreen()->availableGeometry().center() - widget.rect().center());
}

}  // namespace korvex
