#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

#include "app/Korvex.h"
#include "compiler/OptionsTab.h"
#include "players/CharacterLists.h"
#include "players/PlayerCfgFiles.h"
#include "support/CompilerTestData.h"
#include "support/ProgramDirFixture.h"
#include "support/gui/FindWidget.h"

namespace korvex {
namespace {

class OptionsTabTest : public ::testing::Test {
protected:
    template <typename Widget>
    Widget* Find(const char* name) {
        return FindNamed<Widget>(tab, name);
    }
    // What a player reads in a list: its text, or what it asks for while it has none.
    static QString Shown(QComboBox* combo) {
        return combo->currentText().isEmpty() ? combo->lineEdit()->placeholderText() : combo->currentText();
    }
    // Chosen as a click in the list chooses.
    void Choose(QComboBox* combo, int index) {
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }

    ProgramDirFixture dir;
    OptionsTab tab{dir.app()};
};

TEST_F(OptionsTabTest, ShowsEveryControlWithItsDefaultsAndTheWheelScrollsPastThem) {
    EXPECT_EQ(tab.findChildren<QCheckBox*>().size() + tab.findChildren<QComboBox*>().size() +
                  tab.findChildren<QLineEdit*>(QRegularExpression(QStringLiteral("^(General3|Character8|Server1|Server2)$")))
                      .size(),
              static_cast<qsizetype>(kOptionCount));
    EXPECT_EQ(Shown(Find<QComboBox>("Video2")), QStringLiteral("Video mode: choose a value"));
    EXPECT_EQ(Find<QComboBox>("Video2")->count(), 10);
    EXPECT_EQ(Find<QLineEdit>("Server2")->text(), QStringLiteral("24"));
    EXPECT_TRUE(Find<QCheckBox>("Video10")->isChecked());

    // The wheel scrolls the page without changing the options under it.
    tab.resize(400, 300);
    tab.show();
    auto* mode = Find<QComboBox>("Video2");
    QScrollBar* bar = tab.findChild<QScrollArea*>()->verticalScrollBar();
    ASSERT_EQ(bar->value(), 0);
    QWheelEvent wheel(QPointF(5, 5), mode->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(mode, &wheel);
    EXPECT_EQ(dir.app().player.Text(Option::Video2), "Video mode");
    EXPECT_EQ(Shown(mode), QStringLiteral("Video mode: choose a value"));
    EXPECT_GT(bar->value(), 0);
}

TEST_F(OptionsTabTest, ChoicesReachTheCoreAndTheVideoControlsFollowTheDriver) {
    tab.show();
    auto* driver = Find<QComboBox>("Video1");
    Choose(driver, 0);
    EXPECT_EQ(dir.app().player.Text(Option::Video1), "software");
    EXPECT_EQ(Find<QComboBox>("Video5")->count(), 2);
    EXPECT_EQ(Find<QComboBox>("Video5")->currentText(), QStringLiteral("Software Texturing"));
    EXPECT_FALSE(Find<QCheckBox>("Video7")->isVisible());
    EXPECT_FALSE(Find<QWidget>("Video6")->isVisible());

    Choose(driver, 2);
    EXPECT_EQ(Find<QComboBox>("Video5")->count(), 4);
    EXPECT_EQ(Find<QComboBox>("Video5")->currentText(), QStringLiteral("GL Texture Quality"));
    EXPECT_TRUE(Find<QCheckBox>("Video7")->isVisible());
    EXPECT_FALSE(Find<QComboBox>("Video4")->isVisible());
    EXPECT_FALSE(Find<QWidget>("Video6")->isVisible());

    Find<QCheckBox>("Video10")->click();
    dir.host().RunPosted();
    EXPECT_FALSE(dir.app().player.Flag(Option::Video10));
    EXPECT_TRUE(Find<QComboBox>("Video4")->isVisible());
    EXPECT_TRUE(Find<QWidget>("Video6")->isVisible());
    // Without the sight improvement the texture quality is needed: the list asks for it.
    EXPECT_EQ(Shown(Find<QComboBox>("Video5")), QStringLiteral("GL Texture Quality: choose a value"));

    auto* name = Find<QLineEdit>("Character8");
    QTest::keyClicks(name, QStringLiteral("Bob"));
    EXPECT_EQ(dir.app().player.Text(Option::Character8), "Bob");
    Find<QComboBox>("Mouse2")->setEditText(QStringLiteral("typed text"));
    EXPECT_EQ(dir.app().player.Text(Option::Mouse2), "typed text");
}

TEST_F(OptionsTabTest, TypedDriverIsCheckedWhenTheTypingEndsNotWhenTheFieldIsLeft) {
    tab.show();
    QLineEdit* typed = Find<QComboBox>("Video1")->lineEdit();
    emit typed->editingFinished();
    EXPECT_TRUE(dir.host().boxes.empty());

    typed->selectAll();
    QTest::keyClicks(typed, QStringLiteral("OpenGL"));
    emit typed->editingFinished();
    EXPECT_EQ(dir.app().player.Text(Option::Video1), "OpenGL");
    EXPECT_EQ(Find<QComboBox>("Video5")->count(), 4);

    typed->selectAll();
    QTest::keyClicks(typed, QStringLiteral("Voodoo"));
    emit typed->editingFinished();
    EXPECT_EQ(dir.host().BoxTexts(), (std::vector<std::string>{"Invalid input. (video driver)"}));
    EXPECT_EQ(dir.app().player.Text(Option::Video1), "Video driver");
    EXPECT_EQ(Shown(Find<QComboBox>("Video1")), QStringLiteral("Video driver: choose a value"));
    EXPECT_FALSE(Find<QComboBox>("Video5")->isVisible());
}

// An inherited group shows what the game gets from the ancestor, and the own values stay what is saved.
TEST_F(OptionsTabTest, InheritedGroupsShowTheAncestorsValuesDisabledWithItsName) {
    std::vector<std::string> ancestor = CompleteOptionLines();
    ancestor[static_cast<int>(Option::Video1)] = "software";
    ancestor[static_cast<int>(Option::Video2)] = "1600x1200";
    WritePlayer(dir, "A", {}, ancestor);
    WritePlayer(dir, "P", {}, CompleteOptionLines(), Inheriting("A", "0010000"));
    LoadPlayerCFG(dir.app(), "P");
    tab.show();
    auto* mode = Find<QComboBox>("Video2");
    const auto captions = [this] {
        QStringList titles;
        for (const QGroupBox* box : tab.findChildren<QGroupBox*>()) titles << box->title();
        return titles;
    };
    EXPECT_EQ(mode->currentText(), QStringLiteral("1600x1200"));
    EXPECT_FALSE(mode->isEnabled());
    EXPECT_EQ(Find<QComboBox>("Video5")->count(), 2);
    EXPECT_FALSE(Find<QCheckBox>("Video7")->isVisible());
    EXPECT_TRUE(Find<QComboBox>("Sound1")->isEnabled());
    EXPECT_TRUE(captions().contains(QStringLiteral("Video (from A)")));
    EXPECT_TRUE(captions().contains(QStringLiteral("Sound")));
    EXPECT_EQ(dir.app().player.Text(Option::Video1), "OpenGL");
    EXPECT_EQ(dir.app().player.Text(Option::Video2), "640x480");

    dir.app().player.special1 = false;
    tab.SyncFromCore();
    EXPECT_EQ(mode->currentText(), QStringLiteral("640x480"));
    EXPECT_TRUE(mode->isEnabled());
    EXPECT_EQ(Find<QComboBox>("Video5")->count(), 4);
    EXPECT_TRUE(captions().contains(QStringLiteral("Video")));
}

// The model and skin lists, filled from the sample game.
class CharacterCombosTest : public OptionsTabTest {
protected:
    CharacterCombosTest() {
        dir.app().paths.quakeDir = dir.quakeDir();
        FillModelList(dir.app().report, dir.app().paths, dir.app().player);
        dir.host().onViewChanged = [this] { tab.SyncFromCore(); };
        tab.SyncFromCore();
        tab.show();
    }
    void Enter(QComboBox* combo) {
        QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(combo, &focusIn);
    }
};

TEST_F(CharacterCombosTest, TheSkinListFollowsTheModelAndAModelChangeResetsTheSkin) {
    QComboBox* model = Find<QComboBox>("Character1");
    QComboBox* skin = Find<QComboBox>("Character2");
    ASSERT_EQ(model->count(), 2);
    EXPECT_EQ(model->itemText(1), QStringLiteral("Model: male"));
    EXPECT_EQ(Shown(skin), QStringLiteral("Skin: choose a value"));

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
    EXPECT_EQ(Shown(skin), QStringLiteral("Skin: choose a value"));
    EXPECT_EQ(skin->lineEdit()->palette().color(QPalette::PlaceholderText), QColor(0xb0, 0x20, 0x00));
    Enter(skin);
    ASSERT_EQ(skin->count(), 1);
    EXPECT_EQ(skin->itemText(0), QStringLiteral("Skin: athena"));
    Choose(skin, 0);

    QTest::keyClicks(model->lineEdit(), QStringLiteral("x"));
    EXPECT_NE(dir.app().player.Text(Option::Character1), "Model: female");
    EXPECT_EQ(dir.app().player.Text(Option::Character2), "Skin");
    EXPECT_EQ(Shown(skin), QStringLiteral("Skin: choose a value"));
    Enter(skin);  // a model the game does not have offers no skins
    EXPECT_EQ(skin->count(), 0);
}

}  // namespace
}  // namespace korvex
