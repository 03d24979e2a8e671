#include "app/StatusDialog.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

namespace korvex {
namespace {

void CentreOnScreen(QWidget& widget) {
    const QRect screen = QApplication::primaryScreen()->availableGeometry();
    widget.move(screen.center() - widget.rect().center());
}

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
        setWindowTitle(QStringLiteral("Korvex"));
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
        CentreOnScreen(*this);
        show();
    }
    repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace korvex
