#include "app/MainWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEvent>
#include <QHelpEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStackedWidget>
#include <QToolTip>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/AboutPage.h"
#include "app/GroupPage.h"
#include "app/HandbookViewer.h"
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

// Playing demos is still to come; the page says what it is for and what to do meanwhile.
QWidget* DemoLauncherPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(AddPageGroup(*page, QStringLiteral("Demo-Launcher")));
    auto* text = new QLabel(QStringLiteral(
        "This page is to play back recorded Quake II demos (.dm2 files). It comes in a later version of "
        "Korvex.\n\n"
        "Until then, play a demo from the game's console: type demomap NAME.dm2 to play the demo NAME.dm2 "
        "in the folder demos of the MOD's directory."));
    text->setObjectName(QStringLiteral("DemoLauncherText"));
    text->setWordWrap(true);
    layout->addWidget(text);
    layout->addStretch();
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
      modLauncher_(new ModLauncherPage(app)),
      handbook_(new HandbookViewer(this)) {
    setWindowTitle(QStringLiteral("Korvex"));
    setFixedSize(kWidth, kHeight);
    // The window's pages were laid out for the small 8-point dialog font.
    QFont font = this->font();
    font.setPointSize(8);
    setFont(font);
    pages_->setGeometry(0, 0, kPagesWidth, kHeight);
    pages_->addWidget(configEditor_);
    pages_->addWidget(modLauncher_);
    pages_->addWidget(DemoLauncherPage());
    pages_->addWidget(macroDialog_);
    pages_->addWidget(options_);
    auto* about = new AboutPage;
    connect(about, &AboutPage::HandbookRequested, this, &MainWindow::ShowHandbook);
    pages_->addWidget(about);

    const struct {
        const char* caption;
        const char* name;
        const char* hint;
        Page page;
    } navigation[] = {
        {"Config-Editor", "ConfigEditorBitBtn",
         "edit your Player-CFGs: key bindings, game options and special settings", Page::ConfigEditor},
        {"MOD-Launcher", "MODLauncherBitBtn",
         "start Quake II with a modification and a Player-CFG; add, install and look after modifications",
         Page::ModLauncher},
        {"Demo-Launcher", "DemoLauncherBitBtn", "the page for recorded demos, which comes in a later version",
         Page::DemoLauncher},
        {"Options", "OptionsBitBtn", "Korvex's own options: hints, quitting after a launch, key warnings",
         Page::Options},
        {"About / Credits", "AboutCreditsBitBtn", "what Korvex is, who made it and where its handbook is",
         Page::AboutAndCredits},
    };
    for (int row = 0; const auto& [caption, name, hint, page] : navigation)
        ConnectNavigation(AddNavigationButton(QString::fromLatin1(caption), name, hint, RowTop(row++)), page);
    QPushButton* exit = AddNavigationButton(QStringLiteral("Exit"), "BitBtn3",
                                            "saves the current Player-CFG and your options and closes Korvex",
                                            kHeight - kButtonStep);
    connect(exit, &QPushButton::clicked, this, [this] { BitBtn11Click(app_.report); });

    // F1 opens the handbook from the main window and every window that is not modal. A modal
    // dialog keeps the key: the key request dialog must be able to bind F1.
    auto* help = new QShortcut(QKeySequence::HelpContents, this, this, &MainWindow::ShowHandbook);
    help->setContext(Qt::ApplicationShortcut);

    qApp->installEventFilter(this);
}

QPushButton* MainWindow::AddNavigationButton(const QString& caption, const char* name, const char* hint, int top) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(QString::fromLatin1(hint));
    button->setGeometry(kButtonLeft, top, kButtonWidth, kButtonHeight);
    return button;
}

void MainWindow::ShowHandbook() { handbook_->Open(app_.report, app_.paths); }

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
