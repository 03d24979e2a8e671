#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QTableWidget>
#include <QTest>

#include "app/Korvex.h"
#include "app/SmallDialog.h"
#include "bindings/KeyNames.h"
#include "bindings/KeyboardLayout.h"
#include "bindings/KeyboardMapDialog.h"
#include "bindings/KeyboardWidget.h"
#include "support/FakeHost.h"
#include "support/gui/FindWidget.h"

namespace korvex {
namespace {

// P binds a with two macros, F1 with one, q under SHIFT and inherits z from B.
KeyMap SampleMap() {
    const KeyMapMacro fire{"Test Fire", "P", "Weapons"}, jump{"Test Jump", "P", "Moves"};
    const KeyMapMacro talk{"Test Talk", "P", "Talk"}, duck{"Test Duck", "P", "Moves"}, zoom{"Test Zoom", "B", "View"};
    return {"P",
            {{"a", "+moveup; +attack", {jump, fire}},
             {"F1", "say hi", {talk}},
             {"q|SHIFT", "+movedown", {duck}},
             {"z", "fov 45.00000", {zoom}}}};
}

class KeyboardMapDialogTest : public ::testing::Test {
protected:
    KeyboardMapDialogTest() {
        app.player.includedMacros = {"Test Duck", "Test Fire", "Test Jump", "Test Talk"};
        dialog.show();
    }
    void Click(const char* name) {
        const QRect cap = keyboard->CapRect(QString::fromLatin1(name));
        ASSERT_FALSE(cap.isEmpty()) << name;
        QTest::mouseClick(keyboard, Qt::LeftButton, Qt::NoModifier, cap.center());
    }
    // The fill of a cap beside its label and above its pattern.
    QRgb FillOf(const QImage& image, const char* name) {
        return image.pixel(keyboard->CapRect(QString::fromLatin1(name)).topLeft() + QPoint(5, 6));
    }

    FakeHost host;
    Korvex app{host};
    KeyboardMapDialog dialog{SampleMap(), [this](const KeyMap& map, const std::vector<const KeyMapKey*>& keys) {
                                 SelectMacrosOfKeys(host, app.player, app.macroLists, map, keys);
                             }};
    KeyboardWidget* keyboard = FindNamed<KeyboardWidget>(dialog, "Keyboard");
};

TEST_F(KeyboardMapDialogTest, TintsTheThreeKindsAndMarksTheModifier) {
    const QImage image = keyboard->grab().toImage();
    EXPECT_EQ(FillOf(image, "a"), keyboard->TintOf(KeyKind::Shared).rgb());
    EXPECT_EQ(FillOf(image, "F1"), keyboard->TintOf(KeyKind::Own).rgb());
    EXPECT_EQ(FillOf(image, "z"), keyboard->TintOf(KeyKind::Inherited).rgb());
    EXPECT_EQ(FillOf(image, "F2"), keyboard->palette().color(QPalette::Button).rgb());
    EXPECT_NE(keyboard->TintOf(KeyKind::Own), keyboard->TintOf(KeyKind::Inherited));
    EXPECT_NE(keyboard->TintOf(KeyKind::Inherited), keyboard->TintOf(KeyKind::Shared));

    EXPECT_TRUE(keyboard->LookOf(QStringLiteral("SHIFT")).modifier);
    EXPECT_FALSE(keyboard->LookOf(QStringLiteral("SHIFT")).bound) << "the trigger is no macro's binding";
    EXPECT_FALSE(keyboard->LookOf(QStringLiteral("q")).bound);

    // Every input drawn is one the key capture can name.
    std::set<std::string> names;
    for (int code = 0; code < 256; ++code)
        for (std::uint32_t flags : {0u, kExtendedKeyFlag}) names.insert(KeyNameOf({InputKind::Keyboard, flags, code}));
    for (int button = 1; button <= kMouseButtons; ++button) names.insert(KeyNameOf({InputKind::Mouse, 0, 0, button}));
    for (int button = 1; button <= kJoystickButtons; ++button)
        names.insert(KeyNameOf({InputKind::Joystick, 0, 0, button}));
    for (const KeyCap& cap : KeyboardLayout()) EXPECT_TRUE(names.contains(cap.name)) << cap.name;
}

TEST_F(KeyboardMapDialogTest, ClickingAKeySelectsItsMacrosAndAModifierListsItsChords) {
    auto* line = FindNamed<QLabel>(dialog, "KeyLine");
    auto* chords = FindNamed<QLabel>(dialog, "ChordList");
    auto* table = FindNamed<QTableWidget>(dialog, "KeyMapTable");
    ASSERT_EQ(table->rowCount(), 4);
    EXPECT_EQ(table->item(0, 2)->text(), QStringLiteral("Test Jump (P); Test Fire (P)"));

    QTest::mouseMove(keyboard, keyboard->CapRect(QStringLiteral("a")).center());
    EXPECT_EQ(line->text(), QStringLiteral("a runs \"+moveup; +attack\", bound by Test Jump (P); Test Fire (P)"));
    Click("a");
    EXPECT_EQ(app.macroLists.includedSelected, (std::vector<bool>{false, true, true, false}));
    EXPECT_EQ(table->selectionModel()->selectedRows().size(), 1);
    EXPECT_EQ(table->item(table->selectionModel()->selectedRows().first().row(), 0)->text(), QStringLiteral("a"));

    Click("SHIFT");
    EXPECT_EQ(app.macroLists.includedSelected, (std::vector<bool>{true, false, false, false}));
    EXPECT_FALSE(chords->isHidden());
    EXPECT_TRUE(chords->text().contains(QStringLiteral("q|SHIFT runs \"+movedown\", bound by Test Duck (P)")));

    Click("z");  // inherited: no macro of P's list binds it
    EXPECT_EQ(app.macroLists.includedSelected, (std::vector<bool>(4, false)));
    EXPECT_TRUE(chords->isHidden());

    table->sortByColumn(0, Qt::DescendingOrder);
    table->selectRow(0);
    EXPECT_EQ(table->item(0, 0)->text(), QStringLiteral("z"));
    table->selectRow(3);
    EXPECT_EQ(app.macroLists.includedSelected, (std::vector<bool>{false, true, true, false}));
}

// The map asks for more room than a small screen has: a window larger than the screen is made
// to fit it.
TEST(MoveToScreenCentre, MakesAWindowLargerThanTheScreenFitIt) {
    QWidget window;
    window.resize(5000, 5000);
    MoveToScreenCentre(window);
    EXPECT_TRUE(QApplication::primaryScreen()->availableGeometry().contains(window.geometry()));
}

}  // namespace
}  // namespace korvex
