// The five small Player-CFG dialogs: a list of names to choose from, or a name to enter.
#pragma once

#include <QDialog>

#include "players/PlayerDialogRequests.h"

class QLineEdit;
class QListWidget;
class QPushButton;

namespace korvex {

class PlayerListDialog : public QDialog {
    Q_OBJECT
public:
    explicit PlayerListDialog(const PlayerListRequest& request, QWidget* parent = nullptr);
    PlayerListAnswer Answer() const;
    void accept() override;

private:
    QListWidget* list_;
    QString emptySelectionText_;
};

class PlayerNameDialog : public QDialog {
    Q_OBJECT
public:
    explicit PlayerNameDialog(const PlayerNameRequest& request, QWidget* parent = nullptr);
    PlayerNameAnswer Answer() const;

private:
    // The confirming button stays disabled while the name is empty or all blanks.
    void NameEdited();

    QLineEdit* name_;
    QPushButton* confirm_;
    QString confirmHint_;
};

// Shows the dialog modally, centred on the screen.
PlayerListAnswer RunPlayerListDialog(const PlayerListRequest& request);
PlayerNameAnswer RunPlayerNameDialog(const PlayerNameRequest& request);

}  // namespace korvex
