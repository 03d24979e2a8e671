#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "app/QuakeDirDialogs.h"
#include "support/gui/FindWidget.h"

namespace korvex {
namespace {

// The list opens with the first find selected, so that Enter takes it; Browse and Cancel say so.
TEST(QuakeDirDialogTest, ListsTheFindsAndAnswersWhatThePlayerPressed) {
    const QuakeDirRequest request{{"/games/quake2", "/opt/quake2"}};
    {
        QuakeDirDialog dialog(request);
        auto* list = FindNamed<QListWidget>(dialog, "QuakeDirList");
        ASSERT_EQ(list->count(), 2);
        EXPECT_EQ(list->currentRow(), 0);
        list->setCurrentRow(1);
        QTest::mouseClick(FindNamed<QPushButton>(dialog, "OkButton"), Qt::LeftButton);
        EXPECT_EQ(dialog.Answer().choice, QuakeDirChoice::Found);
        EXPECT_EQ(dialog.Answer().directory, "/opt/quake2");
    }
    for (const char* button : {"BrowseButton", "CancelButton"}) {
        QuakeDirDialog dialog(request);
        QTest::mouseClick(FindNamed<QPushButton>(dialog, button), Qt::LeftButton);
        EXPECT_EQ(dialog.Answer().choice,
                  std::string(button) == "BrowseButton" ? QuakeDirChoice::Browse : QuakeDirChoice::Cancel);
    }
    // Nothing found: no list, and Browse is the default.
    QuakeDirDialog none(QuakeDirRequest{});
    EXPECT_FALSE(FindNamed<QListWidget>(none, "QuakeDirList")->isVisibleTo(&none));
    EXPECT_FALSE(FindNamed<QPushButton>(none, "OkButton")->isEnabled());
    EXPECT_TRUE(FindNamed<QPushButton>(none, "BrowseButton")->isDefault());
}

// The window shows where the search is and how many it found; Cancel or Escape stop it.
TEST(QuakeSearchWindowTest, ShowsTheProgressAndStopsOnCancelOrEscape) {
    QuakeSearchWindow window;
    EXPECT_TRUE(window.ShowProgress({"/home/player", 0}));
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Initializing"));
    EXPECT_EQ(FindNamed<QLabel>(window, "FolderLabel")->text(), QStringLiteral("/home/player"));
    EXPECT_EQ(FindNamed<QLabel>(window, "FoundLabel")->text(), QStringLiteral("0 Quake II directories found"));
    QTest::qWait(60);
    EXPECT_TRUE(window.ShowProgress({"/home/player/games", 1}));
    EXPECT_EQ(FindNamed<QLabel>(window, "FoundLabel")->text(), QStringLiteral("1 Quake II directory found"));
    QTest::mouseClick(FindNamed<QPushButton>(window, "CancelButton"), Qt::LeftButton);
    EXPECT_FALSE(window.ShowProgress({"/home/player/games/q2", 1}));
    EXPECT_TRUE(window.isVisible()) << "it stays until the search has ended";

    window.hide();
    EXPECT_TRUE(window.ShowProgress({"/", 0}));
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_FALSE(window.ShowProgress({"/usr", 0}));
}

}  // namespace
}  // namespace korvex
