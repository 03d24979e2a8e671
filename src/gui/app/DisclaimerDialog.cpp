#include "app/DisclaimerDialog.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QDialogButtonBox>

namespace korvex {
namespace {

constexpr const char* kDisclaimerText =
    "Korvex is provided as it is, without any warranty. It writes configuration scripts into your "
    "Quake II directory, installs modifications and starts the game. Before Korvex writes over one of "
    "the game's own configuration files it keeps a copy and puts it back after the game has ended; "
    "still, keep your own backups of anything you value.\n\n"
    "Korvex is not made or supported by the makers of Quake II. By choosing Accept you agree to use it "
    "at your own risk.";

}  // namespace

DisclaimerDialog::DisclaimerDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Disclaimer"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Read the below text carefully and decide whether to accept this or not."), this));
    auto* text = new QPlainTextEdit(QString::fromLatin1(kDisclaimerText), this);
    text->setReadOnly(true);
    text->setToolTip(QStringLiteral("the terms under which you may use Korvex"));
    layout->addWidget(text);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* accept = buttons->addButton(QStringLiteral("Accept"), QDialogButtonBox::AcceptRole);
    QPushButton* reject = buttons->addButton(QStringLiteral("Reject"), QDialogButtonBox::RejectRole);
    accept->setToolTip(QStringLiteral("agree to these terms and start Korvex"));
    reject->setToolTip(QStringLiteral("do not agree: Korvex closes without changing anything"));
    accept->setAutoDefault(false);
    reject->setDefault(true);
    reject->setFocus();
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(480, 320);
}

}  // namespace korvex
