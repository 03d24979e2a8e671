#include "app/StatusDialog.h"

#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>

#include "app/SmallDialog.h"

namespace korvex {
namespace {

QLabel* AddStartUpPicture(QDialog& dialog) {
    auto* picture = new QLabel(QStringLiteral("KORVEX"), &dialog);
    picture->setAlignment(Qt::AlignCenter);
    picture->setStyleSheet(QStringLiteral("color: #c0392b; font-size: 56px; font-weight: bold;"));
    return picture;
}

}  // namespace

StatusDialog::StatusDialog(Style style, const QString& caption) : style_(style), label_(new QLabel(this)) {
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    auto* layout = new QVBoxLayout(this);
    if (style == Style::StartUp) {
        // A caption of its own, so that it is not mistaken for one of Korvex's questions.
        setWindowTitle(QStringLiteral("Starting Korvex"));
        setFixedSize(400, 256);
        setStyleSheet(QStringLiteral("background: black;"));
        label_->setObjectName(QStringLiteral("ActionLabel"));
        label_->setStyleSheet(QStringLiteral("color: white;"));
        label_->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        layout->addWidget(AddStartUpPicture(*this), 1);
        layout->addWidget(label_);
    } else {
        setWindowTitle(caption);
        label_->setAlignment(Qt::AlignCenter);
        layout->addWidget(label_);
        setFixedSize(320, 80);
    }
}

void StatusDialog::ShowText(const QString& text) {
    label_->setText(text);
    if (!isVisible()) {
        MoveToScreenCentre(*this);
        show();
        raise();
        WaitUntilExposed(*this);
    }
    repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace korvex
