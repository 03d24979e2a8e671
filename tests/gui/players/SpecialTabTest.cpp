#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QPlainTextEdit>
#include <QTest>

#include "app/Korvex.h"
#include "players/PlayerCfgFiles.h"
#include "players/PlayerDialogs.h"
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

TEST(PlayerDialogs, ShowTheirTextsAndConfirmByButtonDoubleClickOrReturnAndEscapeCancels) {
    PlayerListDialog remove({"Delete Player-CFG", "Available Player-CFG's", {"a", "B", "c"}, true, "Delete", ""});
    EXPECT_EQ(remove.windowTitle(), QStringLiteral("Delete Player-CFG"));
    EXPECT_EQ(remove.findChild<QLabel*>()->text(), QStringLiteral("Available Player-CFG's"));
    auto* list = remove.findChild<QListWidget*>();
    ASSERT_EQ(list->count(), 3);
    list->item(2)->setSelected(true);
    list->item(0)->setSelected(true);
    remove.accept();
    EXPECT_TRUE(remove.Answer().confirmed);
    EXPECT_EQ(remove.Answer().selected, (std::vector<std::string>{"a", "c"}));

    PlayerListDialog change({"Change Player-CFG", "Available Player-CFG's", {"a", "B"}, false, "Change To", ""});
    change.show();
    list = change.findChild<QListWidget*>();
    const QPoint second = list->visualItemRect(list->item(1)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, second);
    EXPECT_TRUE(change.Answer().confirmed);
    EXPECT_EQ(change.Answer().selected, std::vector<std::string>{"B"});

    PlayerNameDialog rename({"Rename Player-CFG", "New name", "Player", "Rename", "renames"});
    auto* name = rename.findChild<QLineEdit*>();
    EXPECT_EQ(name->selectedText(), QStringLiteral("Player"));
    EXPECT_EQ(rename.findChild<QPushButton*>(QStringLiteral("ConfirmButton"))->text(), QStringLiteral("Rename"));
    rename.show();
    QTest::keyClick(&rename, Qt::Key_Escape);
    EXPECT_FALSE(rename.Answer().confirmed);
    rename.show();
    name->selectAll();
    QTest::keyClicks(name, QStringLiteral("Neu"));
    QTest::keyClick(name, Qt::Key_Return);
    EXPECT_TRUE(rename.Answer().confirmed);
    EXPECT_EQ(rename.Answer().name, "Neu");
}

TEST(PlayerDialogs, AnEmptyOrAllBlankNameCannotBeConfirmedAndTheHintSaysWhy) {
    for (const char* caption : {"New Player-CFG", "Rename Player-CFG", "Copy Player-CFG"}) {
        PlayerNameDialog dialog({caption, "New name", "Player", "OK", "does it"});
        dialog.show();
        auto* name = dialog.findChild<QLineEdit*>();
        auto* confirm = dialog.findChild<QPushButton*>(QStringLiteral("ConfirmButton"));
        EXPECT_TRUE(confirm->isEnabled()) << caption;
        for (const QString& blank : {QString(), QStringLiteral("   ")}) {
            name->setText(blank);
            EXPECT_FALSE(confirm->isEnabled()) << caption;
            EXPECT_TRUE(confirm->toolTip().contains(QStringLiteral("cannot be empty"))) << caption;
            QTest::keyClick(name, Qt::Key_Return);
            EXPECT_TRUE(dialog.isVisible()) << caption;
        }
        QTest::keyClicks(name, QStringLiteral("x"));
        EXPECT_TRUE(confirm->isEnabled()) << caption;
        EXPECT_EQ(confirm->toolTip(), QStringLiteral("does it")) << caption;
    }
}

}  // namespace
}  // namespace korvex
