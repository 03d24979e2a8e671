#include "players/PlayerDialogs.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/SmallDialog.h"
#include "app/TextCodec.h"
#include "players/PlayerDirs.h"

namespace korvex {
namespace {

const QString kNameNeededHint =
    QStringLiteral("type a name first: a Player-CFG's name cannot be empty or only blanks");

QPushButton* AddButtons(QDialog& dialog, QVBoxLayout& layout, const std::string& confirmCaption,
                        const std::string& confirmHint) {
    auto* row = new QHBoxLayout;
    auto* confirm = new QPushButton(ToQString(confirmCaption), &dialog);
    confirm->setObjectName(QStringLiteral("ConfirmButton"));
    confirm->setDefault(true);
    confirm->setToolTip(ToQString(confirmHint));
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), &dialog);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    cancel->setToolTip(QStringLiteral("closes this dialog and changes nothing"));
    QObject::connect(confirm, &QPushButton::clicked, &dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    row->addStretch();
    row->addWidget(confirm);
    row->addWidget(cancel);
    layout.addLayout(row);
    return confirm;
}

}  // namespace

PlayerListDialog::PlayerListDialog(const PlayerListRequest& request, QWidget* parent)
    : QDialog(parent), list_(new QListWidget), emptySelectionText_(ToQString(request.emptySelectionText)) {
    SetUpDialog(*this, request.caption);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(ToQString(request.label)));
    list_->setObjectName(QStringLiteral("PlayerList"));
    list_->setSelectionMode(request.multiSelect ? QAbstractItemView::MultiSelection
                                                : QAbstractItemView::SingleSelection);
    list_->setToolTip(request.multiSelect ? QStringLiteral("click the Player-CFGs to select them; click again to "
                                                           "deselect one")
                                          : QStringLiteral("select a Player-CFG; a double-click confirms at once"));
    for (const std::string& name : request.names) list_->addItem(ToQString(name));
    // The name double-clicked is among the chosen, even where its first click took it out again.
    connect(list_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        item->setSelected(true);
        accept();
    });
    layout->addWidget(list_);
    AddButtons(*this, *layout, request.confirmCaption, request.confirmHint);
    SelectFirstEntry(*list_);
}

void PlayerListDialog::accept() {
    if (!emptySelectionText_.isEmpty() && list_->selectedItems().isEmpty()) {
        QMessageBox::critical(this, QStringLiteral("Korvex"), emptySelectionText_);
        return;
    }
    QDialog::accept();
}

PlayerListAnswer PlayerListDialog::Answer() const {
    PlayerListAnswer answer;
    answer.confirmed = result() == QDialog::Accepted;
    for (int row = 0; row < list_->count(); ++row)
        if (list_->item(row)->isSelected()) answer.rows.push_back(static_cast<std::size_t>(row));
    return answer;
}

PlayerNameDialog::PlayerNameDialog(const PlayerNameRequest& request, QWidget* parent)
    : QDialog(parent), name_(new QLineEdit), confirmHint_(ToQString(request.confirmHint)) {
    SetUpDialog(*this, request.caption);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(ToQString(request.label)));
    name_->setObjectName(QStringLiteral("PlayerName"));
    name_->setText(ToQString(request.preset));
    name_->setToolTip(QStringLiteral("the Player-CFG's name, which is also its directory's name: any characters "
                                     "but \\ / : * ? \" < > |, not ending with a dot or a blank"));
    // Room for a long name; the preset is selected so that typing replaces it.
    name_->setMinimumWidth(name_->fontMetrics().averageCharWidth() * 40);
    name_->selectAll();
    name_->setFocus();
    layout->addWidget(name_);
    confirm_ = AddButtons(*this, *layout, request.confirmCaption, request.confirmHint);
    connect(name_, &QLineEdit::textChanged, this, &PlayerNameDialog::NameEdited);
    NameEdited();
}

void PlayerNameDialog::NameEdited() {
    const bool named = !IsBlankPlayerName(FromQString(name_->text()));
    confirm_->setEnabled(named);
    confirm_->setToolTip(named ? confirmHint_ : kNameNeededHint);
}

PlayerNameAnswer PlayerNameDialog::Answer() const {
    return {result() == QDialog::Accepted, FromQString(name_->text())};
}

PlayerListAnswer RunPlayerListDialog(const PlayerListRequest& request) {
    return RunCentred<PlayerListDialog>(request);
}

PlayerNameAnswer RunPlayerNameDialog(const PlayerNameRequest& request) {
    return RunCentred<PlayerNameDialog>(request);
}

}  // namespace korvex
