#include <gtest/gtest.h>

#include <QBuffer>
#include <QCheckBox>
#include <QDialog>
#include <QHelpEvent>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTest>
#include <QTextBrowser>
#include <QToolTip>
#include <filesystem>

#include "app/MainWindow.h"
#include "app/StartUp.h"
#include "support/ProgramDirFixture.h"

namespace korvex {
namespace {

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() : window(dir.app()) { dir.host().onViewChanged = [this] { window.SyncFromCore(); }; }

    void Click(const char* name) {
        auto* button = window.findChild<QPushButton*>(QString::fromLatin1(name));
        ASSERT_NE(button, nullptr) << name;
        QTest::mouseClick(button, Qt::LeftButton);
    }
    int ShownPage() const { return window.findChild<QStackedWidget*>()->currentIndex(); }
    static QString Caption(const char* page) { return QString::fromUtf8("Korvex v0.855\u00DF - ") + QString::fromLatin1(page); }

    ProgramDirFixture dir;
    MainWindow window;
};

// A text is shown whole when its widget is at least as large as the text needs.
void ExpectWholeTextsIn(const QWidget& area) {
    for (const auto* label : area.findChildren<QLabel*>()) {
        if (label->wordWrap())
            EXPECT_GE(label->height(), label->heightForWidth(label->width())) << label->text().toStdString();
        else
            EXPECT_GE(label->width(), label->sizeHint().width()) << label->text().toStdString();
    }
    for (const auto* button : area.findChildren<QAbstractButton*>())
        EXPECT_GE(button->width(), button->sizeHint().width()) << button->text().toStdString();
}

// Every page shows its whole texts. While a macro asks for input, every navigation button only
// says so.
TEST_F(MainWindowTest, ButtonsSwitchPagesAndCaptionsUnlessAMacroDialogIsOpen) {
    StartUp(dir.app());
    window.show();
    EXPECT_EQ(window.size(), QSize(679, 535));
    EXPECT_EQ(window.windowTitle(), Caption("Player"));
    const std::tuple<const char*, int, const char*> buttons[] = {
        {"OptionsBitBtn", 4, "Options"},           {"MODLauncherBitBtn", 1, "MOD-Launcher"},
        {"AboutCreditsBitBtn", 5, "About / Credits"}, {"DemoLauncherBitBtn", 2, "Demo-Launcher"},
        {"ConfigEditorBitBtn", 0, "Player"}};
    for (const auto& [button, page, caption] : buttons) {
        Click(button);
        EXPECT_EQ(ShownPage(), page) << button;
        EXPECT_EQ(window.windowTitle(), Caption(caption));
    }
    // The Demo-Launcher, which offers nothing yet, says what it is for.
    auto* demos = window.findChild<QLabel*>(QStringLiteral("DemoLauncherText"));
    ASSERT_TRUE(demos);
    EXPECT_TRUE(demos->text().startsWith(QStringLiteral("This page is to play back recorded Quake II demos")));
    // The frame, its pages and its buttons show their whole texts.
    for (Page shown : {Page::Options, Page::AboutAndCredits}) {
        ShowMainPage(dir.app(), shown);
        QApplication::processEvents();
        ExpectWholeTextsIn(*window.findChild<QStackedWidget*>()->currentWidget());
    }
    for (auto* button : window.findChildren<QPushButton*>(Qt::FindDirectChildrenOnly))
        EXPECT_GE(button->width(), button->sizeHint().width()) << button->text().toStdString();

    dir.app().view.macroDialogDescription = "Zoom";
    ShowMainPage(dir.app(), Page::MacroDialog);
    for (const auto& [button, page, caption] : buttons) {
        Click(button);
        EXPECT_EQ(ShownPage(), 3) << button;
    }
    EXPECT_EQ(dir.host().BoxTexts(), std::vector<std::string>(5, "Please finish adding the macro first!"));
    EXPECT_EQ(window.windowTitle(), Caption("Macro-Dialog (Zoom)"));
}

TEST_F(MainWindowTest, OptionCheckBoxesFollowTheSettingsAndHintsSwitchOffAtOnce) {
    dir.app().options.quitAfterLaunching = true;
    window.SyncFromCore();
    auto* quit = window.findChild<QCheckBox*>(QStringLiteral("QuitKorvexAfterLaunchingCheckBox"));
    auto* hints = window.findChild<QCheckBox*>(QStringLiteral("ShowHintsCheckBox"));
    ASSERT_TRUE(quit && hints);
    EXPECT_TRUE(quit->isChecked());
    EXPECT_EQ(hints->text(), QStringLiteral("Show those bloody hints 'cos I'm a beginner"));

    hints->setChecked(false);
    EXPECT_FALSE(dir.app().options.showHints);
    QHelpEvent tip(QEvent::ToolTip, QPoint(1, 1), QPoint(1, 1));
    EXPECT_TRUE(window.eventFilter(quit, &tip));
    EXPECT_FALSE(QToolTip::isVisible());
    hints->setChecked(true);
    window.show();
    EXPECT_TRUE(window.eventFilter(quit, &tip));
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), quit->toolTip());
}

// The handbook opens in Korvex's own viewer, with the pictures beside it and its contents' links.
TEST_F(MainWindowTest, F1AndTheAboutPageShowTheHandbookOrSayWhereItIsMissing) {
    StartUp(dir.app());
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    const std::string missing = "Couldn't open file. (" + dir.Path("docs/handbook.md") + ")";
    Click("AboutCreditsBitBtn");
    Click("HandbookButton");
    EXPECT_EQ(dir.host().BoxTexts(), std::vector<std::string>{missing});

    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImage(4, 3, QImage::Format_RGB32).save(&buffer, "PNG");
    dir.Write("docs/images/pic.png", png.toStdString());
    std::string filler;
    for (int i = 0; i < 200; ++i) filler += "A line to scroll past.\n\n";
    dir.Write("docs/handbook.md",
              "# The Korvex handbook\n\n[2. Later](#2-later-on)\n\n![A picture](images/pic.png)\n\n" + filler +
                  "## 2. Later on\n\nThe end.\n");
    QTest::keyClick(&window, Qt::Key_F1);
    auto* viewer = window.findChild<QDialog*>(QStringLiteral("HandbookViewer"));
    ASSERT_TRUE(viewer && viewer->isVisible());
    EXPECT_EQ(viewer->windowTitle(), QStringLiteral("The Korvex handbook"));
    auto* text = viewer->findChild<QTextBrowser*>(QStringLiteral("HandbookText"));
    ASSERT_TRUE(text);
    EXPECT_EQ(viewer->focusWidget(), text);
    const QVariant picture = text->loadResource(QTextDocument::ImageResource, QUrl(QStringLiteral("images/pic.png")));
    EXPECT_EQ(QImage::fromData(picture.toByteArray()).size(), QSize(4, 3));
    text->setSource(text->source().resolved(QUrl(QStringLiteral("#2-later-on"))));
    const int place = text->verticalScrollBar()->value();
    EXPECT_GT(place, 0);

    QTest::keyClick(text, Qt::Key_Escape);
    EXPECT_FALSE(viewer->isVisible());
    Click("HandbookButton");
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_EQ(window.findChildren<QDialog*>(QStringLiteral("HandbookViewer")).size(), 1);
    EXPECT_EQ(text->verticalScrollBar()->value(), place);  // where the player left it
    EXPECT_EQ(dir.host().BoxTexts(), std::vector<std::string>{missing});
}

// The Options page shows the Quake II directory; "Browse..." takes only a folder that holds the
// game, stores it and offers the MOD scan.
TEST_F(MainWindowTest, TheOptionsPageShowsAndChangesTheQuakeDirectory) {
    StartUp(dir.app());
    window.show();
    Click("OptionsBitBtn");
    auto* edit = window.findChild<QLineEdit*>(QStringLiteral("QuakeDirEdit"));
    ASSERT_TRUE(edit);
    EXPECT_EQ(edit->text().toStdString(), dir.quakeDir());
    EXPECT_TRUE(edit->isReadOnly());

    const std::string copy = dir.root() + "/other/quake2";
    std::filesystem::create_directories(copy);
    std::filesystem::copy(dir.quakeDir(), copy, std::filesystem::copy_options::recursive);
    std::filesystem::remove(copy + "/baseq2/pak0.pak");
    FakeHost& host = dir.host();
    host.directoryAnswers = {{true, copy}, {false, {}}};
    host.Expect(Icon::Error,
                "There is no Quake II in " + copy +
                    ". A Quake II directory holds the game (QUAKE2.EXE, or quake2 on Linux) and its data in baseq2 "
                    "(pak0.pak).",
                Button::Ok);
    Click("ChangeQuakeDirButton");
    Click("ChangeQuakeDirButton");
    EXPECT_EQ(dir.app().paths.quakeDir, dir.quakeDir());

    std::filesystem::copy_file(dir.quakeDir() + "/baseq2/pak0.pak", copy + "/baseq2/pak0.pak");
    host.directoryAnswers = {{true, copy}};
    host.Expect(Icon::Question,
                "Korvex uses the Quake II directory " + copy +
                    " from now on. Would you like to make a complete MOD-Scan of it now?",
                Button::No);
    Click("ChangeQuakeDirButton");
    EXPECT_EQ(dir.app().paths.quakeDir, copy);
    EXPECT_EQ(edit->text().toStdString(), copy);
    EXPECT_EQ(dir.Read("quakepath.dat"), copy + "\r\n");
    EXPECT_EQ(host.boxes.size(), 2u);
}

TEST_F(MainWindowTest, ExitButtonClosesAndSavesEvenAfterAFatalReport) {
    StartUp(dir.app());
    dir.app().report.shuttingDown = true;
    Click("BitBtn3");
    EXPECT_EQ(dir.host().closeRequests, 1);
    dir.Remove("players/lastplayer.dat");
    ExitProgram(dir.app());
    EXPECT_EQ(dir.Read("players/lastplayer.dat"), "Player\r\n");
}

}  // namespace
}  // namespace korvex
