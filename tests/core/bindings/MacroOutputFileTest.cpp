#include <gtest/gtest.h>

#include "bindings/KeyListText.h"
#include "bindings/KeyNames.h"
#include "bindings/MacroOutputFile.h"
#include "support/ProgramDirFixture.h"

namespace korvex {
namespace {

// Read, bindings rebuilt from the key requests, written and read again: the second reading
// must see everything the first one wrote.
std::vector<std::string> RewriteAndReadBack(ProgramDirFixture& dir, const std::string& content) {
    dir.Write("players/Bob/T.MAC.out", content);
    MacroOutput output;
    EXPECT_TRUE(ReadMacroOutput(dir.Path("players/Bob/T.MAC.out"), output));
    DropKeyBindingLines(output);
    AppendBindLines(output);
    const std::vector<std::string> written = MacroOutputLines(output);
    dir.WriteLines("players/Bob/T.MAC.out", written);
    MacroOutput again;
    EXPECT_TRUE(ReadMacroOutput(dir.Path("players/Bob/T.MAC.out"), again));
    EXPECT_EQ(MacroOutputLines(again), written);
    return written;
}

TEST(MacroOutputFileTest, ADamagedFileRewrittenWithItsBindingsReadsBackWhole) {
    ProgramDirFixture dir;
    // Found by fuzzing: a hundred console lines left no room for the BIND line appended to them.
    RewriteAndReadBack(dir, ReadWholeFile(KORVEX_DATA_DIR "/../tests/fixtures/fuzz/macro_output_100_console_lines.out"));

    std::vector<std::string> lines = {"Tests", "1", "+attack", "Fire", "MOUSE1", "+jump", "Jump", ""};
    for (int i = 0; i < 60; ++i) lines.push_back("echo " + std::to_string(i));
    lines.push_back("BIND MOUSE1 \"+attack\"");
    lines.push_back("BIND " + std::string(3000, 'k') + " \"+jump\"");
    const std::vector<std::string> written = RewriteAndReadBack(dir, JoinLines(lines));
    // Fifty console lines stay, the request with keys gets its binding, the one without none,
    // and a binding longer than Korvex writes is dropped, not cut into a console line.
    ASSERT_EQ(written.size(), 8u + 50 + 1);
    EXPECT_EQ(written[8 + 49], "echo 49");
    EXPECT_EQ(written.back(), "BIND MOUSE1 \"+attack\"");
}

// The longest list the editor can build holds every key and every chord of two keys once.
TEST(MacroOutputFileTest, EveryKeyListKorvexCanWriteReadsBackWholeAndOnlyQuakeKeysPass) {
    std::string all;
    for (const std::string& key : QuakeKeyNames()) {
        all += (all.empty() ? "" : std::string(1, kKeyListSeparator)) + key;
        for (const std::string& held : QuakeKeyNames())
            if (held != key) all += kKeyListSeparator + key + "|" + held;
    }
    ASSERT_TRUE(IsKeyList(all));
    ProgramDirFixture dir;
    const std::vector<std::string> written =
        RewriteAndReadBack(dir, JoinLines({"Tests", "0", "+attack", "Fire", all, "BIND " + all + " \"+attack\""}));
    EXPECT_EQ(written[4], all);
    EXPECT_EQ(written.back(), "BIND " + all + " \"+attack\"");

    for (const char* keys : {"a", "a|SHIFT", "F12\xB0MOUSE1|JOY4\xB0KP_ENTER", "\\", "~"}) EXPECT_TRUE(IsKeyList(keys)) << keys;
    for (const char* keys : {"", "x \"quit\" y", "SHIF", "a|a", "a|b|c", "a\xB0", "NA", "JOY5", "f1", "a|"})
        EXPECT_FALSE(IsKeyList(keys)) << keys;

    // A hand-edited file names the first list that is no Quake II key, in a request or a binding.
    MacroOutput edited{"Tests", {{"+attack", "Fire", "MOUSE1"}, {"+jump", "Jump", ""}}, {"bind x quit", "BIND k|q \"+jump\""}};
    EXPECT_EQ(UnknownKeyOf(edited), std::nullopt);
    edited.commands.push_back("BIND x;quit \"+attack\"");
    EXPECT_EQ(UnknownKeyOf(edited), "x;quit");
    edited.keys[1].BoundKeys = "x \"quit\" y";
    EXPECT_EQ(UnknownKeyOf(edited), "x \"quit\" y");
    EXPECT_EQ(UnknownKeyMessage("SHIF"), "Only Quake II key names can be bound. (SHIF)");
}

}  // namespace
}  // namespace korvex
