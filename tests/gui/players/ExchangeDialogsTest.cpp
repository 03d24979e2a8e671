#include <gtest/gtest.h>

#include <QApplication>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "players/PlayerDialogs.h"

namespace korvex {
namespace {

// The message box that the dialog opens next is closed, its text kept in shown.
void CloseNextBox(QString& shown) {
    QTimer::singleShot(0, [&shown] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown = box->text();
            box->accept();
        }
    });
}

TEST(ExchangeSelection, AnEmptySelectionIsRefusedAndEscapeInTheListCancels) {
    PlayerListDialog dialog({"Select Player-CFGs to export", "Available Player-CFG's", {"a", "b"}, true, "Export",
                             "You must select at least one Player-CFG."});
    dialog.show();
    QString shown;
    CloseNextBox(shown);
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("ConfirmButton")), Qt::LeftButton);
    EXPECT_EQ(shown, QStringLiteral("You must select at least one Player-CFG."));
    EXPECT_TRUE(dialog.isVisible());

    auto* list = dialog.findChild<QListWidget*>();
    list->item(1)->setSelected(true);
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(dialog.Answer().confirmed);

    // A double-click on a chosen name confirms with it still chosen.
    dialog.show();
    shown.clear();
    CloseNextBox(shown);
    const QPoint first = list->visualItemRect(list->item(1)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, first);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, first);
    EXPECT_TRUE(shown.isEmpty()) << shown.toStdString();
    EXPECT_TRUE(dialog.Answer().confirmed);
    EXPECT_EQ(dialog.Answer().selected, std::vector<std::string>{"b"});
}

}  // namespace
}  // namespace korvex
