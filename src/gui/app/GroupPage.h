// A page of the main window: one titled group box filling the page.
#pragma once

#include <QGroupBox>
#include <QString>

namespace korvex {

QGroupBox* AddPageGroup(QWidget& page, const QString& title);

}  // namespace korvex
