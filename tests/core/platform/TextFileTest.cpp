#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

#include "platform/FileSystem.h"
#include "platform/Text.h"
#include "platform/TextFile.h"
#include "support/ProgramDirTest.h"

namespace korvex {
namespace {

using TextFile = ProgramDirTest;
using AtomicFile = ProgramDirTest;

TEST_F(TextFile, LinesPastTheEndReadAsEmptyText) {
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

TEST_F(TextFile, AtomicWritesReplaceWholeOrLeaveTheOldFile) {
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

TEST_F(TextFile, ExistingEntriesAreFoundWithoutRegardToCase) {
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

// Both ways of replacing a file write through a symbolic link and keep the file's mode.
TEST_F(AtomicFile, WritingAndCopyingKeepLinksAndModes) {
    dir.Write("real/data.dat", "old\r\n");
    dir.Write("real/copy.dat", "old\r\n");
    dir.Write("source.dat", "copied\r\n");
    namespace fs = std::filesystem;
    for (const char* name : {"data.dat", "copy.dat"}) {
        fs::create_symlink(dir.Path(std::string("real/") + name), dir.Path(std::string("link-") + name));
        fs::permissions(dir.Path(std::string("real/") + name), fs::perms::owner_read | fs::perms::owner_write);
    }
    fs::permissions(dir.Path("source.dat"), fs::perms::owner_read | fs::perms::owner_write);

    ASSERT_TRUE(WriteLinesAtomically(dir.Path("link-data.dat"), {"new"}));
    ASSERT_TRUE(CopyFileOver(dir.Path("source.dat"), dir.Path("link-copy.dat")));
    for (const char* name : {"data.dat", "copy.dat"}) {
        EXPECT_TRUE(fs::is_symlink(dir.Path(std::string("link-") + name))) << name;
        EXPECT_EQ(fs::status(dir.Path(std::string("real/") + name)).permissions() & fs::perms::all,
                  fs::perms::owner_read | fs::perms::owner_write)
            << name;
    }
    EXPECT_EQ(dir.Read("real/data.dat"), "new\r\n");
    EXPECT_EQ(dir.Read("real/copy.dat"), "copied\r\n");
    EXPECT_EQ(ListDirectory(dir.Path("real")).size(), 2u) << "no temporary file is left";
}

}  // namespace
}  // namespace korvex
