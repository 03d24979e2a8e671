// A started Korvex with its main window shown, on a temporary program directory.
#pragma once

#include <gtest/gtest.h>

#include "app/Korvex.h"
#include "app/MainWindow.h"
#include "app/StartUp.h"
#include "support/ProgramDirFixture.h"

namespace korvex {

class MacroWindowTest : public ::testing::Test {
protected:
    MacroWindowTest() : window(dir.app()) {
        dir.host().onViewChanged = [this] { window.SyncFromCore(); };
        StartUp(dir.app());
        window.show();
    }

    ProgramDirFixture dir;
    MainWindow window;
};

}  // namespace korvex
