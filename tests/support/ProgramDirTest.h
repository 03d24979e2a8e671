// A test with its own program directory, the application object and the scripted host.
#pragma once

#include <gtest/gtest.h>

#include "support/ProgramDirFixture.h"

namespace korvex {

class ProgramDirTest : public ::testing::Test {
protected:
    // Path below the sample Quake II directory.
    std::string Quake(const std::string& relative) const { return dir.quakeDir() + "/" + relative; }

    ProgramDirFixture dir;
    Korvex& app = dir.app();
    FakeHost& host = dir.host();
};

}  // namespace korvex
