#include "app/MainWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEvent>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QTreeWidget>
#include <QToolTip>
#include <QHelpEvent>

#include "app/AboutPage.h"
#include "app/GroupPage.h"
#include "app/Korvex.h"
#include "app/OptionsPage.h"
#include "app/StartUp.h"
#include "app/TextCodec.h"
#include "macros/MacroDialogPage.h"
#include "mods/ModLauncherPage.h"
#include "players/ConfigEditorPage.h"

namespace korvex {
namespace {

// The pages fill the left of the window; the navigation buttons stand in a column at its
// right edge, Exit at the bottom. The macro dialog page's group needs the pages' full height
// and 569 pixels of their width; the buttons take the rest, wide enough for "Demo-Launcher".
constexpr int kWidth = 679;
constexpr int kHeight = 535;
constexpr int kPagesWidth = 573;
constexpr int kButtonLeft = 575;
constexpr int kButtonWidth = 98;
constexpr int kButtonHeight = 40;
constexpr int kButtonStep = 48;
constexpr int kHintMilliseconds = 10000;

int RowTop(int row) { return 8 + row * kButtonStep; }

QWidget* GroupOnlyPage(const QString& title) {
    auto* page = new QWidget;
    AddPageGroup(*page, title);
    return page;
}

}  // namespace

MainWindow::MainWindow(Korvex& app)
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      app_(app),
      pages_(new QStackedWidget(this)),
      configEditor_(new ConfigEditorPage(app)),
      options_(new OptionsPage(app)),
      macroDialog_(new MacroDialogPage(app)),
      modLauncher_(new ModLauncherPage(app)) {
    setWindowTitle(QStringLiteral("Korvex"));
    setFixedSize(kWidth, kHeight);
    // The window's pages were laid out for the small 8-point dialog font.
    QFont font = this->font();
    font.setPointSize(8);
    setFont(font);
    pages_->setGeometry(0, 0, kPagesWidth, kHeight);
    pages_->addWidget(configEditor_);
    pages_->addWidget(modLauncher_);
    pages_->addWidget(GroupOnlyPage(QStringLiteral("Demo-Launcher")));
    pages_->addWidget(macroDialog_);
    pages_->addWidget(options_);
    pages_->addWidget(new AboutPage);

    ConnectNavigation(AddNavigationButton(QStringLiteral("Config-Editor"), "ConfigEditorBitBtn", RowTop(0)), Page::ConfigEditor);
    ConnectNavigation(AddNavigationButton(QStringLiteral("MOD-Launcher"), "MODLauncherBitBtn", RowTop(1)), Page::ModLauncher);
    ConnectNavigation(AddNavigationButton(QStringLiteral("Demo-Launcher"), "DemoLauncherBitBtn", RowTop(2)), Page::DemoLauncher);
    ConnectNavigation(AddNavigationButton(QStringLiteral("Options"), "OptionsBitBtn", RowTop(3)), Page::Options);
    ConnectNavigation(AddNavigationButton(QStringLiteral("About / Credits"), "AboutCreditsBitBtn", RowTop(4)),
                      Page::AboutAndCredits);
    QPushButton* exit = AddNavigationButton(QStringLiteral("Exit"), "BitBtn3", kHeight - kButtonStep);
    connect(exit, &QPushButton::clicked, this, [this] { BitBtn11Click(app_); });

    qApp->installEventFilter(this);
}

QPushButton* MainWindow::AddNavigationButton(const QString& caption, const char* name, int top) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(kButtonLeft, top, kButtonWidth, kButtonHeight);
    return button;
}

void MainWindow::ConnectNavigation(QPushButton* button, Page page) {
    connect(button, &QPushButton::clicked, this, [this, page] {
        if (NavigateTo(app_, page) && page == Page::ModLauncher) modLauncher_->Tree()->setFocus();
    });
}

void MainWindow::ShowCentred() {
    if (!centred_) {
        move(QApplication::primaryScreen()->availableGeometry().center() - rect().center());
        centred_ = true;
    }
    show();
}

void MainWindow::SyncFromCore() {
    setWindowTitle(ToQString(app_.view.caption));
    pages_->setCurrentIndex(static_cast<int>(app_.view.page));
    configEditor_->SyncFromCore();
    options_->SyncFromCore();
    macroDialog_->SyncFromCore();
    modLauncher_->SyncFromCore();
}

// The exit runs once the event loop has ended (see main).
// While Korvex waits for the game it stays: the game's config files are still put away.
void MainWindow::closeEvent(QCloseEvent* event) {
    if (app_.launch.quakeExecFile.Running) {
        event->ignore();
        return;
    }
    event->accept();
    QApplication::quit();
}

// Hints are tool tips that stay for ten seconds; switching them off swallows every one at once.
bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QWidget::eventFilter(watched, event);
    auto* widget = qobject_cast<QWidget*>(watched);
    if (app_.options.showHints && widget && !widget->toolTip().isEmpty())
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), widget->toolTip(), widget, {}, kHintMilliseconds);
    return true;
}

}  // namespace korvex
