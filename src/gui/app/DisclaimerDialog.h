// Shown at the first start after installation; the program runs only when it is accepted.
#pragma once

#include <QDialog>

namespace korvex {

class DisclaimerDialog : public QDialog {
    Q_OBJECT
public:
    explicit DisclaimerDialog(QWidget* parent = nullptr);
};

}  // namespace korvex
