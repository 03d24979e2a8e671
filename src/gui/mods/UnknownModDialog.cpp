#include "mods/UnknownModDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/SmallDialog.h"
#include "app/TextCodec.h"
#include "install/InstallDialogs.h"

namespace korvex {

UnknownModDialog::UnknownModDialog(const UnknownModRequest& request, QWidget* parent)
    : QDialog(parent), name_(new QLineEdit) {
    SetUpDialog(*this, "Unknown Modification");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Name of Modification located in: ") + ToQString(request.directoryName)));
    name_->setObjectName(QStringLiteral("ModNameEdit"));
    name_->setToolTip(QStringLiteral("the name the MOD tree shows for this directory"));
    name_->setMinimumWidth(name_->fontMetrics().averageCharWidth() * 48);
    layout->addWidget(name_);
    auto* row = new QHBoxLayout;
    QPushButton* readme = AddButton(*row, QStringLiteral("View Readme"), "ViewReadmeButton",
                                    QStringLiteral("open a document of this directory to find the MOD's name"));
    row->addStretch();
    QPushButton* include = AddButton(*row, QStringLiteral("Include in Available MOD's list"), "IncludeButton",
                                     QStringLiteral("add the directory to the MOD tree under this name"));
    QPushButton* cancel = AddButton(*row, QStringLiteral("Cancel"), "CancelButton",
                                    QStringLiteral("leave this directory out of the MOD tree"));
    include->setDefault(true);
    include->setEnabled(false);
    layout->addLayout(row);
    connect(name_, &QLineEdit::textChanged, this,
            [include](const QString& text) { include->setEnabled(!text.trimmed().isEmpty()); });
    connect(readme, &QPushButton::clicked, this,
            [this, request] { ChooseReadme(this, request.readmeDirectory, request.viewReadme); });
    connect(include, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

UnknownModAnswer UnknownModDialog::Answer() const {
    if (result() != QDialog::Accepted) return {};
    return {true, FromQString(name_->text())};
}

UnknownModAnswer RunUnknownModDialog(const UnknownModRequest& request) { return RunCentred<UnknownModDialog>(request); }

}  // namespace korvex
