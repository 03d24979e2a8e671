#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

#include "platform/FileSystem.h"
#include "platform/Text.h"
#include "platform/TextFile.h"
#include "support/ProgramDirFixture.h"

namespace korvex {
namespace {

TEST(TextFile, LinesPastTheEndReadAsEmptyText) {
    ProgramDirFixture dir;
    dir.Write("short.dat", "one\r\ntwo\nthree");
    LineReader reader;
    ASSERT_TRUE(reader.Open(dir.Path("short.dat")));
    EXPECT_EQ(reader.ReadLine(), "one");
    EXPECT_EQ(reader.ReadLine(), "two");
    EXPECT_FALSE(reader.AtEnd());
    EXPECT_EQ(reader.ReadLine(), "three");
    EXPECT_TRUE(reader.AtEnd());
    EXPECT_EQ(reader.ReadLine() + reader.ReadLine(), "");
    EXPECT_FALSE(LineReader().Open(dir.Path("missing.dat")));
    EXPECT_FALSE(LineReader().Open(dir.Path("players")));
    ASSERT_EQ(::mkfifo(dir.Path("pipe.dat").c_str(), 0644), 0);
    EXPECT_FALSE(LineReader().Open(dir.Path("pipe.dat")));  // returns at once instead of waiting for a writer
}

TEST(TextFile, AtomicWritesReplaceWholeOrLeaveTheOldFile) {
    ProgramDirFixture dir;
    dir.Write("data.dat", "old\r\n");
    ASSERT_TRUE(WriteLinesAtomically(dir.Path("data.dat"), {"a", "b\xB0"}));
    EXPECT_EQ(dir.Read("data.dat"), "a\r\nb\xB0\r\n");
    {
        AtomicTextWriter dropped(dir.Path("data.dat"));
        dropped.WriteLine("never committed");
    }
    EXPECT_EQ(dir.Read("data.dat"), "a\r\nb\xB0\r\n");
    EXPECT_FALSE(WriteLinesAtomically(dir.Path("no/such/dir/x.dat"), {"a"}));
    EXPECT_FALSE(std::filesystem::exists(dir.Path("data.dat.korvex-new")));
    SetReadOnly(dir.Path("data.dat"));
    EXPECT_FALSE(WriteLinesAtomically(dir.Path("data.dat"), {"replaced"}));
    EXPECT_EQ(dir.Read("data.dat"), "a\r\nb\xB0\r\n");
}

TEST(TextFile, ExistingEntriesAreFoundWithoutRegardToCase) {
    ProgramDirFixture dir;
    const std::string game = dir.quakeDir();
    EXPECT_EQ(ResolveCase(game + "/BASEQ2/PLAYERS/Male/GRUNT_I.PCX"), game + "/baseq2/players/male/grunt_i.pcx");
    EXPECT_EQ(ResolveCase(game + "/BASEQ2/New/Thing.cfg"), game + "/baseq2/New/Thing.cfg");
    EXPECT_TRUE(FileExists(game + "/quake2.exe"));
    EXPECT_TRUE(DirectoryExists(game + "/BaseQ2/"));
    // An exact match wins over one that differs only in case.
    WriteWholeFile(game + "/baseq2/CONFIG.CFG", "upper");
    WriteWholeFile(game + "/baseq2/config.cfg", "lower");
    EXPECT_EQ(ResolveCase(game + "/baseq2/config.cfg"), game + "/baseq2/config.cfg");
    EXPECT_EQ(ResolveCase(game + "/baseq2/CONFIG.CFG"), game + "/baseq2/CONFIG.CFG");
}

TEST(Text, Windows1252SurvivesTheRoundTripThroughUtf8) {
    const std::string caption = "Korvex v0.855\xDF - \x80\x14\xB0";
    EXPECT_EQ(Cp1252ToUtf8("0.855\xDF"), "0.855\xC3\x9F");
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(caption)), caption);
    EXPECT_EQ(UpperCaseAscii("aB\xE4z"), "AB\xE4Z");
    EXPECT_EQ(TrimBlanksAndNuls(std::string(" \0x \0", 5)), "x");
}

}  // namespace
}  // namespace korvex
