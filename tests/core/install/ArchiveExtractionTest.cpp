#include <gtest/gtest.h>

#include <filesystem>

#include "install/ArchiveExtraction.h"
#include "platform/Path.h"
#include "support/ProgramDirFixture.h"
#include "support/ZipBuilder.h"

namespace korvex {
namespace {

namespace fs = std::filesystem;

class ArchiveTest : public ::testing::Test {
protected:
    ArchiveTest() { fs::create_directories(Temp()); }
    std::string Temp() const { return dir.Path("temp"); }
    std::string Archive(const std::string& name) const { return JoinPath(dir.root(), name); }
    std::vector<std::string> TempFiles() const {
        std::vector<std::string> files;
        for (const auto& entry : fs::recursive_directory_iterator(Temp()))
            files.push_back(fs::relative(entry.path(), Temp()).string());
        std::sort(files.begin(), files.end());
        return files;
    }

    ProgramDirFixture dir;
};

TEST_F(ArchiveTest, PlainAndSelfExtractingArchivesUnpackWithTheirFolders) {
    const std::vector<ZipEntry> ctf = {ZipFolder("ctf/"), ZipFile("ctf\\pak0.pak", "PACK"), ZipFile("ctf/readme.txt", "hi")};
    WriteZip(Archive("ctf.zip"), ctf);
    WriteZip(Archive("ctf.exe"), {ZipFile("ctf/gamex86.dll", "DLL"), ZipFile("ctf/readme.txt", "other")}, ProgramStub());
    EXPECT_TRUE(IsPlainArchive(Archive("ctf.zip")));
    EXPECT_TRUE(IsPlainArchive(Archive("ctf.exe")));

    int steps = 0;
    ASSERT_TRUE(ExtractArchive(Archive("ctf.zip"), Temp(), [&](int done, int total) {
        ++steps;
        EXPECT_EQ(total, 3);
        EXPECT_EQ(done, steps);
    }));
    EXPECT_EQ(steps, 3);
    ASSERT_TRUE(ExtractArchive(Archive("ctf.exe"), Temp()));
    EXPECT_EQ(TempFiles(), (std::vector<std::string>{"ctf", "ctf/gamex86.dll", "ctf/pak0.pak", "ctf/readme.txt"}));
    EXPECT_EQ(ReadWholeFile(JoinPath(Temp(), "ctf/readme.txt")), "hi");  // an existing file is kept
    EXPECT_FALSE(fs::exists(Temp() + ".unpacking"));
}

TEST_F(ArchiveTest, InstallersAndProgramsAreRunNotUnpacked) {
    WriteZip(Archive("sfx.exe"), {ZipFile("Disk1/Setup.exe", "MZ"), ZipFile("data1.cab", "x")}, ProgramStub());
    WriteZip(Archive("inst.zip"), {ZipFile("mod/INSTALL.EXE", "MZ")});
    WriteZip(Archive("empty.zip"), {});
    WriteWholeFile(Archive("setup.exe"), ProgramStub(70000));
    WriteWholeFile(Archive("text.zip"), "not an archive at all");
    for (const char* name : {"sfx.exe", "inst.zip", "empty.zip", "setup.exe", "text.zip", "missing.zip"})
        EXPECT_FALSE(IsPlainArchive(Archive(name))) << name;
    EXPECT_FALSE(ExtractArchive(Archive("text.zip"), Temp()));
    EXPECT_FALSE(ExtractArchive(Archive("empty.zip"), Temp()));
}

TEST_F(ArchiveTest, HostileArchivesAreRefusedWhole) {
    WriteZip(Archive("first.zip"), {ZipFile("keep.txt", "kept")});
    ASSERT_TRUE(ExtractArchive(Archive("first.zip"), Temp()));
    const std::string outside = JoinPath(dir.root(), "outside.txt");
    const std::vector<std::vector<ZipEntry>> hostile = {
        {ZipFile("harmless.txt", "x"), ZipFile("../../outside.txt", "escaped")},
        {ZipFile("harmless.txt", "x"), ZipFile("mod\\..\\..\\..\\outside.txt", "escaped")},
        {ZipFile("harmless.txt", "x"), ZipFile(outside, "escaped")},
        {ZipFile("harmless.txt", "x"), ZipLink("link", dir.root()), ZipFile("link/outside.txt", "escaped")},
        {ZipFile("harmless.txt", "x"), ZipLink("up", "../..")},
        {ZipFile("harmless.txt", "x"), ZipFile("c:/outside.txt", "escaped")},
    };
    for (std::size_t i = 0; i < hostile.size(); ++i) {
        const std::string archive = Archive("hostile" + std::to_string(i) + ".zip");
        WriteZip(archive, hostile[i]);
        EXPECT_FALSE(ExtractArchive(archive, Temp())) << i;
        EXPECT_EQ(TempFiles(), std::vector<std::string>{"keep.txt"}) << i;
        EXPECT_FALSE(fs::exists(outside)) << i;
    }
    WriteZip(Archive("inside.zip"), {ZipFile("maps/a.bsp", "A"), ZipLink("current", "maps/a.bsp")});
    EXPECT_TRUE(ExtractArchive(Archive("inside.zip"), Temp()));
    EXPECT_EQ(ReadWholeFile(JoinPath(Temp(), "current")), "A");
}

TEST_F(ArchiveTest, CompressionBombsAreStoppedAndLeaveNothing) {
    // Far more than a sane ratio to the archive's size.
    WriteZip(Archive("ratio.zip"), {ZipFile("a.txt", "x"), ZipFile("zeros.pak", std::string(40u << 20, '\0'))});
    EXPECT_FALSE(ExtractArchive(Archive("ratio.zip"), Temp()));

    // An entry that unpacks to more than it declares is cut off.
    std::string lying = BuildZip({ZipFile("a.txt", std::string(1000, 'a')), ZipFile("b.pak", std::string(1u << 20, 'b'))});
    ClaimUncompressedSize(lying, 1000);
    WriteWholeFile(Archive("lying.zip"), lying);
    EXPECT_FALSE(ExtractArchive(Archive("lying.zip"), Temp()));
    EXPECT_TRUE(TempFiles().empty());
    EXPECT_FALSE(fs::exists(Temp() + ".unpacking"));

    EXPECT_EQ(UnpackBudget(1000, 1u << 30), kAlwaysAllowedBytes);
    EXPECT_EQ(UnpackBudget(1u << 20, 1u << 30), (1u << 20) * kMostCompressionRatio);
    EXPECT_EQ(UnpackBudget(1u << 20, 5000), 5000u);  // no more than the disk holds
}

}  // namespace
}  // namespace korvex
