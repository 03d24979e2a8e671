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
#include "app/StatusDialog.h"
#include "bindings/KeyBindingDialog.h"
#include "bindings/KeyBindingDialogs.h"
#include "bindings/KeyboardMapDialog.h"
#include "bindings/MacroAlreadyIncludedDialog.h"
#include "install/InstallDialogs.h"
#include "install/InstallWindows.h"
#include "mods/EditModOptionsDialog.h"
#include "mods/ModDialogs.h"
#include "mods/UnknownModDialog.h"
#include "players/ExchangeOperations.h"
#include "players/PlayerDialogs.h"
#include "players/PlayerOperations.h"
#include "support/ProgramDirFixture.h"

namespace korvex {
namespace {

using DialogFactory = std::function<std::unique_ptr<QWidget>(ProgramDirFixture&)>;

// The dialog of a Player-CFG button, built from the request the button sends (answered with Cancel).
DialogFactory ListDialogOf(void (*button)(Korvex&)) {
    return [button](ProgramDirFixture& dir) {
        dir.host().playerListAnswers.push_back({});
        button(dir.app());
        return std::make_unique<PlayerListDialog>(dir.host().playerListRequests.back());
    };
}

DialogFactory NameDialogOf(void (*button)(Korvex&)) {
    return [button](ProgramDirFixture& dir) {
        dir.host().playerNameAnswers.push_back({});
        button(dir.app());
        return std::make_unique<PlayerNameDialog>(dir.host().playerNameRequests.back());
    };
}

// Import asks for the exchange file first; an empty one lists no Player-CFG.
std::unique_ptr<QWidget> ImportDialog(ProgramDirFixture& dir) {
    dir.Write("empty.kxp", "");
    dir.host().exchangeFileAnswers.push_back({true, dir.Path("empty.kxp")});
    return ListDialogOf(BitBtn1Click)(dir);
}

KeyMap SampleKeyMap() { return {"Player", {{"F1", "say hi", {{"Say hello", "Player", "Talk"}}}}}; }

// A dialog built from its request alone.
template <typename Dialog, typename... Request>
DialogFactory Built(Request... request) {
    return [=](ProgramDirFixture&) { return std::make_unique<Dialog>(request...); };
}

const std::pair<const char*, DialogFactory> kDialogs[] = {
    {"Disclaimer", Built<DisclaimerDialog>()},
    {"Change Player-CFG", ListDialogOf(BitBtn4Click)},
    {"Delete Player-CFG", ListDialogOf(BitBtn5Click)},
    {"New Player-CFG", NameDialogOf(BitBtn7Click)},
    {"Rename Player-CFG", NameDialogOf(BitBtn8Click)},
    {"Copy Player-CFG", NameDialogOf(BitBtn9Click)},
    {"Export Player-CFG", ListDialogOf(BitBtn2Click)},
    {"Import Player-CFG", ImportDialog},
    {"Status", Built<StatusDialog>(StatusDialog::Style::StartUp)},
    {"Key", Built<KeyBindingDialog>()},
    {"Macro Already Included", Built<MacroAlreadyIncludedDialog>("Say hello")},
    {"Bindings overview",
     Built<OverviewKeyBindingsDialog>(MacroOutput{"Tests", {{"+attack", "Fire", "MOUSE1"}}, {}}, -1)},
    {"Bindings editor", Built<KeyBindingEditorDialog>(BindingEditor{"Fire", {"MOUSE1"}})},
    {"Keyboard map", Built<KeyboardMapDialog>(SampleKeyMap(), MacroSelection([](const KeyMap&, const auto&) {}))},
    {"Keyboard map of the overview", Built<KeyboardMapDialog>(SampleKeyMap())},
    {"Edit MOD's Options", Built<EditModOptionsDialog>(EditModOptionsRequest{"Edit", {}, {"Player"}, "/", "/", {}})},
    {"Add a Player-CFG", Built<AddPlayerCfgDialog>(std::vector<std::string>{"Player"})},
    {"Server-side MOD", Built<ServerSideModDialog>()},
    {"Remove MOD", Built<RemoveModDialog>(RemoveModRequest{"Remove"})},
    {"Rename MOD", Built<RenameModDialog>(RenameModRequest{"CTF", "ctf"})},
    {"Unknown MOD", Built<UnknownModDialog>(UnknownModRequest{"ctf", "/", {}})},
    {"Kind of distribution", Built<DistributionDialog>()},
    {"Localize MOD", Built<LocalizeModDialog>(ModRootRequest{{"ctf/gamex86.so"}})},
    {"Identify MOD", Built<IdentifyModDialog>(ModIdentityRequest{"/", {}})},
    {"Updated MOD", Built<UpdatedModDialog>(UpdatedModRequest{"CTF"})},
    {"Unclaimed files", Built<UnclaimedFilesDialog>(UnclaimedFilesRequest{"Unclaimed", "Files", {"a.txt"}})},
    {"Installing", Built<InstallProgressWindow>(InstallWindow::Extracting)},
    {"InstallShield still running?", Built<SetupRunningWindow>()},
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
