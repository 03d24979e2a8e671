#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include "app/Korvex.h"
#include "players/PlayerCfgFiles.h"
#include "players/SpecialTab.h"
#include "support/ProgramDirFixture.h"
#include "support/gui/FindWidget.h"

namespace korvex {
namespace {

class SpecialTabTest : public ::testing::Test {
protected:
    SpecialTabTest() : tab(dir.app()) {
        dir.host().onViewChanged = [this] { tab.SyncFromCore(); };
        tab.show();
    }
    template <typename Widget>
    Widget* Find(const char* name) {
        return FindNamed<Widget>(tab, name);
    }

    ProgramDirFixture dir;
    SpecialTab tab;
};

TEST_F(SpecialTabTest, MirrorsTheInheritanceChoiceAndTheAdditionalCommands) {
    dir.WriteLines("players/Other/special.dat", {"FALSE", kNoInheritText});
    LoadPlayerCFG(dir.app(), "Player");
    auto* group = Find<QGroupBox>("InheritGroupBox");
    auto* inherit1 = Find<QComboBox>("Inherit1");
    EXPECT_FALSE(group->isVisible());
    EXPECT_EQ(inherit1->count(), 1);
    EXPECT_EQ(inherit1->currentText(), QString::fromLatin1(kNoInheritText));

    QTest::mouseClick(Find<QCheckBox>("Special1"), Qt::LeftButton);
    EXPECT_TRUE(dir.app().player.special1);
    EXPECT_TRUE(group->isVisible());
    inherit1->setCurrentIndex(0);
    EXPECT_EQ(dir.app().player.inherit1, "Other");
    QTest::mouseClick(Find<QCheckBox>("Inherit4"), Qt::LeftButton);
    EXPECT_FALSE(dir.app().player.Inherits(InheritPart::Video));

    auto* memo = Find<QPlainTextEdit>("PlayerCFGAdditionalCommandsMemo");
    EXPECT_FALSE(memo->isVisible());
    QTest::mouseClick(Find<QCheckBox>("PlayerCFGAdditionalCommandsCheckBox"), Qt::LeftButton);
    dir.host().RunPosted();
    EXPECT_TRUE(memo->isVisible());
    EXPECT_TRUE(Find<QLabel>("PlayerCFGAdditionalCommandsLabel")->isVisible());
    memo->setPlainText(QStringLiteral("set a 1\nset b 2\n"));
    EXPECT_EQ(dir.app().player.additionalCommandLines, (std::vector<std::string>{"set a 1", "set b 2"}));
}

}  // namespace
}  // namespace korvex
