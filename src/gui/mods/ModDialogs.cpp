#include "mods/ModDialogs.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/SmallDialog.h"
#include "app/TextCodec.h"
#include "mods/EditModOptionsDialog.h"
#include "mods/PlayerCfgList.h"

namespace korvex {
namespace {

// OK (or the given confirm caption) as the default button and Cancel, at the right.
QPushButton* AddOkCancel(QDialog& dialog, QVBoxLayout& layout, const QString& confirmCaption, const QString& confirmHint) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    QPushButton* ok = AddButton(*row, confirmCaption, "OKButton", confirmHint);
    ok->setDefault(true);
    QPushButton* cancel = AddButton(*row, QStringLiteral("Cancel"), "CancelButton",
                                    QStringLiteral("close this window without changing anything"));
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    layout.addLayout(row);
    return ok;
}

}  // namespace

AddPlayerCfgDialog::AddPlayerCfgDialog(const std::vector<std::string>& players, QWidget* parent)
    : QDialog(parent), list_(new QListWidget) {
    SetUpDialog(*this, "Add a Player-CFG");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Available Player-CFG's")));
    list_->setObjectName(QStringLiteral("SubDlgAddPlayerCFGListBox"));
    list_->setToolTip(QStringLiteral("select the Player-CFGs to use with this MOD"));
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->setSortingEnabled(true);
    AddPlayerCfgItems(*list_, players);
    layout->addWidget(list_);
    add_ = AddOkCancel(*this, *layout, QStringLiteral("Add"), QStringLiteral("assign the selected Player-CFGs to this MOD"));
    add_->setEnabled(false);
    connect(list_, &QListWidget::itemSelectionChanged, this,
            [this] { add_->setEnabled(!list_->selectedItems().isEmpty()); });
    connect(list_, &QListWidget::itemDoubleClicked, this, [this] {
        if (!list_->selectedItems().isEmpty()) accept();
    });
    SelectFirstEntry(*list_);
}

std::vector<std::string> AddPlayerCfgDialog::Answer() const {
    std::vector<std::string> names;
    if (result() != QDialog::Accepted) return names;
    for (int row = 0; row < list_->count(); ++row)
        if (list_->item(row)->isSelected()) names.push_back(FromQString(list_->item(row)->text()));
    return names;
}

ServerSideModDialog::ServerSideModDialog(QWidget* parent) : QDialog(parent) {
    SetUpDialog(*this, "Add Server-Sided-Only MOD");
    auto* layout = new QVBoxLayout(this);
    directory_ = AddEdit(*layout, QStringLiteral("Enter the directory that it used by this modification (e.g. CTF)"),
                         "DirectoryEdit", QStringLiteral("the game directory the server uses for this MOD"));
    layout->addWidget(new QLabel(QStringLiteral(
        "If you are not sure about what directory is used by this modification\nyou should ask your server-admin for "
        "it or have a look at the Korvex\ndocumentation.")));
    name_ = AddEdit(*layout, QStringLiteral("Enter the name of this modification"), "ModNameEdit",
                    QStringLiteral("the name Korvex shows for this MOD"));
    ok_ = AddOkCancel(*this, *layout, QStringLiteral("OK"), QStringLiteral("add this MOD to the available MODs"));
    ok_->setEnabled(false);
    const auto update = [this] {
        ok_->setEnabled(ServerSideModComplete(FromQString(directory_->text()), FromQString(name_->text())));
    };
    connect(directory_, &QLineEdit::textChanged, this, update);
    connect(name_, &QLineEdit::textChanged, this, update);
}

ServerSideModAnswer ServerSideModDialog::Answer() const {
    return {result() == QDialog::Accepted, FromQString(name_->text()), FromQString(directory_->text())};
}

RemoveModDialog::RemoveModDialog(const RemoveModRequest& request, QWidget* parent)
    : QDialog(parent), deleteFiles_(new QCheckBox(QStringLiteral("Delete MOD in your Quake II - directory"))) {
    SetUpDialog(*this, request.caption);
    auto* layout = new QVBoxLayout(this);
    auto* group = new QGroupBox(QStringLiteral("Options"));
    auto* options = new QVBoxLayout(group);
    auto* remove = new QCheckBox(QStringLiteral("Remove MOD from the list of available MOD's"));
    remove->setObjectName(QStringLiteral("RemoveMODCheckBox"));
    remove->setToolTip(QStringLiteral("the MOD is always removed from the list"));
    remove->setChecked(true);
    remove->setEnabled(false);
    options->addWidget(remove);
    deleteFiles_->setObjectName(QStringLiteral("DeleteMODCheckBox"));
    deleteFiles_->setToolTip(QStringLiteral("when checked, the MOD's directory and every file in it are deleted too"));
    options->addWidget(deleteFiles_);
    layout->addWidget(group);
    AddOkCancel(*this, *layout, QStringLiteral("OK"), QStringLiteral("remove the MOD"));
}

RemoveModAnswer RemoveModDialog::Answer() const { return {result() == QDialog::Accepted, deleteFiles_->isChecked()}; }

ChangedModFilesDialog::ChangedModFilesDialog(const ChangedModFilesRequest& request, QWidget* parent)
    : QDialog(parent), list_(new QListWidget) {
    SetUpDialog(*this, request.caption);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral(
        "These files have changed since the MOD was installed. Check those that are to be deleted as well;\n"
        "the others are kept.")));
    list_->setObjectName(QStringLiteral("ChangedFilesListBox"));
    list_->setToolTip(QStringLiteral("checked files are deleted, the others stay where they are"));
    for (const std::string& file : request.files) {
        auto* item = new QListWidgetItem(ToQString(file), list_);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    layout->addWidget(list_);
    AddOkCancel(*this, *layout, QStringLiteral("OK"),
                QStringLiteral("remove the MOD's files, keeping those not checked"));
}

ChangedModFilesAnswer ChangedModFilesDialog::Answer() const {
    ChangedModFilesAnswer answer{result() == QDialog::Accepted, {}};
    for (int row = 0; answer.confirmed && row < list_->count(); ++row)
        if (list_->item(row)->checkState() == Qt::Checked)
            answer.deleted.push_back(FromQString(list_->item(row)->text()));
    return answer;
}

RenameModDialog::RenameModDialog(const RenameModRequest& request, QWidget* parent) : QDialog(parent) {
    SetUpDialog(*this, "Rename MOD");
    auto* layout = new QVBoxLayout(this);
    name_ = AddEdit(*layout, QStringLiteral("Enter the new name of this modification"), "MODNameEdit",
                    QStringLiteral("the name Korvex shows for this MOD"));
    name_->setText(ToQString(request.name));
    directory_ = AddEdit(*layout, QStringLiteral("Enter the new directory"), "MODDirEdit",
                         QStringLiteral("the MOD's game directory; it is renamed on disk as well"));
    directory_->setText(ToQString(request.directory));
    AddOkCancel(*this, *layout, QStringLiteral("OK"), QStringLiteral("rename the MOD"));
    name_->selectAll();
    name_->setFocus();
}

RenameModAnswer RenameModDialog::Answer() const {
    return {result() == QDialog::Accepted, FromQString(name_->text()), FromQString(directory_->text())};
}

EditModOptionsAnswer RunEditModOptionsDialog(const EditModOptionsRequest& request) {
    return RunCentred<EditModOptionsDialog>(request);
}

std::vector<std::string> RunAddPlayerCfgDialog(const std::vector<std::string>& players) {
    return RunCentred<AddPlayerCfgDialog>(players);
}

ServerSideModAnswer RunServerSideModDialog() { return RunCentred<ServerSideModDialog>(); }

RemoveModAnswer RunRemoveModDialog(const RemoveModRequest& request) { return RunCentred<RemoveModDialog>(request); }

ChangedModFilesAnswer RunChangedModFilesDialog(const ChangedModFilesRequest& request) {
    return RunCentred<ChangedModFilesDialog>(request);
}

RenameModAnswer RunRenameModDialog(const RenameModRequest& request) { return RunCentred<RenameModDialog>(request); }

}  // namespace korvex
