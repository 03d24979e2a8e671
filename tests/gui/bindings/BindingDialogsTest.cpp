#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <functional>

#include "bindings/KeyBindingDialogs.h"
#include "bindings/MacroAlreadyIncludedDialog.h"
#include "support/gui/FindWidget.h"

namespace korvex {
namespace {

TEST(MacroAlreadyIncludedDialog, AddIsTheDefaultAndEscapeCancels) {
    MacroAlreadyIncludedDialog dialog("Rocket jump");
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Rocket jump"));
    dialog.show();
    auto* add = FindNamed<QPushButton>(dialog, "AddKeyButton");
    EXPECT_TRUE(add->isDefault());
    EXPECT_EQ(add->text(), QStringLiteral("&Add a key-binding"));
    EXPECT_EQ(dialog.findChildren<QLabel*>().size(), 3);
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(dialog.Choice(), IncludedMacroChoice::Cancel);

    MacroAlreadyIncludedDialog again("Rocket jump");
    again.show();
    FindNamed<QPushButton>(again, "OverwriteButton")->click();
    EXPECT_EQ(again.Choice(), IncludedMacroChoice::Overwrite);
}

// It opens with the function chosen before and closes at every button with that button and the
// chosen function; Return presses the button that has the focus.
TEST(OverviewKeyBindingsDialog, ShowsOneLinePerFunctionAndAnswersWithItsButton) {
    const MacroOutput overview{"Tests", {{"+attack", "Fire", "MOUSE1\xB0SHIFT|a"}, {"+moveup", "Jump", "SPACE"}}, {}};
    const auto answerOf = [&](int selected, const std::function<void(OverviewKeyBindingsDialog&)>& press) {
        OverviewKeyBindingsDialog dialog(overview, selected);
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        auto* list = FindNamed<QListWidget>(dialog, "OverviewKeyBindingsListBox");
        EXPECT_EQ(list->count(), 2);
        EXPECT_EQ(list->item(0)->text(), QStringLiteral("Fire has been bound to MOUSE1, SHIFT with a pressed"));
        EXPECT_EQ(dialog.focusWidget(), FindNamed<QPushButton>(dialog, "OkBtn"));
        press(dialog);
        EXPECT_FALSE(dialog.isVisible());
        return std::pair{dialog.Answer().action, dialog.Answer().selected};
    };
    EXPECT_EQ(answerOf(1,
                       [](OverviewKeyBindingsDialog& dialog) {
                           auto* edit = FindNamed<QPushButton>(dialog, "EditBtn");
                           edit->setFocus();
                           QTest::keyClick(edit, Qt::Key_Return);
                       }),
              std::pair(OverviewAction::EditBinding, 1));
    EXPECT_EQ(
        answerOf(-1,
                 [](OverviewKeyBindingsDialog& dialog) { FindNamed<QPushButton>(dialog, "KeyboardMapBtn")->click(); }),
        std::pair(OverviewAction::KeyboardMap, -1));
    EXPECT_EQ(answerOf(0, [](OverviewKeyBindingsDialog& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); }),
              std::pair(OverviewAction::Close, 0));
}

// Return presses the button that has the focus, not OK, the default button; Remove answers with
// the selected keys.
TEST(KeyBindingEditorDialog, ClosesWithTheFocusedButtonAndTheSelectedKeys) {
    for (const auto& [name, action] :
         {std::pair{"RemoveKeyBtn", EditorAction::RemoveKeys}, std::pair{"CancelBtn", EditorAction::Cancel}}) {
        KeyBindingEditorDialog dialog(BindingEditor{"Fire", {"MOUSE1", "SHIFT|a"}});
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        auto* list = FindNamed<QListWidget>(dialog, "BoundKeysListbox");
        ASSERT_EQ(list->count(), 2);
        EXPECT_EQ(list->item(1)->text(), QStringLiteral("SHIFT with a pressed"));
        list->item(1)->setSelected(true);
        auto* button = FindNamed<QPushButton>(dialog, name);
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Return);
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(dialog.Answer().action, action) << name;
        if (action == EditorAction::RemoveKeys) {
            EXPECT_EQ(dialog.Answer().selected, (std::vector<bool>{false, true}));
        }
    }
}

}  // namespace
}  // namespace korvex
