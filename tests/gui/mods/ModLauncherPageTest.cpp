#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeWidget>

#include "app/Korvex.h"
#include "app/StartUp.h"
#include "mods/EditModOptionsDialog.h"
#include "mods/ModCatalogue.h"
#include "mods/ModDialogs.h"
#include "mods/ModLauncherPage.h"
#include "support/ProgramDirFixture.h"
#include "support/gui/FindWidget.h"

namespace korvex {
namespace {

// A check box toggles when its box is clicked, not anywhere on its width.
void ClickCheckBox(QCheckBox* box) { QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2)); }

class ModLauncherPageTest : public ::testing::Test {
protected:
    ModLauncherPageTest() : page(dir.app()) {
        dir.host().onViewChanged = [this] { page.SyncFromCore(); };
        dir.WriteLines("mods/ctf", {"Capture The Flag (CTF)", "1", "Player", "TRUE", "TRUE", "", "", "0"});
        dir.WriteLines("mods/arena", {"Arena (beta) (arena)", "0", "TRUE", "TRUE", "", "", "0"});
        LoadModCatalogue(dir.app().report, dir.app().paths, dir.app().modTree);
        page.show();
    }
    QPushButton* Button(const char* name) { return FindNamed<QPushButton>(page, name); }
    void ClickItem(QTreeWidgetItem* item, Qt::MouseButton button) {
        QTreeWidget* tree = page.Tree();
        tree->scrollToItem(item);
        QTest::mouseClick(tree->viewport(), button, {}, tree->visualItemRect(item).center());
    }

    ProgramDirFixture dir;
    ModLauncherPage page;
};

TEST_F(ModLauncherPageTest, ShowsTheSortedTreeAndTheButtonOfTheSelectedNode) {
    QTreeWidget* tree = page.Tree();
    ASSERT_EQ(tree->topLevelItemCount(), 2);
    EXPECT_EQ(tree->topLevelItem(0)->text(0), "Arena (beta) (arena)");
    QTreeWidgetItem* ctf = tree->topLevelItem(1);
    ASSERT_EQ(ctf->childCount(), 1);
    EXPECT_FALSE(Button("EditMODOptionsButton")->isVisible());
    EXPECT_FALSE(Button("LaunchQuakeIIButton")->isVisible());
    // Taking the focus, the tree makes its first node current without selecting it.
    tree->selectionModel()->setCurrentIndex(tree->model()->index(0, 0), QItemSelectionModel::NoUpdate);
    EXPECT_FALSE(Button("EditMODOptionsButton")->isVisible());

    ClickItem(ctf, Qt::RightButton);
    EXPECT_EQ(tree->currentItem(), ctf);
    EXPECT_TRUE(Button("EditMODOptionsButton")->isVisible());
    EXPECT_FALSE(Button("LaunchQuakeIIButton")->isVisible());

    ctf->setExpanded(true);
    ClickItem(ctf->child(0), Qt::LeftButton);
    EXPECT_EQ(dir.app().modTree.selected->player, "Player");
    EXPECT_FALSE(Button("EditMODOptionsButton")->isVisible());
    EXPECT_TRUE(Button("LaunchQuakeIIButton")->isVisible());

    // The selection survives a change elsewhere in the tree.
    AddModToCatalogue(dir.app().report, dir.app().paths, dir.app().modTree, "Rocket Arena", "RA2");
    EXPECT_EQ(tree->topLevelItemCount(), 3);
    EXPECT_EQ(tree->currentItem()->text(0), "Player");
    EXPECT_TRUE(tree->topLevelItem(1)->isExpanded());
}

// Enter on a selected Player-CFG launches, as the launch button does; on a MOD it launches nothing.
TEST_F(ModLauncherPageTest, EnterOnAPlayerCfgLaunches) {
    Korvex& app = dir.app();
    app.paths.quakeDir = dir.quakeDir();
    app.launch.userDataDir = dir.root() + "/home/.yq2";
    LoadLastPlayer(app);
    QTreeWidget* tree = page.Tree();
    QTreeWidgetItem* ctf = tree->topLevelItem(1);
    ClickItem(ctf, Qt::LeftButton);
    QTest::keyClick(tree, Qt::Key_Return);
    EXPECT_TRUE(app.launch.commandLine.empty());

    ctf->setExpanded(true);
    ClickItem(ctf->child(0), Qt::LeftButton);
    QTest::keyClick(tree, Qt::Key_Return);
    EXPECT_EQ(app.launch.commandLine.find(dir.quakeDir() + "/QUAKE2.EXE +set game ctf"), 0u);
    EXPECT_EQ(dir.host().BoxTexts(), std::vector<std::string>{});
}

TEST(ModDialogs, ReturnWhatThePlayerEntered) {
    ServerSideModDialog serverSide;
    auto* ok = FindNamed<QPushButton>(serverSide, "OKButton");
    EXPECT_FALSE(ok->isEnabled());
    QTest::keyClicks(FindNamed<QLineEdit>(serverSide, "DirectoryEdit"), "ra2");
    EXPECT_FALSE(ok->isEnabled());
    QTest::keyClicks(FindNamed<QLineEdit>(serverSide, "ModNameEdit"), "Rocket Arena");
    EXPECT_TRUE(ok->isEnabled());
    QTest::mouseClick(ok, Qt::LeftButton);
    const ServerSideModAnswer answer = serverSide.Answer();
    EXPECT_TRUE(answer.confirmed);
    EXPECT_EQ(answer.directory, "ra2");
    EXPECT_EQ(answer.name, "Rocket Arena");

    RemoveModDialog remove({"Remove MOD Capture The Flag (CTF) ?"});
    remove.show();
    EXPECT_EQ(remove.windowTitle(), "Remove MOD Capture The Flag (CTF) ?");
    auto* always = FindNamed<QCheckBox>(remove, "RemoveMODCheckBox");
    EXPECT_TRUE(always->isChecked());
    EXPECT_FALSE(always->isEnabled());
    ClickCheckBox(FindNamed<QCheckBox>(remove, "DeleteMODCheckBox"));
    QTest::mouseClick(FindNamed<QPushButton>(remove, "OKButton"), Qt::LeftButton);
    EXPECT_TRUE(remove.Answer().deleteFiles);

    // Only the checked changed files are deleted; Cancel deletes none.
    ChangedModFilesDialog changed({"Changed files of Capture The Flag (CTF)", {"ctf/a.cfg", "ctf/b.cfg"}});
    changed.show();
    EXPECT_EQ(changed.windowTitle(), "Changed files of Capture The Flag (CTF)");
    auto* files = FindNamed<QListWidget>(changed, "ChangedFilesListBox");
    ASSERT_EQ(files->count(), 2);
    files->item(1)->setCheckState(Qt::Checked);
    QTest::mouseClick(FindNamed<QPushButton>(changed, "OKButton"), Qt::LeftButton);
    EXPECT_TRUE(changed.Answer().confirmed);
    EXPECT_EQ(changed.Answer().deleted, std::vector<std::string>{"ctf/b.cfg"});
    ChangedModFilesDialog cancelled({"Changed files", {"ctf/a.cfg"}});
    FindNamed<QListWidget>(cancelled, "ChangedFilesListBox")->item(0)->setCheckState(Qt::Checked);
    QTest::mouseClick(FindNamed<QPushButton>(cancelled, "CancelButton"), Qt::LeftButton);
    EXPECT_FALSE(cancelled.Answer().confirmed);
    EXPECT_TRUE(cancelled.Answer().deleted.empty());

    RenameModDialog rename({"Capture The Flag", "CTF"});
    EXPECT_EQ(FindNamed<QLineEdit>(rename, "MODDirEdit")->text(), "CTF");
    QTest::mouseClick(FindNamed<QPushButton>(rename, "CancelButton"), Qt::LeftButton);
    EXPECT_FALSE(rename.Answer().confirmed);

    AddPlayerCfgDialog add({"Zed", "ace"});  // letters sort without regard to case
    auto* list = FindNamed<QListWidget>(add, "SubDlgAddPlayerCFGListBox");
    EXPECT_EQ(list->item(0)->text(), "ace");
    // The first entry is selected when the dialog opens, so OK can be pressed at once.
    EXPECT_TRUE(FindNamed<QPushButton>(add, "OKButton")->isEnabled());
    list->clearSelection();
    EXPECT_FALSE(FindNamed<QPushButton>(add, "OKButton")->isEnabled());
    list->item(1)->setSelected(true);
    EXPECT_TRUE(FindNamed<QPushButton>(add, "OKButton")->isEnabled());
    add.accept();
    EXPECT_EQ(add.Answer(), std::vector<std::string>{"Zed"});
}

TEST(EditModOptionsDialogTest, ShowsTheEntryAndReturnsTheChanges) {
    EditModOptionsRequest request;
    request.caption = "Edit MOD's Options and assign players to MOD (Capture The Flag)";
    request.entry.playerCfgs = {"Zed", "Ace"};
    request.entry.menuOnStartup = 3;
    request.entry.configLines = {"set a 1", "bind b c"};
    EditModOptionsDialog dialog(request);
    dialog.show();
    auto* players = FindNamed<QListWidget>(dialog, "PlayerCFGListBox");
    EXPECT_EQ(players->item(0)->text(), "Ace");
    auto* additional = FindNamed<QGroupBox>(dialog, "AdditionalGroupBox");
    auto* advanced = FindNamed<QPushButton>(dialog, "ShowHideAdditionalGroupBoxButton");
    EXPECT_FALSE(additional->isVisible());
    const int normalHeight = dialog.height();
    QTest::mouseClick(advanced, Qt::LeftButton);
    EXPECT_TRUE(additional->isVisible());
    EXPECT_EQ(advanced->text(), "<< Hide");
    EXPECT_GT(dialog.height(), normalHeight);

    dialog.AddPlayerCfgs({"Ace", "bob"});
    players->item(3)->setSelected(true);  // "Zed", after "bob"
    QTest::mouseClick(FindNamed<QPushButton>(dialog, "RemoveCFGButton"), Qt::LeftButton);
    ClickCheckBox(FindNamed<QCheckBox>(dialog, "enableDeathmatchCheckBox"));
    QTest::keyClicks(FindNamed<QLineEdit>(dialog, "MapNameEdit"), "q2dm1");
    QTest::mouseClick(FindNamed<QPushButton>(dialog, "OKButton"), Qt::LeftButton);
    const EditModOptionsAnswer answer = dialog.Answer();
    EXPECT_TRUE(answer.confirmed);
    EXPECT_EQ(answer.entry.playerCfgs, (std::vector<std::string>{"Ace", "Ace", "bob"}));
    EXPECT_FALSE(answer.entry.deathmatch);
    EXPECT_EQ(answer.entry.mapName, "q2dm1");
    EXPECT_EQ(answer.entry.menuOnStartup, 3);
    EXPECT_EQ(answer.entry.configLines, (std::vector<std::string>{"set a 1", "bind b c"}));
    EXPECT_FALSE(additional->isVisibleTo(&dialog));  // closing hides the group again
}

}  // namespace
}  // namespace korvex
