// Player-CFG directories for the tests of the Player-CFG store.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/ProgramDirTest.h"

namespace korvex {

std::vector<std::string> TemplateOptionLines();
// special.dat lines of a Player-CFG that inherits from ancestor, or from nobody when empty.
std::vector<std::string> SpecialLines(const std::string& ancestor);

// A Player-CFG directory with the template's options, inheriting as SpecialLines says.
void WritePlayer(const ProgramDirFixture& dir, const std::string& name, const std::string& ancestor = "");

// A program directory whose delivered Player-CFG "Player" is current.
struct PlayerStoreTest : ProgramDirTest {

    void SetUp() override;
    // The Player-CFG list dialog is confirmed with these rows selected.
    void AnswerRows(std::vector<std::size_t> rows) { host.playerListAnswers.push_back({true, std::move(rows)}); }
    // The same with the rows these names have in the list of all Player-CFGs.
    void AnswerList(const std::vector<std::string>& selected);
};

}  // namespace korvex
