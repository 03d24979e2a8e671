#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QTest>

#include "app/Korvex.h"
#include "compiler/OptionsTab.h"
#include "players/CharacterLists.h"
#include "support/ProgramDirFixture.h"
#include "support/gui/FindWidget.h"

namespace korvex {
namespace {

class CharacterCombosTest : public ::testing::Test {
protected:
    CharacterCombosTest() {
        dir.app().paths.quakeDir = dir.quakeDir();
        FillModelList(dir.app().report, dir.app().paths, dir.app().player);
        dir.host().onViewChanged = [this] { tab.SyncFromCore(); };
        tab.SyncFromCore();
        tab.show();
    }
    QComboBox* Combo(const char* name) { return FindNamed<QComboBox>(tab, name); }
    void Choose(QComboBox* combo, int index) {
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    void Enter(QComboBox* combo) {
        QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(combo, &focusIn);
    }

    ProgramDirFixture dir;
    OptionsTab tab{dir.app()};
};

TEST_F(CharacterCombosTest, TheSkinListFollowsTheModelAndAModelChangeResetsTheSkin) {
    QComboBox* model = Combo("Character1");
    QComboBox* skin = Combo("Character2");
    ASSERT_EQ(model->count(), 2);
    EXPECT_EQ(model->itemText(1), QStringLiteral("Model: male"));
    EXPECT_EQ(skin->currentText(), QStringLiteral("Skin"));

    Choose(model, 1);
    EXPECT_EQ(dir.app().player.Text(Option::Character1), "Model: male");
    Enter(skin);
    ASSERT_EQ(skin->count(), 2);
    EXPECT_EQ(skin->itemText(0), QStringLiteral("Skin: cipher"));
    EXPECT_EQ(skin->itemText(1), QStringLiteral("Skin: grunt"));
    Choose(skin, 1);
    EXPECT_EQ(dir.app().player.Text(Option::Character2), "Skin: grunt");

    Choose(model, 0);
    EXPECT_EQ(dir.app().player.Text(Option::Character2), "Skin");
    EXPECT_EQ(skin->currentText(), QStringLiteral("Skin"));
    Enter(skin);
    ASSERT_EQ(skin->count(), 1);
    EXPECT_EQ(skin->itemText(0), QStringLiteral("Skin: athena"));
    Choose(skin, 0);

    QTest::keyClicks(model->lineEdit(), QStringLiteral("x"));
    EXPECT_NE(dir.app().player.Text(Option::Character1), "Model: female");
    EXPECT_EQ(dir.app().player.Text(Option::Character2), "Skin");
    EXPECT_EQ(skin->currentText(), QStringLiteral("Skin"));
    Enter(skin);  // a model the game does not have offers no skins
    EXPECT_EQ(skin->count(), 0);
}

}  // namespace
}  // namespace korvex
