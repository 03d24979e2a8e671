// "Edit MOD's Options and assign players to MOD": the MOD's Player-CFGs and launch options.
#pragma once

#include <QDialog>

#include "mods/ModDialogRequests.h"

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace korvex {

class EditModOptionsDialog : public QDialog {
    Q_OBJECT
public:
    explicit EditModOptionsDialog(const EditModOptionsRequest& request, QWidget* parent = nullptr);
    EditModOptionsAnswer Answer() const;

    // Adds names to the Player-CFG list, as "Add a Player-CFG" does after its sub-dialog.
    void AddPlayerCfgs(const std::vector<std::string>& names);
    // "Advanced >>" and "<< Hide".
    void ShowAdditionalParameters(bool shown);

    void done(int result) override;

private:
    QWidget* BuildPlayerCfgGroup();
    QWidget* BuildOptionsGroup();
    QWidget* BuildAdditionalGroup();
    void BrowseMaps();
    void ChooseReadme();

    EditModOptionsRequest request_;
    QListWidget* players_;
    QCheckBox* disableDemo_;
    QCheckBox* deathmatch_;
    QLineEdit* mapName_;
    QButtonGroup* menu_;
    QGroupBox* additional_;
    QLineEdit* parameters_;
    QPlainTextEdit* configLines_;
    QPushButton* advanced_;
};

}  // namespace korvex
