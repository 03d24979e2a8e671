#include "app/StatusDialog.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QScreen>
#include <QThread>
#include <QVBoxLayout>
#include <QWindow>

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

// The steps behind a status window run without returning to the event loop, so the window
// must be on the screen before the first step starts: a window the system has not yet
// exposed ignores every repaint and would stay black until the work is done.
void WaitUntilExposed(QWidget& widget) {
    constexpr int kLongestWaitMilliseconds = 2000;
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < kLongestWaitMilliseconds) {
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        if (widget.windowHandle() && widget.windowHandle()->isExposed()) return;
        QThread::msleep(10);
    }
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
        CentreOnScreen(*this);
        show();
        raise();
        WaitUntilExposed(*this);
    }
    repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace korvex
