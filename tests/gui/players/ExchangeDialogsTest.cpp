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

TEST(ExchangeSelection, AnEmptySelectionIsRefusedAndEscapeInTheListCancels) {
    PlayerListDialog dialog({"Select Player-CFGs to export", "Available Player-CFG's", {"a", "b"}, true, "Export",
                             "You must select at least one Player-CFG."});
    dialog.show();
    QString shown;
    QTimer::singleShot(0, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown = box->text();
            box->accept();
        }
    });
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("ConfirmButton")), Qt::LeftButton);
    EXPECT_EQ(shown, QStringLiteral("You must select at least one Player-CFG."));
    EXPECT_TRUE(dialog.isVisible());

    auto* list = dialog.findChild<QListWidget*>();
    list->item(1)->setSelected(true);
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(dialog.Answer().confirmed);
}

}  // namespace
}  // namespace korvex
