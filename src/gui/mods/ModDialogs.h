// The small MOD dialogs: choosing Player-CFGs to add, a server-side-only MOD, removing and
// renaming a MOD. The options dialog has its own file.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "mods/ModDialogRequests.h"

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace korvex {

class AddPlayerCfgDialog : public QDialog {
    Q_OBJECT
public:
    explicit AddPlayerCfgDialog(const std::vector<std::string>& players, QWidget* parent = nullptr);
    // The selected names, empty unless "Add" was pressed.
    std::vector<std::string> Answer() const;

private:
    QListWidget* list_;
    QPushButton* add_;
};

class ServerSideModDialog : public QDialog {
    Q_OBJECT
public:
    explicit ServerSideModDialog(QWidget* parent = nullptr);
    ServerSideModAnswer Answer() const;

private:
    QLineEdit* directory_;
    QLineEdit* name_;
    QPushButton* ok_;
};

class RemoveModDialog : public QDialog {
    Q_OBJECT
public:
    explicit RemoveModDialog(const RemoveModRequest& request, QWidget* parent = nullptr);
    RemoveModAnswer Answer() const;

private:
    QCheckBox* deleteFiles_;
};

// The files of a MOD changed since its installation, checked to be deleted with the others.
class ChangedModFilesDialog : public QDialog {
    Q_OBJECT
public:
    explicit ChangedModFilesDialog(const ChangedModFilesRequest& request, QWidget* parent = nullptr);
    ChangedModFilesAnswer Answer() const;

private:
    QListWidget* list_;
};

class RenameModDialog : public QDialog {
    Q_OBJECT
public:
    explicit RenameModDialog(const RenameModRequest& request, QWidget* parent = nullptr);
    RenameModAnswer Answer() const;

private:
    QLineEdit* name_;
    QLineEdit* directory_;
};

EditModOptionsAnswer RunEditModOptionsDialog(const EditModOptionsRequest& request);
std::vector<std::string> RunAddPlayerCfgDialog(const std::vector<std::string>& players);
ServerSideModAnswer RunServerSideModDialog();
RemoveModAnswer RunRemoveModDialog(const RemoveModRequest& request);
ChangedModFilesAnswer RunChangedModFilesDialog(const ChangedModFilesRequest& request);
RenameModAnswer RunRenameModDialog(const RenameModRequest& request);

}  // namespace korvex
