#include "players/PlayerDialogs.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/Centring.h"
#include "app/TextCodec.h"

namespace korvex {
namespace {

// No system menu and a fixed border, as every small dialog of Korvex.
void SetUpDialog(QDialog& dialog, const std::string& caption) {
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    dialog.setWindowTitle(ToQString(caption));
    dialog.setModal(true);
}

void AddButtons(QDialog& dialog, QVBoxLayout& layout, const std::string& confirmCaption) {
    auto* row = new QHBoxLayout;
    auto* confirm = new QPushButton(ToQString(confirmCaption), &dialog);
    confirm->setObjectName(QStringLiteral("ConfirmButton"));
    confirm->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), &dialog);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    QObject::connect(confirm, &QPushButton::clicked, &dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    row->addStretch();
    row->addWidget(confirm);
    row->addWidget(cancel);
    layout.addLayout(row);
}

template <typename Dialog, typename Request>
auto RunCentred(const Request& request) {
    Dialog dialog(request);
    dialog.adjustSize();
    dialog.setFixedSize(dialog.size());
    CentreOnScreen(dialog);
    dialog.exec();
    return dialog.Answer();
}

}  // namespace

PlayerListDialog::PlayerListDialog(const PlayerListRequest& request, QWidget* parent)
    : QDialog(parent), list_(new QListWidget) {
    SetUpDialog(*this, request.caption);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(ToQString(request.label)));
    list_->setObjectName(QStringLiteral("PlayerList"));
    list_->setSelectionMode(request.multiSelect ? QAbstractItemView::MultiSelection
                                                : QAbstractItemView::SingleSelection);
    for (const std::string& name : request.names) list_->addItem(ToQString(name));
    connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    layout->addWidget(list_);
    AddButtons(*this, *layout, request.confirmCaption);
}

PlayerListAnswer PlayerListDialog::Answer() const {
    PlayerListAnswer answer;
    answer.confirmed = result() == QDialog::Accepted;
    for (int row = 0; row < list_->count(); ++row)
        if (list_->item(row)->isSelected()) answer.selected.push_back(FromQString(list_->item(row)->text()));
    return answer;
}

PlayerNameDialog::PlayerNameDialog(const PlayerNameRequest& request, QWidget* parent)
    : QDialog(parent), name_(new QLineEdit) {
    SetUpDialog(*this, request.caption);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(ToQString(request.label)));
    name_->setObjectName(QStringLiteral("PlayerName"));
    name_->setText(ToQString(request.preset));
    // Room for a long name; the preset is selected so that typing replaces it.
    name_->setMinimumWidth(name_->fontMetrics().averageCharWidth() * 40);
    name_->selectAll();
    name_->setFocus();
    layout->addWidget(name_);
    AddButtons(*this, *layout, request.confirmCaption);
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
