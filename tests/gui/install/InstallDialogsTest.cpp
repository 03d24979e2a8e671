#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include "install/InstallDialogs.h"
#include "install/InstallWindows.h"
#include "mods/UnknownModDialog.h"
#include "support/gui/FindWidget.h"

namespace korvex {
namespace {

TEST(InstallDialogs, DistributionKindIsThePressedButton) {
    DistributionDialog multiple;
    QTest::mouseClick(FindNamed<QPushButton>(multiple, "MultipleButton"), Qt::LeftButton);
    EXPECT_EQ(multiple.Answer(), DistributionKind::Multiple);
    DistributionDialog cancelled;
    QTest::mouseClick(FindNamed<QPushButton>(cancelled, "CancelButton"), Qt::LeftButton);
    EXPECT_EQ(cancelled.Answer(), DistributionKind::Cancel);
}

TEST(InstallDialogs, NamesAreNeededBeforeOk) {
    IdentifyModDialog identify({});
    auto* ok = FindNamed<QPushButton>(identify, "OKButton");
    EXPECT_FALSE(ok->isEnabled());
    QTest::keyClicks(FindNamed<QLineEdit>(identify, "ModNameEdit"), "Rocket Arena");
    EXPECT_FALSE(ok->isEnabled());
    QTest::keyClicks(FindNamed<QLineEdit>(identify, "ModDirEdit"), " rocket ");
    ASSERT_TRUE(ok->isEnabled());
    QTest::mouseClick(ok, Qt::LeftButton);
    const ModIdentityAnswer answer = identify.Answer();
    EXPECT_TRUE(answer.confirmed);
    EXPECT_EQ(answer.directory, "rocket");

    UnknownModDialog unknown({"ctf", "/tmp", {}});
    auto* include = FindNamed<QPushButton>(unknown, "IncludeButton");
    QTest::keyClicks(FindNamed<QLineEdit>(unknown, "ModNameEdit"), "   ");
    EXPECT_FALSE(include->isEnabled());
    QTest::keyClicks(FindNamed<QLineEdit>(unknown, "ModNameEdit"), "CTF");
    QTest::mouseClick(include, Qt::LeftButton);
    EXPECT_TRUE(unknown.Answer().confirmed);
}

TEST(InstallDialogs, ListsAnswerWithTheSelectedFiles) {
    LocalizeModDialog localize({{"/tmp/a/pak0.pak", "/tmp/a/readme.txt"}});
    auto* ok = FindNamed<QPushButton>(localize, "OKButton");
    EXPECT_FALSE(ok->isEnabled());
    FindNamed<QListWidget>(localize, "RecentFilesList")->setCurrentRow(0);
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_EQ(localize.Answer().file, "/tmp/a/pak0.pak");

    UnclaimedFilesDialog unclaimed({"Unknown files", "text", {"/x/1", "/x/2", "/x/3"}});
    auto* list = FindNamed<QListWidget>(unclaimed, "UnclaimedFilesList");
    list->item(0)->setSelected(true);
    list->item(2)->setSelected(true);
    QTest::mouseClick(FindNamed<QPushButton>(unclaimed, "DeleteButton"), Qt::LeftButton);
    EXPECT_EQ(unclaimed.Answer().action, UnclaimedAction::Delete);
    EXPECT_EQ(unclaimed.Answer().selected, (std::vector<std::string>{"/x/1", "/x/3"}));
}

// While a setup program runs, only "Wake up!" answers the window: Escape or the window
// manager's close would leave the installation waiting with nothing on screen.
TEST(InstallDialogs, SetupRunningWindowStaysUntilItsButton) {
    SetupRunningWindow window;
    int wokenUp = 0;
    window.ShowWith([&] { ++wokenUp; });
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_TRUE(window.isVisible());
    window.close();
    EXPECT_TRUE(window.isVisible());
    QTest::mouseClick(FindNamed<QPushButton>(window, "WakeUpButton"), Qt::LeftButton);
    EXPECT_EQ(wokenUp, 1);
}

// The copying window counts files and bytes, its bar following the bytes; a step without files
// shows neither.
TEST(InstallDialogs, ProgressWindowShowsFilesAndBytes) {
    InstallProgressWindow window(InstallWindow::Copying);
    window.ShowProgress(QStringLiteral("/temp/ctf/pak0.pak"), {1, 4, 3 * 1024 * 1024, 4 * 1024 * 1024});
    EXPECT_EQ(FindNamed<QLabel>(window, "CountsLabel")->text(), "1 of 4 files, 3.0 of 4.0 MB");
    EXPECT_EQ(FindNamed<QProgressBar>(window, "ProgressBar")->value(), 750);
    window.ShowProgress(QStringLiteral("/temp/ctf/pak1.pak"), {4, 4, 4 * 1024 * 1024, 4 * 1024 * 1024});
    EXPECT_EQ(FindNamed<QLabel>(window, "CountsLabel")->text(), "4 of 4 files, 4.0 of 4.0 MB");
    window.ShowProgress(QStringLiteral("searching"), {});
    EXPECT_TRUE(FindNamed<QLabel>(window, "CountsLabel")->isHidden());
    EXPECT_TRUE(FindNamed<QProgressBar>(window, "ProgressBar")->isHidden());
}

}  // namespace
}  // namespace korvex
