#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>
#include <thread>

#include "install/NewFileSearch.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"
#include "support/ProgramDirTest.h"

namespace korvex {
namespace {

using NewFileSearch = ProgramDirTest;

namespace fs = std::filesystem;

TEST_F(NewFileSearch, FindsFilesCreatedSinceTheStartBelowEveryRoot) {
    const std::string drive = JoinPath(dir.root(), "drive");
    WriteWholeFile(JoinPath(drive, "old/old.txt"), "old");
    const std::int64_t before = LookUpEntry(JoinPath(drive, "old/old.txt"))->creationTime;
    // Creation times count in whole seconds: the new files come a second later.
    while (std::time(nullptr) <= before) std::this_thread::yield();
    const std::int64_t since = before + 1;
    WriteWholeFile(JoinPath(drive, "games/newmod/pak0.pak"), "p");
    WriteWholeFile(JoinPath(drive, "games/newmod/sub/a.txt"), "a");
    WriteWholeFile(JoinPath(drive, "windows/system.dll"), "d");
    WriteWholeFile(JoinPath(drive, ".hidden/skipped.txt"), "h");
    fs::create_directory_symlink(drive, JoinPath(drive, "games/loop"));  // never followed

    NewFiles found;
    std::vector<std::string> visited;
    EXPECT_TRUE(ScanForNewFiles({drive, JoinPath(dir.root(), "no such drive")}, since, found,
                                [&](const std::string& directory) {
                                    visited.push_back(directory);
                                    return true;
                                }));
    EXPECT_EQ(found.files, (std::vector<std::string>{JoinPath(drive, "games/newmod/pak0.pak"),
                                                     JoinPath(drive, "games/newmod/sub/a.txt"),
                                                     JoinPath(drive, "windows/system.dll")}));
    // Subdirectories are searched before the files of their directory.
    const auto& dirs = found.directories;
    ASSERT_EQ(dirs.size(), 3u);
    EXPECT_LT(std::find(dirs.begin(), dirs.end(), JoinPath(drive, "games/newmod/sub")),
              std::find(dirs.begin(), dirs.end(), JoinPath(drive, "games/newmod")));
    EXPECT_NE(std::find(dirs.begin(), dirs.end(), JoinPath(drive, "windows")), dirs.end());
    EXPECT_EQ(std::count(visited.begin(), visited.end(), drive), 1);

    NewFiles cancelled;
    EXPECT_FALSE(ScanForNewFiles({drive}, since, cancelled, [](const std::string&) { return false; }));
    EXPECT_TRUE(cancelled.files.empty());
}

}  // namespace
}  // namespace korvex
