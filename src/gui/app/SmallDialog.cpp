#include "app/SmallDialog.h"

#include <QApplication>
#include <QBoxLayout>
#include <QElapsedTimer>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QThread>
#include <QWindow>

#include "app/TextCodec.h"

namespace korvex {
namespace {

// What the title bar needs beside the caption: the window's icon and buttons, and margins.
constexpr int kTitleBarExtras = 120;

}  // namespace

void SetUpDialog(QDialog& dialog, const std::string& caption) {
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    dialog.setWindowTitle(ToQString(caption));
    dialog.setModal(true);
    // Wide enough for the whole caption, which title bars show in bold.
    QFont bold = dialog.font();
    bold.setBold(true);
    dialog.setMinimumWidth(QFontMetrics(bold).horizontalAdvance(dialog.windowTitle()) + kTitleBarExtras);
}

void SelectFirstEntry(QListWidget& list) {
    if (list.count() == 0) return;
    list.setCurrentRow(0, QItemSelectionModel::ClearAndSelect);
    list.setFocus();
}

void CentreOnScreen(QDialog& dialog) {
    dialog.adjustSize();
    dialog.setFixedSize(dialog.size());
    MoveToScreenCentre(dialog);
}

void MoveToScreenCentre(QWidget& window) {
    const QRect screen = QApplication::primaryScreen()->availableGeometry();
    const QSize frame(8, 32);
    window.resize(window.size().boundedTo(screen.size() - frame));
    window.move(screen.center() - window.rect().center());
}

// A window the system has not yet exposed ignores every repaint.
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

QPushButton* AddButton(QBoxLayout& layout, const QString& caption, const char* name, const QString& hint) {
    auto* button = new QPushButton(caption);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(hint);
    layout.addWidget(button);
    return button;
}

QLineEdit* AddEdit(QBoxLayout& layout, const QString& label, const char* name, const QString& hint) {
    layout.addWidget(new QLabel(label));
    auto* edit = new QLineEdit;
    edit->setObjectName(QString::fromLatin1(name));
    edit->setToolTip(hint);
    edit->setMinimumWidth(edit->fontMetrics().averageCharWidth() * 48);
    layout.addWidget(edit);
    return edit;
}

}  // namespace korvex
