#include <gtest/gtest.h>

#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iostream>

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
    bool Extract(const std::string& archive, const ExtractProgress& progress = {}) {
        return ExtractArchive(archive, Temp(), refusal, progress);
    }
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
    std::string refusal;
};

TEST_F(ArchiveTest, PlainAndSelfExtractingArchivesUnpackWithTheirFolders) {
    const std::vector<ZipEntry> ctf = {ZipFolder("ctf/"), ZipFile("ctf\\pak0.pak", "PACK"), ZipFile("ctf/readme.txt", "hi")};
    WriteZip(Archive("ctf.zip"), ctf);
    WriteZip(Archive("ctf.exe"), {ZipFile("ctf/gamex86.dll", "DLL"), ZipFile("ctf/readme.txt", "other")}, ProgramStub());
    EXPECT_TRUE(IsPlainArchive(Archive("ctf.zip")));
    EXPECT_TRUE(IsPlainArchive(Archive("ctf.exe")));

    int steps = 0;
    const fs::path workingDirectory = fs::current_path();
    InstallProgress last;
    ASSERT_TRUE(Extract(Archive("ctf.zip"), [&](const InstallProgress& progress) {
        ++steps;
        EXPECT_EQ(progress.files, 3);
        EXPECT_EQ(progress.filesDone, steps);
        EXPECT_EQ(fs::current_path(), workingDirectory);  // Korvex never changes its own
        last = progress;
    }));
    EXPECT_EQ(steps, 3);
    EXPECT_EQ(last, (InstallProgress{3, 3, 6, 6}));  // "PACK" and "hi"
    EXPECT_EQ(ProgressText({120, 2000, 7 * 1024 * 1024, 115 * 1024 * 1024}), "120 of 2000 files, 7.0 of 115.0 MB");
    ASSERT_TRUE(Extract(Archive("ctf.exe")));
    EXPECT_EQ(TempFiles(), (std::vector<std::string>{"ctf", "ctf/gamex86.dll", "ctf/pak0.pak", "ctf/readme.txt"}));
    EXPECT_EQ(ReadWholeFile(JoinPath(Temp(), "ctf/readme.txt")), "hi");  // an existing file is kept
    EXPECT_FALSE(fs::exists(Temp() + ".korvex-new"));
}

TEST_F(ArchiveTest, InstallersAndProgramsAreRunNotUnpacked) {
    WriteZip(Archive("sfx.exe"), {ZipFile("Disk1/Setup.exe", "MZ"), ZipFile("data1.cab", "x")}, ProgramStub());
    WriteZip(Archive("inst.zip"), {ZipFile("mod/INSTALL.EXE", "MZ")});
    WriteZip(Archive("empty.zip"), {});
    WriteWholeFile(Archive("setup.exe"), ProgramStub(70000));
    WriteWholeFile(Archive("text.zip"), "not an archive at all");
    for (const char* name : {"sfx.exe", "inst.zip", "empty.zip", "setup.exe", "text.zip", "missing.zip"})
        EXPECT_FALSE(IsPlainArchive(Archive(name))) << name;
    EXPECT_FALSE(Extract(Archive("text.zip")));
    EXPECT_EQ(refusal, "it cannot be read as a ZIP archive");
    EXPECT_FALSE(Extract(Archive("empty.zip")));
}

// Names from DOS and older Windows writers are in the PC code page, newer ones flag UTF-8:
// both unpack under their proper names, in any locale.
TEST_F(ArchiveTest, NamesOfEveryZipWriterUnpackUnderTheirProperNames) {
    std::string dos = BuildZip({ZipFile("ctf/Xbung.txt", "dos"), ZipFile("ctf/readme.txt", "r")});
    SpellInCodePage(dos, "Xbung", "\x9a" "bung");  // "Übung"
    WriteWholeFile(Archive("dos.zip"), dos);
    std::string utf8 = BuildZip({ZipFile("ctf/Caf\xc3\xa9.txt", "utf8")});
    FlagNamesUtf8(utf8);
    WriteWholeFile(Archive("utf8.zip"), utf8);
    std::vector<std::string> names;
    ASSERT_TRUE(ListArchive(Archive("dos.zip"), names));
    EXPECT_EQ(names.at(0), "ctf/\xdc" "bung.txt");  // Korvex spells names in Windows-1252
    ASSERT_TRUE(Extract(Archive("dos.zip"))) << refusal;
    ASSERT_TRUE(Extract(Archive("utf8.zip"))) << refusal;
    EXPECT_EQ(TempFiles(), (std::vector<std::string>{"ctf", "ctf/Caf\xc3\xa9.txt", "ctf/readme.txt",
                                                     "ctf/\xc3\x9c" "bung.txt"}));
    EXPECT_EQ(ReadWholeFile(JoinPath(Temp(), "ctf/\xc3\x9c" "bung.txt")), "dos");
}

TEST_F(ArchiveTest, HostileArchivesAreRefusedWhole) {
    WriteZip(Archive("first.zip"), {ZipFile("keep.txt", "kept")});
    ASSERT_TRUE(Extract(Archive("first.zip")));
    const std::string outside = JoinPath(dir.root(), "outside.txt");
    const std::vector<std::pair<std::vector<ZipEntry>, std::string>> hostile = {
        {{ZipFile("harmless.txt", "x"), ZipFile("../../outside.txt", "escaped")},
         "the entry ../../outside.txt would land outside the folder it is unpacked into"},
        {{ZipFile("harmless.txt", "x"), ZipFile("mod\\..\\..\\..\\outside.txt", "escaped")}, ""},
        {{ZipFile("harmless.txt", "x"), ZipFile(outside, "escaped")}, ""},
        {{ZipFile("harmless.txt", "x"), ZipLink("link", dir.root()), ZipFile("link/outside.txt", "escaped")},
         "the entry link is a link"},
        {{ZipFile("harmless.txt", "x"), ZipLink("up", "../..")}, ""},
        {{ZipFile("harmless.txt", "x"), ZipFile("c:/outside.txt", "escaped")}, ""},
        // A MOD needs no links, not even one that stays inside.
        {{ZipFile("maps/a.bsp", "A"), ZipLink("current", "maps/a.bsp")}, ""},
        {{ZipFile("harmless.txt", "x"), ZipFile("ctf/new\nline.txt", "x")},
         "the name of an entry holds a control character"},
        {{ZipFile("harmless.txt", "x"), ZipFile("ctf/carriage\rreturn.txt", "x")}, ""},
        {{ZipFile("harmless.txt", "x"), ZipFile("ctf/tab\t.txt", "x")}, ""},
    };
    for (std::size_t i = 0; i < hostile.size(); ++i) {
        const std::string archive = Archive("hostile" + std::to_string(i) + ".zip");
        WriteZip(archive, hostile[i].first);
        EXPECT_FALSE(Extract(archive)) << i;
        if (!hostile[i].second.empty()) {
            EXPECT_EQ(refusal, hostile[i].second);
        }
        EXPECT_EQ(TempFiles(), std::vector<std::string>{"keep.txt"}) << i;
        EXPECT_FALSE(fs::exists(outside)) << i;
    }
}

// Unpacks the archive onto a small file system that fills up after the first entry, as a disk
// does that other programs write to meanwhile. Runs in a child process with a mount
// namespace of its own; its exit status: 0 when the archive was refused as it should be, 77
// when no file system could be mounted.
int UnpackOntoFillingDisk(const std::string& archive, const std::string& mountPoint) {
    if (::unshare(CLONE_NEWNS) != 0 || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
        ::mount("tmpfs", mountPoint.c_str(), "tmpfs", 0, "size=1m") != 0)
        return 77;
    const std::string temp = JoinPath(mountPoint, "temp");
    fs::create_directory(temp);
    std::string refusal;
    const bool extracted = ExtractArchive(archive, temp, refusal, [&](const InstallProgress& progress) {
        if (progress.filesDone != 1) return;
        std::ofstream filler(JoinPath(mountPoint, "filler"), std::ios::binary);
        const std::string block(4096, 'f');
        while (filler.write(block.data(), block.size()) && filler.flush()) {}
    });
    std::cerr << refusal << '\n';
    if (extracted || refusal != "ctf/pak0.pak could not be written: the disk is full") return 1;
    return fs::is_empty(temp) && !fs::exists(temp + ".korvex-new") ? 0 : 2;
}

// A damaged entry or a write that fails refuses the archive, and nothing of it reaches the
// target.
TEST_F(ArchiveTest, DamagedEntriesAndFailedWritesRefuseTheArchive) {
    std::string damaged = BuildZip({ZipFile("ctf/pak0.pak", std::string(5000, 'p'))});
    SpoilChecksums(damaged);
    WriteWholeFile(Archive("damaged.zip"), damaged);
    EXPECT_FALSE(Extract(Archive("damaged.zip")));
    EXPECT_EQ(refusal, "the entry ctf/pak0.pak is damaged");
    EXPECT_TRUE(TempFiles().empty());

    WriteZip(Archive("big.zip"), {ZipFile("ctf/readme.txt", "r"), ZipFile("ctf/pak0.pak", std::string(500000, 'p'))});
    const std::string disk = JoinPath(dir.root(), "disk");
    fs::create_directory(disk);
    const pid_t child = ::fork();
    if (child == 0) ::_exit(UnpackOntoFillingDisk(Archive("big.zip"), disk));
    int status = -1;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == 77) GTEST_SKIP() << "mounting a small file system needs root";
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

TEST_F(ArchiveTest, CompressionBombsAreStoppedAndLeaveNothing) {
    // Far more than a sane ratio to the archive's size.
    WriteZip(Archive("ratio.zip"), {ZipFile("a.txt", "x"), ZipFile("zeros.pak", std::string(40u << 20, '\0'))});
    EXPECT_FALSE(Extract(Archive("ratio.zip")));
    EXPECT_EQ(refusal, "it would unpack to far more than it plausibly holds");

    // An entry that unpacks to more than it declares is cut off.
    std::string lying = BuildZip({ZipFile("a.txt", std::string(1000, 'a')), ZipFile("b.pak", std::string(1u << 20, 'b'))});
    ClaimUncompressedSize(lying, 1000);
    WriteWholeFile(Archive("lying.zip"), lying);
    EXPECT_FALSE(Extract(Archive("lying.zip")));
    EXPECT_TRUE(TempFiles().empty());
    EXPECT_FALSE(fs::exists(Temp() + ".korvex-new"));

    EXPECT_EQ(UnpackBudget(1000), kAlwaysAllowedBytes);
    EXPECT_EQ(UnpackBudget(1u << 20), (1u << 20) * kMostCompressionRatio);
    // The disk counts whole blocks: a thousand one-byte files take a thousand blocks.
    EXPECT_EQ(SpaceOnDisk(std::vector<std::uintmax_t>(1000, 1), 2, 4096), 1002u * 4096);
    EXPECT_EQ(SpaceOnDisk({0, 4096, 4097}, 0, 4096), 3u * 4096);
}

}  // namespace
}  // namespace korvex
