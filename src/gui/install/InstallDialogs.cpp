#include "install/InstallDialogs.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/SmallDialog.h"
#include "app/TextCodec.h"

namespace korvex {
namespace {

QHBoxLayout* AddButtonRow(QVBoxLayout& layout) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    layout.addLayout(row);
    return row;
}

QPushButton* AddCancel(QDialog& dialog, QHBoxLayout& row) {
    QPushButton* cancel =
        AddButton(row, QStringLiteral("Cancel"), "CancelButton", QStringLiteral("close this window and stop here"));
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    return cancel;
}

// OK is enabled while every edit holds more than blanks.
QPushButton* AddOkFor(QDialog& dialog, QHBoxLayout& row, std::vector<QLineEdit*> edits, const QString& hint) {
    QPushButton* ok = AddButton(row, QStringLiteral("OK"), "OKButton", hint);
    ok->setDefault(true);
    auto update = [ok, edits] {
        bool complete = true;
        for (QLineEdit* edit : edits) complete = complete && !edit->text().trimmed().isEmpty();
        ok->setEnabled(complete);
    };
    for (QLineEdit* edit : edits) QObject::connect(edit, &QLineEdit::textChanged, &dialog, update);
    update();
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    return ok;
}

QListWidget* AddFileList(QVBoxLayout& layout, const std::vector<std::string>& files, const char* name,
                         const QString& hint) {
    auto* list = new QListWidget;
    list->setObjectName(QString::fromLatin1(name));
    list->setToolTip(hint);
    list->addItems(ToQStringList(files));
    list->setMinimumSize(list->fontMetrics().averageCharWidth() * 90, list->fontMetrics().height() * 14);
    layout.addWidget(list);
    return list;
}

}  // namespace

DistributionDialog::DistributionDialog(QWidget* parent) : QDialog(parent) {
    SetUpDialog(*this, "Kind of Distribution");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Is the modification you want to install distributed within")));
    layout->addWidget(new QLabel(QStringLiteral("a single archive or does it come with multiple files?")));
    QHBoxLayout* row = AddButtonRow(*layout);
    QPushButton* single =
        AddButton(*row, QStringLiteral("&Single"), "SingleButton", QStringLiteral("install from one archive or program"));
    QPushButton* multiple = AddButton(*row, QStringLiteral("&Multiple"), "MultipleButton",
                                      QStringLiteral("install from several files, chosen in one or more rounds"));
    AddCancel(*this, *row);
    single->setDefault(true);
    connect(single, &QPushButton::clicked, this, [this] {
        kind_ = DistributionKind::Single;
        accept();
    });
    connect(multiple, &QPushButton::clicked, this, [this] {
        kind_ = DistributionKind::Multiple;
        accept();
    });
}

LocalizeModDialog::LocalizeModDialog(const ModRootRequest& request, QWidget* parent) : QDialog(parent) {
    SetUpDialog(*this, "Localize modification");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Please select a file that belongs to the root directory of the "
                                                "modification, i.e.")));
    layout->addWidget(new QLabel(QStringLiteral("\"gamex86.dll\" or \"pak?.pak\".")));
    layout->addWidget(new QLabel(QStringLiteral("Recently created files")));
    files_ = AddFileList(*layout, request.files, "RecentFilesList",
                         QStringLiteral("the files just installed; choose one in the MOD's root directory"));
    QHBoxLayout* row = AddButtonRow(*layout);
    QPushButton* ok = AddButton(*row, QStringLiteral("OK"), "OKButton",
                                QStringLiteral("the selected file's directory holds the modification"));
    ok->setDefault(true);
    ok->setEnabled(false);
    AddCancel(*this, *row);
    connect(files_, &QListWidget::currentRowChanged, this, [ok](int row) { ok->setEnabled(row >= 0); });
    connect(files_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

ModRootAnswer LocalizeModDialog::Answer() const {
    if (result() != QDialog::Accepted || !files_->currentItem()) return {};
    return {true, FromQString(files_->currentItem()->text())};
}

void ChooseReadme(QWidget* parent, const std::string& directory, const std::function<void(const std::string&)>& view) {
    const QString file = QFileDialog::getOpenFileName(
        parent, QStringLiteral("View Readme"), ToQString(directory),
        QStringLiteral("Documentations and Manuals (*.TXT *.txt *.DOC *.doc *.HTML *.html *.HTM *.htm *.RTF *.rtf "
                       "*.PDF *.pdf)"));
    if (!file.isEmpty() && view) view(FromQString(file));
}

IdentifyModDialog::IdentifyModDialog(const ModIdentityRequest& request, QWidget* parent) : QDialog(parent) {
    SetUpDialog(*this, "Identify Modification");
    auto* layout = new QVBoxLayout(this);
    name_ = AddEdit(*layout, QStringLiteral("Enter the name of this modification"), "ModNameEdit",
                    QStringLiteral("the name the MOD tree shows, for example Capture The Flag"));
    directory_ = AddEdit(*layout, QStringLiteral("Enter the directory that it usually used by this modification (e.g. CTF)"),
                         "ModDirEdit", QStringLiteral("the game directory below your Quake II directory"));
    for (const char* line : {"If you are not sure about what directory is used by this modification",
                             "you should ask your server-admin for it or have a look at the mod's", "documentation."})
        layout->addWidget(new QLabel(QString::fromLatin1(line)));
    QHBoxLayout* row = AddButtonRow(*layout);
    QPushButton* readme = AddButton(*row, QStringLiteral("View Readme"), "ViewReadmeButton",
                                    QStringLiteral("open a document that came with the modification"));
    connect(readme, &QPushButton::clicked, this,
            [this, request] { ChooseReadme(this, request.readmeDirectory, request.viewReadme); });
    AddOkFor(*this, *row, {name_, directory_}, QStringLiteral("install the modification under this name and directory"));
    AddCancel(*this, *row);
}

ModIdentityAnswer IdentifyModDialog::Answer() const {
    if (result() != QDialog::Accepted) return {};
    return {true, FromQString(name_->text().trimmed()), FromQString(directory_->text().trimmed())};
}

UpdatedModDialog::UpdatedModDialog(const UpdatedModRequest& request, QWidget* parent) : QDialog(parent) {
    SetUpDialog(*this, request.caption);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("The existing modification has been updated. Korvex couldn't")));
    layout->addWidget(new QLabel(QStringLiteral("auto-detect the new version.")));
    name_ = AddEdit(*layout, QStringLiteral("Enter the new name of this modification"), "NewNameEdit",
                    QStringLiteral("the name the MOD tree shows for the updated modification"));
    QHBoxLayout* row = AddButtonRow(*layout);
    AddOkFor(*this, *row, {name_}, QStringLiteral("give the modification this name"));
    AddCancel(*this, *row);
}

UpdatedModAnswer UpdatedModDialog::Answer() const {
    if (result() != QDialog::Accepted) return {};
    return {true, FromQString(name_->text().trimmed())};
}

UnclaimedFilesDialog::UnclaimedFilesDialog(const UnclaimedFilesRequest& request, QWidget* parent) : QDialog(parent) {
    SetUpDialog(*this, request.caption);
    auto* layout = new QVBoxLayout(this);
    auto* text = new QLabel(ToQString(request.text));
    text->setWordWrap(true);
    layout->addWidget(text);
    files_ = AddFileList(*layout, request.files, "UnclaimedFilesList",
                         QStringLiteral("select the files to move or delete"));
    files_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    QHBoxLayout* row = AddButtonRow(*layout);
    QPushButton* move = AddButton(*row, QStringLiteral("Move selected files to"), "MoveButton",
                                  QStringLiteral("move the selected files into a directory you choose"));
    QPushButton* remove = AddButton(*row, QStringLiteral("Delete selected files"), "DeleteButton",
                                    QStringLiteral("delete the selected files"));
    QPushButton* done = AddButton(*row, QStringLiteral("Done"), "DoneButton",
                                  QStringLiteral("leave the remaining files where they are"));
    done->setDefault(true);
    move->setEnabled(false);
    remove->setEnabled(false);
    connect(files_, &QListWidget::itemSelectionChanged, this, [this, move, remove] {
        move->setEnabled(!files_->selectedItems().isEmpty());
        remove->setEnabled(!files_->selectedItems().isEmpty());
    });
    connect(move, &QPushButton::clicked, this, [this] {
        const DirectoryAnswer target = RunDirectoryDialog({"Move files to where?", {}});
        if (!target.confirmed) return;
        answer_ = {UnclaimedAction::Move, Selected(), target.directory};
        accept();
    });
    connect(remove, &QPushButton::clicked, this, [this] {
        answer_ = {UnclaimedAction::Delete, Selected(), {}};
        accept();
    });
    connect(done, &QPushButton::clicked, this, &QDialog::reject);
}

std::vector<std::string> UnclaimedFilesDialog::Selected() const {
    std::vector<std::string> selected;
    for (const QListWidgetItem* item : files_->selectedItems()) selected.push_back(FromQString(item->text()));
    return selected;
}

DistributionKind RunDistributionDialog() { return RunCentred<DistributionDialog>(); }

std::vector<std::string> RunInstallFileDialog(const InstallFilesRequest& request) {
    const QString caption = QStringLiteral("Install modification from files ...");
    const QString filter = QStringLiteral("ZIP-Archives, SFX-Archives (*.ZIP *.zip *.EXE *.exe)");
    QStringList files;
    if (request.multiSelect) {
        files = QFileDialog::getOpenFileNames(nullptr, caption, {}, filter);
    } else {
        const QString file = QFileDialog::getOpenFileName(nullptr, caption, {}, filter);
        if (!file.isEmpty()) files << file;
    }
    std::vector<std::string> chosen;
    for (const QString& file : files) chosen.push_back(FromQString(file));
    return chosen;
}

ModRootAnswer RunLocalizeModDialog(const ModRootRequest& request) { return RunCentred<LocalizeModDialog>(request); }

ModIdentityAnswer RunIdentifyModDialog(const ModIdentityRequest& request) {
    return RunCentred<IdentifyModDialog>(request);
}

UpdatedModAnswer RunUpdatedModDialog(const UpdatedModRequest& request) { return RunCentred<UpdatedModDialog>(request); }

UnclaimedFilesAnswer RunUnclaimedFilesDialog(const UnclaimedFilesRequest& request) {
    return RunCentred<UnclaimedFilesDialog>(request);
}

DirectoryAnswer RunDirectoryDialog(const DirectoryRequest& request) {
    const QString directory =
        QFileDialog::getExistingDirectory(nullptr, ToQString(request.caption), ToQString(request.startDirectory));
    if (directory.isEmpty()) return {};
    return {true, FromQString(directory)};
}

}  // namespace korvex
