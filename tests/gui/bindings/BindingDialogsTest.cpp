#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/Korvex.h"
#include "app/StartUp.h"
#include "bindings/BindingOverview.h"
#include "bindings/KeyBindingDialogs.h"
#include "bindings/KeyboardMapDialog.h"
#include "bindings/MacroAlreadyIncludedDialog.h"
#include "macros/MacroCatalogue.h"
#include "players/CharacterLists.h"
#include "support/ProgramDirFixture.h"
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

TEST(OverviewKeyBindingsDialog, ShowsOneLinePerFunctionAndEditsThroughTheCore) {
    ProgramDirFixture dir;
    MacroOutput overview{"Tests", {{"+attack", "Fire", "MOUSE1\xB0SHIFT|a"}, {"+moveup", "Jump", "SPACE"}}, {}};
    OverviewKeyBindingsDialog dialog(dir.app(), overview);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    auto* list = FindNamed<QListWidget>(dialog, "OverviewKeyBindingsListBox");
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(0)->text(), QStringLiteral("Fire has been bound to MOUSE1, SHIFT with a pressed"));
    EXPECT_EQ(dialog.focusWidget(), FindNamed<QPushButton>(dialog, "OkBtn"));

    // Return presses the button that has the focus: with nothing selected, the editor's message.
    auto* edit = FindNamed<QPushButton>(dialog, "EditBtn");
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(dir.host().BoxTexts().back(), "You can't perform this action without having selected anything. (Key Bindings)");
    EXPECT_TRUE(dialog.isVisible());
    dir.host().keyAnswers = {"F1"};
    dir.host().editorAnswers = {{EditorAction::RemoveKeys, {true}}, {EditorAction::AddKey, {}}, {EditorAction::Ok, {}}};
    list->item(1)->setSelected(true);
    edit->click();
    EXPECT_EQ(list->item(1)->text(), QStringLiteral("Jump has been bound to F1"));
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
}

// The overview goes through the selected macros one by one; the map opened from it only marks
// keys, and its compile leaves that selection as it was.
TEST(OverviewKeyBindingsDialog, ItsKeyboardMapLeavesTheWalkThroughTheSelectedMacros) {
    ProgramDirFixture dir;
    Korvex& app = dir.app();
    std::vector<std::string> bindings{"3"};
    for (const auto& [name, key] : {std::pair{"ALPHA", "F1"}, std::pair{"BETA", "F2"}, std::pair{"GAMMA", "F1"}}) {
        const std::string file = std::string(name) + ".MAC";
        const std::string desc = std::string("\"") + name + "\"";
        dir.WriteLines("macros/" + file, {"MACRO_DESC " + desc, "MACRO_DETAILDESC " + desc, "MACRO_CAT \"Tests\""});
        dir.WriteLines("players/Player/" + file + ".out",
                       {"Tests", "0", "say hi", std::string("Press ") + name, key, std::string("BIND ") + key + " \"say hi\""});
        bindings.insert(bindings.end(), {file, name, "Tests"});
    }
    dir.WriteLines("players/Player/bindings.dat", bindings);
    LoadMacroCatalogue(app.report, app.macroCatalogue, app.macroLists, dir.Path("macros"));
    dir.host().RunPosted();
    app.paths.quakeDir = dir.quakeDir();
    FillModelList(app.report, app.paths, app.player);  // the options name a model and skin of the game
    LoadLastPlayer(app);
    ASSERT_EQ(app.player.includedMacros.size(), 3u);

    std::vector<std::string> walked;
    int mapsShown = 0;
    dir.host().onOverview = [&](MacroOutput& overview) {
        walked.push_back(overview.keys.front().Description);
        OverviewKeyBindingsDialog dialog(app, overview);
        dialog.show();
        QTimer::singleShot(0, [&] {
            auto* map = qobject_cast<KeyboardMapDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(map, nullptr);
            map->SelectKey(QStringLiteral("F2"));  // the key of the macro left out of the walk
            ++mapsShown;
            map->accept();
        });
        FindNamed<QPushButton>(dialog, "KeyboardMapBtn")->click();
    };
    app.macroLists.includedSelected = {true, false, true};
    ShowKeyBindingOverview(app);
    EXPECT_EQ(mapsShown, 2)  << ::testing::PrintToString(dir.host().BoxTexts());
    EXPECT_EQ(walked, (std::vector<std::string>{"Press ALPHA", "Press GAMMA"}));
    EXPECT_EQ(app.macroLists.includedSelected, (std::vector<bool>(3, false)));
}

TEST(KeyBindingEditorDialog, ClosesWithItsButtonAndTheSelectedKeys) {
    KeyBindingEditorDialog dialog(BindingEditor{"Fire", {"MOUSE1", "SHIFT|a"}});
    dialog.show();
    auto* list = FindNamed<QListWidget>(dialog, "BoundKeysListbox");
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(1)->text(), QStringLiteral("SHIFT with a pressed"));
    list->item(1)->setSelected(true);
    FindNamed<QPushButton>(dialog, "RemoveKeyBtn")->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.Answer().action, EditorAction::RemoveKeys);
    EXPECT_EQ(dialog.Answer().selected, (std::vector<bool>{false, true}));
}

// Return presses the button that has the focus; OK only when no other button has it.
TEST(KeyBindingEditorDialog, ReturnPressesTheFocusedButton) {
    ProgramDirFixture dir;
    for (const auto& [name, action] :
         {std::pair{"RemoveKeyBtn", EditorAction::RemoveKeys}, std::pair{"CancelBtn", EditorAction::Cancel}}) {
        KeyBindingEditorDialog dialog(BindingEditor{"Fire", {"MOUSE1"}});
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        auto* button = FindNamed<QPushButton>(dialog, name);
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Return);
        EXPECT_EQ(dialog.Answer().action, action) << name;  // not OK, the default button
    }

    MacroOutput overview{"Tests", {{"+attack", "Fire", "MOUSE1"}}, {}};
    OverviewKeyBindingsDialog overviewDialog(dir.app(), overview);
    overviewDialog.show();
    QApplication::setActiveWindow(&overviewDialog);
    auto* edit = FindNamed<QPushButton>(overviewDialog, "EditBtn");
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Return);  // nothing selected: the editor's message, no closing
    EXPECT_EQ(dir.host().BoxTexts().back(), "You can't perform this action without having selected anything. (Key Bindings)");
    EXPECT_TRUE(overviewDialog.isVisible());
}

}  // namespace
}  // namespace korvex
