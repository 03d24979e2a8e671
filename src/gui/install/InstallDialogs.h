// The installation's dialogs: "Kind of Distribution", "Localize modification", "Identify
// Modification", "Existing modification updated" and the unclaimed files.
#pragma once

#include <QDialog>

#include "install/InstallDialogRequests.h"

class QLineEdit;
class QListWidget;
class QPushButton;

namespace korvex {

class DistributionDialog : public QDialog {
    Q_OBJECT
public:
    explicit DistributionDialog(QWidget* parent = nullptr);
    DistributionKind Answer() const { return kind_; }

private:
    DistributionKind kind_ = DistributionKind::Cancel;
};

class LocalizeModDialog : public QDialog {
    Q_OBJECT
public:
    explicit LocalizeModDialog(const ModRootRequest& request, QWidget* parent = nullptr);
    ModRootAnswer Answer() const;

private:
    QListWidget* files_;
};

class IdentifyModDialog : public QDialog {
    Q_OBJECT
public:
    explicit IdentifyModDialog(const ModIdentityRequest& request, QWidget* parent = nullptr);
    ModIdentityAnswer Answer() const;

private:
    QLineEdit* name_;
    QLineEdit* directory_;
};

class UpdatedModDialog : public QDialog {
    Q_OBJECT
public:
    explicit UpdatedModDialog(const UpdatedModRequest& request, QWidget* parent = nullptr);
    UpdatedModAnswer Answer() const;

private:
    QLineEdit* name_;
};

class UnclaimedFilesDialog : public QDialog {
    Q_OBJECT
public:
    explicit UnclaimedFilesDialog(const UnclaimedFilesRequest& request, QWidget* parent = nullptr);
    UnclaimedFilesAnswer Answer() const { return answer_; }

private:
    std::vector<std::string> Selected() const;

    QListWidget* files_;
    UnclaimedFilesAnswer answer_;
};

// Opens a read-me chooser starting in directory and hands the chosen file to view.
void ChooseReadme(QWidget* parent, const std::string& directory, const std::function<void(const std::string&)>& view);

DistributionKind RunDistributionDialog();
std::vector<std::string> RunInstallFileDialog(const InstallFilesRequest& request);
ModRootAnswer RunLocalizeModDialog(const ModRootRequest& request);
ModIdentityAnswer RunIdentifyModDialog(const ModIdentityRequest& request);
UpdatedModAnswer RunUpdatedModDialog(const UpdatedModRequest& request);
UnclaimedFilesAnswer RunUnclaimedFilesDialog(const UnclaimedFilesRequest& request);
DirectoryAnswer RunDirectoryDialog(const DirectoryRequest& request);

}  // namespace korvex
