#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/SmallDialog.h"
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

TEST(PlayerDialogs, TheListRefusesAnEmptySelectionConfirmsByDoubleClickAndEscapeCancels) {
    PlayerListDialog dialog({"Select Player-CFGs to export", "Available Player-CFG's", {"a", "b"}, true, "Export",
                             "You must select at least one Player-CFG.", "exports"});
    CentreOnScreen(dialog);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Select Player-CFGs to export"));
    // Wide enough for the whole caption in the title bar's bold font.
    QFont bold = dialog.font();
    bold.setBold(true);
    EXPECT_GT(dialog.width(), QFontMetrics(bold).horizontalAdvance(dialog.windowTitle()) + 100);
    EXPECT_EQ(dialog.findChild<QLabel*>()->text(), QStringLiteral("Available Player-CFG's"));
    // The first entry is selected when the dialog opens: Enter confirms it at once.
    auto* list = dialog.findChild<QListWidget*>();
    ASSERT_TRUE(list->item(0)->isSelected());
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(dialog.Answer().confirmed);
    EXPECT_EQ(dialog.Answer().rows, std::vector<std::size_t>{0});

    dialog.show();
    list->clearSelection();
    QString shown;
    CloseNextBox(shown);
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("ConfirmButton")), Qt::LeftButton);
    EXPECT_EQ(shown, QStringLiteral("You must select at least one Player-CFG."));
    EXPECT_TRUE(dialog.isVisible());

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
    EXPECT_EQ(dialog.Answer().rows, std::vector<std::size_t>{1});
    list->item(0)->setSelected(true);  // the answer keeps the list's order
    dialog.accept();
    EXPECT_EQ(dialog.Answer().rows, (std::vector<std::size_t>{0, 1}));
}

TEST(PlayerDialogs, TheNameIsPresetReturnConfirmsAndAnEmptyOneCannotBeConfirmed) {
    PlayerNameDialog rename({"Rename Player-CFG", "New name", "Player", "Rename", "renames"});
    auto* name = rename.findChild<QLineEdit*>();
    auto* confirm = rename.findChild<QPushButton*>(QStringLiteral("ConfirmButton"));
    EXPECT_EQ(name->selectedText(), QStringLiteral("Player"));
    EXPECT_EQ(confirm->text(), QStringLiteral("Rename"));
    rename.show();
    QTest::keyClick(&rename, Qt::Key_Escape);
    EXPECT_FALSE(rename.Answer().confirmed);

    rename.show();
    for (const QString& blank : {QString(), QStringLiteral("   ")}) {
        name->setText(blank);
        EXPECT_FALSE(confirm->isEnabled());
        EXPECT_TRUE(confirm->toolTip().contains(QStringLiteral("cannot be empty")));
        QTest::keyClick(name, Qt::Key_Return);
        EXPECT_TRUE(rename.isVisible());
    }
    name->clear();
    QTest::keyClicks(name, QStringLiteral("Neu"));
    EXPECT_EQ(confirm->toolTip(), QStringLiteral("renames"));
    QTest::keyClick(name, Qt::Key_Return);
    EXPECT_TRUE(rename.Answer().confirmed);
    EXPECT_EQ(rename.Answer().name, "Neu");
}

}  // namespace
}  // namespace korvex
