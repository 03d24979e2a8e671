#include "app/QuakeDirDialogs.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/SmallDialog.h"
#include "app/TextCodec.h"

namespace korvex {
namespace {

QString FoundText(int found) {
    return found == 1 ? QStringLiteral("1 Quake II directory found")
                      : QStringLiteral("%1 Quake II directories found").arg(found);
}

}  // namespace

QuakeSearchWindow::QuakeSearchWindow() : folder_(new QLabel), found_(new QLabel) {
    SetUpDialog(*this, "Initializing");
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Please stand by while I search for Quake II")));
    folder_->setObjectName(QStringLiteral("FolderLabel"));
    folder_->setFixedWidth(fontMetrics().averageCharWidth() * 64);
    layout->addWidget(folder_);
    found_->setObjectName(QStringLiteral("FoundLabel"));
    layout->addWidget(found_);
    auto* row = new QHBoxLayout;
    row->addStretch();
    QPushButton* cancel = AddButton(*row, QStringLiteral("Cancel"), "CancelButton",
                                    QStringLiteral("stop searching; the directories found so far are offered"));
    connect(cancel, &QPushButton::clicked, this, &QuakeSearchWindow::reject);
    row->addStretch();
    layout->addLayout(row);
}

bool QuakeSearchWindow::ShowProgress(const QuakeSearchProgress& progress) {
    if (!isVisible()) {
        cancelled_ = false;
        found_->setText(FoundText(0));
        CentreOnScreen(*this);
        show();
        WaitUntilExposed(*this);
    } else if (pace_.TooSoon()) {
        return !cancelled_;
    }
    pace_.Drawn();
    folder_->setText(folder_->fontMetrics().elidedText(ToQString(progress.folder), Qt::ElideMiddle, folder_->width()));
    found_->setText(FoundText(progress.found));
    // The player's Cancel, Escape or close arrives here.
    QApplication::processEvents();
    return !cancelled_;
}

QuakeDirDialog::QuakeDirDialog(const QuakeDirRequest& request, QWidget* parent)
    : QDialog(parent), list_(new QListWidget) {
    SetUpDialog(*this, "Quake II directory");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(
        request.found.empty()
            ? QStringLiteral("Korvex has found no Quake II directory. Choose it with \"Browse...\", or go on\n"
                             "without the game with Cancel.")
            : QStringLiteral("Korvex has found Quake II in these directories. Choose yours:")));
    list_->setObjectName(QStringLiteral("QuakeDirList"));
    list_->setToolTip(QStringLiteral("the directories that hold Quake II and its data"));
    list_->setMinimumWidth(fontMetrics().averageCharWidth() * 64);
    for (const std::string& directory : request.found) list_->addItem(ToQString(directory));
    list_->setVisible(!request.found.empty());
    layout->addWidget(list_);

    auto* row = new QHBoxLayout;
    row->addStretch();
    QPushButton* ok = AddButton(*row, QStringLiteral("OK"), "OkButton", QStringLiteral("use the selected directory"));
    ok->setEnabled(!request.found.empty());
    QPushButton* browse = AddButton(*row, QStringLiteral("Browse..."), "BrowseButton",
                                    QStringLiteral("choose the Quake II directory yourself"));
    QPushButton* cancel = AddButton(*row, QStringLiteral("Cancel"), "CancelButton",
                                    QStringLiteral("go on without Quake II; choose it later on the Options page"));
    (request.found.empty() ? browse : ok)->setDefault(true);
    row->addStretch();
    layout->addLayout(row);

    connect(ok, &QPushButton::clicked, this, &QuakeDirDialog::TakeSelected);
    connect(list_, &QListWidget::itemDoubleClicked, this, &QuakeDirDialog::TakeSelected);
    connect(browse, &QPushButton::clicked, this, [this] {
        answer_ = {QuakeDirChoice::Browse, {}};
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    SelectFirstEntry(*list_);
}

void QuakeDirDialog::TakeSelected() {
    const QList<QListWidgetItem*> selected = list_->selectedItems();
    if (selected.isEmpty()) return;
    answer_ = {QuakeDirChoice::Found, FromQString(selected.front()->text())};
    accept();
}

}  // namespace korvex
