// "Unknown Modification": the player names a game directory that AutoMOD did not recognise.
#pragma once

#include <QDialog>

#include "mods/AutoModDialogRequests.h"

class QLineEdit;

namespace korvex {

class UnknownModDialog : public QDialog {
    Q_OBJECT
public:
    explicit UnknownModDialog(const UnknownModRequest& request, QWidget* parent = nullptr);
    UnknownModAnswer Answer() const;

private:
    QLineEdit* name_;
};

UnknownModAnswer RunUnknownModDialog(const UnknownModRequest& request);

}  // namespace korvex
