#include <gtest/gtest.h>

#include "platform/TextFile.h"
#include "players/PlayerDataFiles.h"
#include "support/ProgramDirFixture.h"

namespace korvex {
namespace {

TEST(PlayerDataFiles, WhatIsWrittenReadsBackAndALineTooManyIsNoticed) {
    ProgramDirFixture dir;
    SpecialFile special;
    special.special1 = true;
    special.inherit1 = "Ancestor";
    special.inherit = {true, false, true, false, true, false, true};
    special.additionalCommands = true;
    special.additionalCommandLines = {"echo one", ""};
    ASSERT_TRUE(WriteLinesAtomically(dir.Path("special.dat"), SpecialFileLines(special)));
    auto read = ReadSpecialFile(dir.Path("special.dat"));
    ASSERT_TRUE(read);
    EXPECT_EQ(read->inherit1, "Ancestor");
    EXPECT_EQ(read->inherit, special.inherit);
    EXPECT_EQ(read->additionalCommandLines, special.additionalCommandLines);
    EXPECT_TRUE(read->complete);
    ASSERT_TRUE(AppendLineAtomically(dir.Path("special.dat"), "stray"));
    EXPECT_FALSE(ReadSpecialFile(dir.Path("special.dat"))->complete);

    const std::vector<BindingsEntry> entries{{"A.MAC", "A", "Cat"}, {"B.MAC", "B", "Other"}};
    ASSERT_TRUE(WriteLinesAtomically(dir.Path("bindings.dat"), BindingsFileLines(entries)));
    const auto bindings = ReadBindingsFile(dir.Path("bindings.dat"));
    ASSERT_TRUE(bindings);
    ASSERT_EQ(bindings->entries.size(), 2u);
    EXPECT_EQ(bindings->entries[1].category, "Other");
    EXPECT_TRUE(bindings->complete);
    EXPECT_FALSE(ReadOptionsFile(dir.Path("missing.dat")));
}

}  // namespace
}  // namespace korvex
