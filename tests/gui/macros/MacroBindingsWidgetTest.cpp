#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "MacroWindowFixture.h"
#include "players/PlayerOperations.h"

namespace korvex {
namespace {

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

TEST_F(MacroBindingsWidgetTest, ACategoryListsItsMacrosInFileOrderAndInformationDeselects) {
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
    EXPECT_TRUE(avail->selectedItems().isEmpty());

    // A cancelled "Change Player-CFG" still shows the prompt again and empties the macros.
    dir.host().playerListAnswers.push_back({});
    BitBtn4Click(dir.app());
    EXPECT_EQ(categories->currentIndex(), -1);
    EXPECT_EQ(avail->count(), 0);
}

TEST_F(MacroBindingsWidgetTest, EnteringIncludedMacrosClearsTheAvailableSelection) {
    dir.app().player.includedMacros = {"Jump"};
    window.SyncFromCore();
    auto* categories = Child<QComboBox>("MacroCat");
    auto* avail = Child<QListWidget>("AvailMacros");
    auto* included = Child<QListWidget>("IncludedMacros");
    categories->setCurrentIndex(categories->findText(QStringLiteral("Weapons")));
    avail->item(1)->setSelected(true);
    EXPECT_EQ(dir.app().macroLists.availSelected[1], true);
    window.activateWindow();
    included->setFocus();
    QApplication::processEvents();
    EXPECT_TRUE(avail->selectedItems().isEmpty());
    EXPECT_EQ(Items(included), QStringList{QStringLiteral("Jump")});
}

}  // namespace
}  // namespace korvex
