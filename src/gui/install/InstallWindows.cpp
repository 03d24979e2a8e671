#include "install/InstallWindows.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/SmallDialog.h"

namespace korvex {
namespace {

struct WindowTexts {
    const char* caption;
    const char* message;
};

WindowTexts TextsOf(InstallWindow window) {
    switch (window) {
        case InstallWindow::Extracting: return {"Extracting", "Please wait while I extract the archive..."};
        case InstallWindow::Scanning: return {"Scanning", "Scanning for known modification"};
        case InstallWindow::Searching: return {"Searching", "Please wait while I'm scanning your hard disks..."};
        case InstallWindow::Copying:
            return {"Copying", "Please stand by while Korvex copies the files into the right directories..."};
    }
    return {"Korvex", ""};
}

}  // namespace

InstallProgressWindow::InstallProgressWindow(InstallWindow window, QWidget* parent)
    : QDialog(parent), detail_(new QLabel), counts_(new QLabel), progress_(new QProgressBar) {
    const WindowTexts texts = TextsOf(window);
    SetUpDialog(*this, texts.caption);
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QString::fromLatin1(texts.message)));
    const int width = fontMetrics().averageCharWidth() * 64;
    detail_->setObjectName(QStringLiteral("DetailLabel"));
    detail_->setFixedWidth(width);
    layout->addWidget(detail_);
    counts_->setObjectName(QStringLiteral("CountsLabel"));
    layout->addWidget(counts_);
    progress_->setObjectName(QStringLiteral("ProgressBar"));
    progress_->setFixedWidth(width);
    layout->addWidget(progress_);
    if (window == InstallWindow::Searching) {
        auto* row = new QHBoxLayout;
        row->addStretch();
        QPushButton* cancel = AddButton(*row, QStringLiteral("Cancel"), "CancelButton",
                                        QStringLiteral("stop searching; what was found so far is kept"));
        connect(cancel, &QPushButton::clicked, this, [this] { cancelled_ = true; });
        row->addStretch();
        layout->addLayout(row);
    }
}

// The bar follows the bytes where there are any; thousands of files update it at its pace.
void InstallProgressWindow::ShowProgress(const QString& detail, const InstallProgress& progress) {
    const bool counted = progress.files > 0;
    const bool last = progress.filesDone == progress.files;
    if (isVisible() && counted && !last && pace_.TooSoon()) return;
    pace_.Drawn();
    detail_->setText(detail_->fontMetrics().elidedText(detail, Qt::ElideMiddle, detail_->width()));
    counts_->setVisible(counted);
    progress_->setVisible(counted);
    if (counted) {
        counts_->setText(QString::fromStdString(ProgressText(progress)));
        constexpr int kSteps = 1000;
        progress_->setMaximum(kSteps);
        progress_->setValue(progress.bytes > 0 ? static_cast<int>(progress.bytesDone * kSteps / progress.bytes)
                                               : progress.filesDone * kSteps / progress.files);
    }
    if (!isVisible()) {
        cancelled_ = false;
        CentreOnScreen(*this);
        show();
    }
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void InstallProgressWindow::Close() { hide(); }

SetupRunningWindow::SetupRunningWindow(QWidget* parent) : QDialog(parent) {
    SetUpDialog(*this, "InstallShield still running?");
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    for (const char* line :
         {"If this screen does not disappear a few seconds after the InstallShield has been terminated,",
          "Korvex might not have been able to autodetect that the InstallShield has done it's work. In this",
          "case you should click on the below button to tell Korvex that all files have been installed."})
        layout->addWidget(new QLabel(QString::fromLatin1(line)));
    auto* row = new QHBoxLayout;
    row->addStretch();
    QPushButton* wakeUp = AddButton(*row, QStringLiteral("Wake up!"), "WakeUpButton",
                                    QStringLiteral("tell Korvex that the setup program has installed all files"));
    wakeUp->setDefault(true);
    connect(wakeUp, &QPushButton::clicked, this, [this] {
        if (wakeUp_) wakeUp_();
    });
    row->addStretch();
    layout->addLayout(row);
}

void SetupRunningWindow::closeEvent(QCloseEvent* event) { event->ignore(); }

void SetupRunningWindow::ShowWith(std::function<void()> wakeUp) {
    wakeUp_ = std::move(wakeUp);
    CentreOnScreen(*this);
    show();
}

}  // namespace korvex
