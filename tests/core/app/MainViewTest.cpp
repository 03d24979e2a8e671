#include <gtest/gtest.h>

#include "app/MainView.h"
#include "app/StartUp.h"
#include "support/ProgramDirFixture.h"

namespace korvex {
namespace {

TEST(MainView, CaptionsNameTheProgramAndThePage) {
    ProgramDirFixture dir;
    StartUp(dir.app());
    const std::string prefix = "Korvex v0.855\xDF - ";
    EXPECT_EQ(dir.app().view.caption, prefix + "Player");
    const std::pair<Page, std::string> expected[] = {{Page::ModLauncher, "MOD-Launcher"},
                                                     {Page::DemoLauncher, "Demo-Launcher"},
                                                     {Page::Options, "Options"},
                                                     {Page::AboutAndCredits, "About / Credits"},
                                                     {Page::ConfigEditor, "Player"}};
    for (const auto& [page, caption] : expected) {
        EXPECT_TRUE(NavigateTo(dir.app(), page));
        EXPECT_EQ(dir.app().view.page, page);
        EXPECT_EQ(dir.app().view.caption, prefix + caption);
    }
    dir.app().view.macroDialogDescription = "Rocket Jump";
    ShowMainPage(dir.app(), Page::MacroDialog);
    EXPECT_EQ(dir.app().view.caption, prefix + "Macro-Dialog (Rocket Jump)");
}

TEST(MainView, EveryNavigationIsRefusedWhileAMacroDialogShows) {
    ProgramDirFixture dir;
    StartUp(dir.app());
    ShowMainPage(dir.app(), Page::MacroDialog);
    for (Page page : {Page::ConfigEditor, Page::ModLauncher, Page::DemoLauncher, Page::Options, Page::AboutAndCredits}) {
        EXPECT_FALSE(NavigateTo(dir.app(), page));
        EXPECT_EQ(dir.app().view.page, Page::MacroDialog);
        EXPECT_EQ(dir.host().boxes.back().text, "Please finish adding the macro first!");
        EXPECT_EQ(dir.host().boxes.back().icon, Icon::Error);
    }
    EXPECT_EQ(dir.host().boxes.size(), 5u);
}

TEST(MainView, ExitButtonSavesEvenAfterAFatalReport) {
    ProgramDirFixture dir;
    StartUp(dir.app());
    dir.app().shuttingDown = true;
    BitBtn11Click(dir.app());
    EXPECT_FALSE(dir.app().shuttingDown);
    EXPECT_EQ(dir.host().closeRequests, 1);
    ExitProgram(dir.app());
    EXPECT_TRUE(dir.Exists("korvexoptions.dat"));
}

}  // namespace
}  // namespace korvex
