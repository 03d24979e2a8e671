// Every control a player can use carries a hint. The main window is walked with all its pages;
// every dialog is built by one line of kDialogs, so a new dialog joins the walk with one line.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTabBar>
#include <QTextEdit>

#include <functional>
#include <memory>

#include "app/DisclaimerDialog.h"
#include "app/MainWindow.h"
#include "app/StartUp.h"
#include "players/PlayerDialogs.h"
#include "players/PlayerOperations.h"
#include "support/ProgramDirFixture.h"

namespace korvex {
namespace {

// The request a Player-CFG button sends, answered with Cancel.
PlayerListRequest ListRequestOf(ProgramDirFixture& dir, void (*button)(Korvex&)) {
    dir.host().playerListAnswers.push_back({});
    button(dir.app());
    return dir.host().playerListRequests.back();
}

PlayerNameRequest NameRequestOf(ProgramDirFixture& dir, void (*button)(Korvex&)) {
    dir.host().playerNameAnswers.push_back({});
    button(dir.app());
    return dir.host().playerNameRequests.back();
}

using DialogFactory = std::function<std::unique_ptr<QWidget>(ProgramDirFixture&)>;

const std::pair<const char*, DialogFactory> kDialogs[] = {
    {"Disclaimer", [](ProgramDirFixture&) { return std::make_unique<DisclaimerDialog>(); }},
    {"Change Player-CFG",
     [](ProgramDirFixture& dir) { return std::make_unique<PlayerListDialog>(ListRequestOf(dir, BitBtn4Click)); }},
    {"Delete Player-CFG",
     [](ProgramDirFixture& dir) { return std::make_unique<PlayerListDialog>(ListRequestOf(dir, BitBtn5Click)); }},
    {"New Player-CFG",
     [](ProgramDirFixture& dir) { return std::make_unique<PlayerNameDialog>(NameRequestOf(dir, BitBtn7Click)); }},
    {"Rename Player-CFG",
     [](ProgramDirFixture& dir) { return std::make_unique<PlayerNameDialog>(NameRequestOf(dir, BitBtn8Click)); }},
    {"Copy Player-CFG",
     [](ProgramDirFixture& dir) { return std::make_unique<PlayerNameDialog>(NameRequestOf(dir, BitBtn9Click)); }},
};

// Pieces of another control (a combo box's edit field and list, a list's header, the scroll
// buttons of a tab bar) share the hint of the control they belong to.
bool IsPartOfAnotherControl(const QWidget& widget, const QWidget& top) {
    for (const QWidget* parent = widget.parentWidget(); parent && parent != &top; parent = parent->parentWidget())
        if (qobject_cast<const QComboBox*>(parent) || qobject_cast<const QAbstractSpinBox*>(parent) ||
            qobject_cast<const QAbstractItemView*>(parent) || qobject_cast<const QTabBar*>(parent))
            return true;
    return false;
}

bool IsInteractive(const QWidget& widget) {
    if (qobject_cast<const QScrollBar*>(&widget)) return false;
    return qobject_cast<const QAbstractButton*>(&widget) || qobject_cast<const QLineEdit*>(&widget) ||
           qobject_cast<const QComboBox*>(&widget) || qobject_cast<const QAbstractItemView*>(&widget) ||
           qobject_cast<const QPlainTextEdit*>(&widget) || qobject_cast<const QTextEdit*>(&widget) ||
           qobject_cast<const QAbstractSpinBox*>(&widget) || qobject_cast<const QAbstractSlider*>(&widget);
}

QString Describe(const QWidget& widget) {
    QString text = QString::fromLatin1(widget.metaObject()->className()) + QLatin1Char(' ') + widget.objectName();
    if (auto* button = qobject_cast<const QAbstractButton*>(&widget)) text += QStringLiteral(" \"") + button->text() + '"';
    return text;
}

// The controls without a hint, one a line.
std::string ControlsWithoutHint(const QWidget& top) {
    QStringList missing;
    for (const QWidget* widget : top.findChildren<QWidget*>())
        if (IsInteractive(*widget) && !IsPartOfAnotherControl(*widget, top) && widget->toolTip().isEmpty())
            missing << Describe(*widget);
    for (const QTabBar* bar : top.findChildren<QTabBar*>())
        for (int tab = 0; tab < bar->count(); ++tab)
            if (bar->tabToolTip(tab).isEmpty() && bar->toolTip().isEmpty()) missing << "tab " + bar->tabText(tab);
    return missing.join(QLatin1Char('\n')).toStdString();
}

TEST(HintWalk, EveryControlOfTheMainWindowAndOfEveryDialogHasAHint) {
    ProgramDirFixture dir;
    MainWindow window(dir.app());
    dir.host().onViewChanged = [&window] { window.SyncFromCore(); };
    StartUp(dir.app());
    // The macro dialog page builds its fields when a macro asks for input.
    MacroDialog& macroDialog = dir.app().interpreter.dialog;
    macroDialog.inputFields.push_back({8, 20, 100, "Name", "", 1});
    macroDialog.inputCombos.push_back({8, 60, 100, "Colour", "red", {"red", "blue"}, 2});
    ++macroDialog.generation;
    window.SyncFromCore();
    EXPECT_EQ(ControlsWithoutHint(window), "");

    for (const auto& [name, build] : kDialogs) {
        const std::unique_ptr<QWidget> dialog = build(dir);
        EXPECT_EQ(ControlsWithoutHint(*dialog), "") << name;
    }
}

}  // namespace
}  // namespace korvex
