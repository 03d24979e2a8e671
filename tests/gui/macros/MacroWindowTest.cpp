#include <gtest/gtest.h>

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>

#include "app/AppMacroRun.h"
#include "app/Korvex.h"
#include "app/MainWindow.h"
#include "app/StartUp.h"
#include "macros/MacroInterpreter.h"
#include "players/PlayerOperations.h"
#include "support/ProgramDirFixture.h"

namespace korvex {
namespace {

// A started Korvex with its main window shown, on a temporary program directory.
class MacroWindowTest : public ::testing::Test {
protected:
    MacroWindowTest() : window(dir.app()) {
        dir.host().onViewChanged = [this] { window.SyncFromCore(); };
        StartUp(dir.app());
        window.show();
    }

    ProgramDirFixture dir;
    MainWindow window;
};

class MacroBindingsWidgetTest : public MacroWindowTest {
protected:
    template <typename T>
    T* Child(const char* name) {
        return window.findChild<T*>(QString::fromLatin1(name));
    }
    QStringList Items(QListWidget* list) {
        QStringList items;
        for (int i = 0; i < list->count(); ++i) items << list->item(i)->text();
        return items;
    }
};

TEST_F(MacroBindingsWidgetTest, ACategoryListsItsMacrosInFileOrderAndInformationKeepsTheSelection) {
    auto* categories = Child<QComboBox>("MacroCat");
    auto* avail = Child<QListWidget>("AvailMacros");
    ASSERT_TRUE(categories && avail);
    EXPECT_EQ(categories->currentIndex(), -1);
    EXPECT_EQ(categories->placeholderText(), QStringLiteral("Choose a macro category"));
    EXPECT_EQ(categories->itemText(0), QStringLiteral("Communication"));

    categories->setCurrentIndex(categories->findText(QStringLiteral("Movement")));
    EXPECT_EQ(Items(avail).first(), QStringLiteral("Move back"));
    EXPECT_EQ(Items(avail).size(), 8);

    avail->item(0)->setSelected(true);
    avail->item(2)->setSelected(true);
    QTest::mouseClick(Child<QPushButton>("BitBtn18"), Qt::LeftButton);
    ASSERT_EQ(dir.host().boxes.size(), 2u);
    EXPECT_EQ(dir.host().boxes[0].text, "Move back: Walks or runs backwards while the key is held.");
    EXPECT_EQ(dir.host().boxes[0].icon, Icon::Information);
    // The macros stay selected: "Add to Config" adds them right after.
    EXPECT_EQ(avail->selectedItems().size(), 2);
    dir.host().keyAnswers = {"F5", "F6"};
    QTest::mouseClick(Child<QPushButton>("BitBtn13"), Qt::LeftButton);
    dir.host().RunPosted();
    EXPECT_EQ(dir.app().player.includedMacros.size(), 2u);
    // The included macros show their keys.
    EXPECT_TRUE(Items(Child<QListWidget>("IncludedMacros")).contains(QStringLiteral("Move back: F5")));

    // A cancelled "Change Player-CFG" still shows the prompt again and empties the macros.
    dir.host().playerListAnswers.push_back({});
    BitBtn4Click(dir.app());
    EXPECT_EQ(categories->currentIndex(), -1);
    EXPECT_EQ(avail->count(), 0);
}

// Tab leads from the macros on offer to "Add to Config" with the selection kept; entering the
// included macros clears it.
TEST_F(MacroBindingsWidgetTest, TabReachesAddToConfigAndTheIncludedMacrosClearTheSelection) {
    dir.app().player.includedMacros = {"Jump"};
    window.SyncFromCore();
    QApplication::setActiveWindow(&window);
    auto* categories = Child<QComboBox>("MacroCat");
    auto* avail = Child<QListWidget>("AvailMacros");
    categories->setCurrentIndex(categories->findText(QStringLiteral("Weapons")));
    avail->setFocus();
    avail->item(1)->setSelected(true);
    QTest::keyClick(avail, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), Child<QPushButton>("BitBtn13"));
    EXPECT_EQ(dir.app().macroLists.availSelected[1], true);

    auto* included = Child<QListWidget>("IncludedMacros");
    included->setFocus();
    QApplication::processEvents();
    EXPECT_TRUE(avail->selectedItems().isEmpty());
    EXPECT_EQ(Items(included), QStringList{QStringLiteral("Jump")});
}

class MacroDialogPageTest : public MacroWindowTest {
protected:
    void Run(const std::vector<std::string>& body) {
        std::vector<std::string> lines = {"MACRO_DESC \"Chat line\"", "MACRO_DETAILDESC \"d\"", "MACRO_CAT \"c\""};
        lines.insert(lines.end(), body.begin(), body.end());
        dir.WriteLines("macros/T.MAC", lines);
        RunMacro(MacroRunOf(dir.app()), dir.Path("macros/T.MAC"), false);
    }
    QGroupBox* Box() { return window.findChild<QGroupBox*>(QStringLiteral("MacroDialogBox")); }
    QPushButton* Ok() { return window.findChild<QPushButton*>(QStringLiteral("Button1")); }
    int ShownPage() { return window.findChild<QStackedWidget*>()->currentIndex(); }
    const TMacroResults& Results() { return dir.app().macroResults; }
};

TEST_F(MacroDialogPageTest, ControlsStandWhereTheMacroPutsThemAndOkResumes) {
    Run({"TEXT 10 20 \"Say what?\"", "INPUTFIELD 10 40 200 \"Message:\" \"hello\" 1",
         "INPUTCOMBO 10 80 120 \"Team:\" \"red\" \"red^blue\" 2", "TEXT 10 120 \"Press <b>any</b> key\"", "INPUTMODE",
         "QUAKE_COMMAND \"say &1& &2&\""});
    ASSERT_EQ(ShownPage(), 3);
    EXPECT_EQ(window.windowTitle(), QString::fromUtf8("Korvex v0.855\u00DF - Macro-Dialog (Chat line)"));
    ASSERT_TRUE(Box() && Ok());
    EXPECT_EQ(Box()->title(), QStringLiteral("Macro Dialog"));
    EXPECT_EQ(Box()->geometry(), QRect(8, 8, 561, 521));
    EXPECT_EQ(Ok()->geometry(), QRect(7, 449, 440, 65));
    EXPECT_EQ(window.findChild<QPushButton*>(QStringLiteral("CancelButton"))->geometry(), QRect(453, 449, 100, 65));
    EXPECT_TRUE(Ok()->isDefault());

    QLabel* text = nullptr;
    QLabel* caption = nullptr;
    QLabel* markup = nullptr;  // a text that looks like markup is shown as written
    for (QLabel* label : Box()->findChildren<QLabel*>()) {
        if (label->text() == QStringLiteral("Say what?")) text = label;
        if (label->text() == QStringLiteral("Message:")) caption = label;
        if (label->text() == QStringLiteral("Press <b>any</b> key")) markup = label;
    }
    ASSERT_TRUE(text && caption && markup);
    EXPECT_EQ(text->pos(), QPoint(10, 22));
    EXPECT_EQ(markup->textFormat(), Qt::PlainText);
    EXPECT_EQ(markup->width(), QFontMetrics(markup->font()).horizontalAdvance(markup->text()));
    EXPECT_EQ(caption->font().pointSize(), 8);
    auto* edit = Box()->findChild<QLineEdit*>();
    auto* combo = Box()->findChild<QComboBox*>();
    ASSERT_TRUE(edit && combo);
    const int captionWidth = QFontMetrics(caption->font()).horizontalAdvance(QStringLiteral("Message:"));
    EXPECT_EQ(edit->geometry().topLeft(), QPoint(10 + static_cast<int>(captionWidth * 1.2), 40));
    EXPECT_EQ(edit->width(), 200);
    EXPECT_EQ(edit->text(), QStringLiteral("hello"));
    EXPECT_EQ(combo->count(), 2);
    EXPECT_EQ(combo->currentText(), QStringLiteral("red"));

    edit->clear();
    QTest::keyClicks(edit, "gg");
    EXPECT_EQ(dir.app().interpreter.MacroVariables[1], "gg");
    combo->setCurrentIndex(1);
    QTest::mouseClick(Ok(), Qt::LeftButton);
    EXPECT_EQ(ShownPage(), 0);
    ASSERT_EQ(Results().LastCommand, 0);
    EXPECT_EQ(Results().Commands[0], "say gg blue");
}

// A value the game could not carry keeps the page open with the focus in its field; any
// other reaches the game as typed.
TEST_F(MacroDialogPageTest, ARefusedValueKeepsItsFieldFocusedAndTypedTextIsKept) {
    QApplication::setActiveWindow(&window);
    Run({"INPUTFIELD 10 10 200 \"Call:\" \"Help\" 1", "INPUTFIELD 10 40 200 \"Place:\" \"base\" 2", "INPUTMODE",
         "QUAKE_COMMAND \"say &1& &2&\""});
    const auto edits = Box()->findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly);
    ASSERT_EQ(edits.size(), 2);
    edits[1]->setText(QStringLiteral("gg; kill"));
    QTest::keyClick(edits[0], Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(ShownPage(), 3);
    EXPECT_EQ(QApplication::focusWidget(), edits[1]);
    EXPECT_EQ(dir.host().BoxTexts(), std::vector<std::string>{"The field \"Place\" cannot hold a semicolon (;): in the "
                                                              "game the rest of the text would run as a console command."});
    edits[1]->setText(QStringLiteral("Tom & Jerry // 50%"));
    QTest::mouseClick(Ok(), Qt::LeftButton);
    EXPECT_EQ(ShownPage(), 0);
    ASSERT_EQ(Results().LastCommand, 0);
    EXPECT_EQ(Results().Commands[0], "say Help Tom & Jerry // 50%");
}

// A second INPUTMODE shows a fresh dialog with only its own controls.
TEST_F(MacroDialogPageTest, TheKeyboardWalksTheControlsAsTheyReadAndEnterPressesOk) {
    QApplication::setActiveWindow(&window);
    Run({"INPUTCOMBO 10 40 120 \"Team:\" \"red\" \"red^blue\" 2", "INPUTFIELD 10 80 200 \"Place:\" \"base\" 1",
         "INPUTFIELD 10 10 200 \"Call:\" \"Help\" 3", "INPUTMODE", "INPUTFIELD 10 10 200 \"Again:\" \"x\" 4",
         "INPUTMODE", "QUAKE_COMMAND \"say &3& &2& &1& &4&\""});
    QStringList walk;
    for (int i = 0; i < 4; ++i) {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_TRUE(focus);
        if (auto* edit = qobject_cast<QLineEdit*>(focus)) walk << edit->text();
        else walk << QString::fromLatin1(focus->metaObject()->className());
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    EXPECT_EQ(walk, (QStringList{"Help", "QComboBox", "base", "QPushButton"}));

    // The combo box has the focus and hands the key to its edit line.
    QTest::keyClick(Box()->findChild<QComboBox*>(), Qt::Key_Return);
    QApplication::processEvents();
    ASSERT_EQ(ShownPage(), 3);
    const auto edits = Box()->findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly);
    ASSERT_EQ(edits.size(), 1);
    EXPECT_EQ(QApplication::focusWidget(), edits[0]);
    QTest::keyClick(edits[0], Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(ShownPage(), 0);
    ASSERT_EQ(Results().LastCommand, 0);
    EXPECT_EQ(Results().Commands[0], "say Help red base x");
}

// Escape, like Cancel, stops adding the macro: back to the Config-Editor, the fields gone.
TEST_F(MacroDialogPageTest, EscapeCancelsTheMacro) {
    QApplication::setActiveWindow(&window);
    Run({"INPUTFIELD 10 10 200 \"Call:\" \"Help\" 3", "INPUTMODE", "QUAKE_COMMAND \"say &3&\""});
    ASSERT_EQ(ShownPage(), 3);
    EXPECT_TRUE(window.findChild<QPushButton*>(QStringLiteral("CancelButton"))->isVisible());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_EQ(ShownPage(), 0);
    EXPECT_TRUE(Box()->findChildren<QLineEdit*>().isEmpty());
}

}  // namespace
}  // namespace korvex
