#include "app/QuakeLocation.h"

#include <algorithm>

#include "app/Host.h"
#include "app/Korvex.h"
#include "app/Messages.h"
#include "app/ProgramPaths.h"
#include "app/Reporter.h"
#include "mods/ModIdentification.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"
#include "platform/Text.h"
#include "platform/TextFile.h"
#include "players/CharacterLists.h"

namespace korvex {
namespace {

constexpr const char* kInstallQuakeFirst = "Install Quake II first.";

std::string QuakePathFile(const ProgramPaths& paths) { return JoinPath(paths.program, "quakepath.dat"); }

// A native engine binary named "quake2" counts as well as the Windows QUAKE2.EXE.
bool IsGameExecutable(const DirEntry& entry) {
    return !entry.isDirectory && (EqualsIgnoringCase(entry.name, "QUAKE2.EXE") || entry.name == "quake2");
}

// The game never lies this deep; a deeper tree is a build tree or a loop of bind mounts.
constexpr int kMaxSearchDepth = 12;

struct QuakeSearch {
    Reporter& report;
    std::vector<std::string> found;
    bool cancelled = false;
};

void SearchDirectory(QuakeSearch& search, const std::string& dir, int depth) {
    if (search.cancelled || IsSkippedSystemDirectory(dir) || !IsLocalDirectory(dir)) return;
    search.cancelled = !search.report.host.ShowQuakeSearch({dir, static_cast<int>(search.found.size())});
    if (search.cancelled) return;
    const std::vector<DirEntry> entries = ListDirectory(dir);
    if (std::ranges::any_of(entries, IsGameExecutable) && HoldsQuakeGame(dir)) search.found.push_back(dir);
    for (const DirEntry& entry : entries)
        if (entry.isDirectory && depth < kMaxSearchDepth) SearchDirectory(search, JoinPath(dir, entry.name), depth + 1);
}

// The player's choice among the finds, or a folder he browsed to; empty text when he cancelled.
std::string ChooseFoundQuakeDir(Reporter& report, const std::vector<std::string>& found) {
    for (;;) {
        const QuakeDirAnswer answer = report.host.ChooseQuakeDir({found});
        if (answer.choice == QuakeDirChoice::Cancel) return {};
        if (answer.choice == QuakeDirChoice::Found) return answer.directory;
        const std::string browsed = BrowseForQuakeDir(report, HomeDirectory());
        if (!browsed.empty()) return browsed;
    }
}

}  // namespace

bool IsQuakeDir(const std::string& dir) {
    if (dir.empty()) return false;
    return FileExists(JoinPath(dir, "QUAKE2.EXE")) || IsExecutableFile(JoinPath(dir, "quake2"));
}

bool HoldsQuakeGame(const std::string& dir) {
    if (!IsQuakeDir(dir)) return false;
    return std::ranges::any_of(ListDirectory(ResolveCase(JoinPath(dir, "baseq2"))), [](const DirEntry& entry) {
        return !entry.isDirectory && EndsWithIgnoringCase(entry.name, ".pak");
    });
}

std::string StoredQuakeDir(const ProgramPaths& paths) {
    const std::string stored = ReadFirstLine(QuakePathFile(paths));
    return IsQuakeDir(stored) ? stored : std::string();
}

bool UseStoredQuakeDir(Reporter& report, ProgramPaths& paths) {
    paths.quakeDir = StoredQuakeDir(paths);
    return RequireQuakeDir(report, paths);
}

bool RequireQuakeDir(Reporter& report, const ProgramPaths& paths) {
    if (!paths.quakeDir.empty()) return true;
    report.ShowError(Err::QuakePathNotAvailable, kInstallQuakeFirst);
    return false;
}

void LoadQuakeDir(Reporter& report, ProgramPaths& paths, const std::vector<std::string>& quakeSearchRoots) {
    paths.quakeDir = StoredQuakeDir(paths);
    if (!paths.quakeDir.empty()) return;
    const std::string chosen = ChooseFoundQuakeDir(report, SearchQuakeDirs(report, quakeSearchRoots));
    if (chosen.empty()) {
        report.host.ShowMessage(Icon::Information,
                                "Korvex runs without Quake II for now: launching the game, the MOD-Scan and "
                                "installing MODs wait until you choose your Quake II directory with \"Browse...\" on "
                                "the Options page.",
                                Buttons::Ok);
        return;
    }
    StoreQuakeDir(report, paths, chosen);
}

std::vector<std::string> SearchQuakeDirs(Reporter& report, const std::vector<std::string>& quakeSearchRoots) {
    QuakeSearch search{report, {}, false};
    for (const std::string& root : quakeSearchRoots) SearchDirectory(search, WithoutTrailingSeparator(root), 0);
    report.host.CloseQuakeSearch();
    std::ranges::sort(search.found);
    return search.found;
}

std::string BrowseForQuakeDir(Reporter& report, const std::string& startDirectory) {
    const DirectoryAnswer answer = report.host.ChooseDirectory({"Where is Quake II?", startDirectory});
    if (!answer.confirmed) return {};
    const std::string dir = WithoutTrailingSeparator(answer.directory);
    if (HoldsQuakeGame(dir)) return dir;
    report.host.ShowMessage(Icon::Error,
                            "There is no Quake II in " + dir +
                                ". A Quake II directory holds the game (QUAKE2.EXE, or quake2 on Linux) and its data "
                                "in baseq2 (pak0.pak).",
                            Buttons::Ok);
    return {};
}

void StoreQuakeDir(Reporter& report, ProgramPaths& paths, const std::string& dir) {
    paths.quakeDir = dir;
    if (!WriteLinesAtomically(QuakePathFile(paths), {dir}))
        report.ShowError(Err::CouldntCreateFile, QuakePathFile(paths));
}

void ChangeQuakeDirButtonClick(Korvex& app) {
    const std::string start = app.paths.quakeDir.empty() ? HomeDirectory() : app.paths.quakeDir;
    const std::string chosen = BrowseForQuakeDir(app.report, start);
    if (chosen.empty() || chosen == app.paths.quakeDir) return;
    StoreQuakeDir(app.report, app.paths, chosen);
    FillModelList(app.report, app.paths, app.player);
    app.host.PlayerCfgChanged();
    app.host.MainViewChanged();
    if (AskYesNo(app.host, "Korvex uses the Quake II directory " + chosen +
                               " from now on. Would you like to make a complete MOD-Scan of it now?"))
        RunFirstModScan(app);
}

}  // namespace korvex
