#include "app/QuakeLocation.h"

#include "app/Host.h"
#include "app/Messages.h"
#include "app/ProgramPaths.h"
#include "app/Reporter.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"
#include "platform/Text.h"
#include "platform/TextFile.h"

namespace korvex {
namespace {

std::string QuakePathFile(const ProgramPaths& paths) { return JoinPath(paths.program, "quakepath.dat"); }

// A native engine binary named "quake2" counts as well as the Windows QUAKE2.EXE.
bool IsGameExecutable(const DirEntry& entry) {
    return !entry.isDirectory && (EqualsIgnoringCase(entry.name, "QUAKE2.EXE") || entry.name == "quake2");
}

bool ConfirmFind(Reporter& report, const std::string& dir, const std::string& name) {
    return report.host.ShowMessage(Icon::Question, "Is this your Quake II directory?\r\n\n" + JoinPath(dir, name),
                                   Buttons::YesNo) == Button::Yes;
}

// The game never lies this deep; a deeper tree is a build tree or a loop of bind mounts.
constexpr int kMaxSearchDepth = 12;

std::string SearchDirectory(Reporter& report, const std::string& dir, int depth) {
    if (IsSkippedSystemDirectory(dir) || !IsLocalDirectory(dir)) return {};
    // The search takes a while; the status window is repainted meanwhile.
    report.host.ProcessPendingEvents();
    for (const DirEntry& entry : ListDirectory(dir)) {
        if (IsGameExecutable(entry) && ConfirmFind(report, dir, entry.name)) return dir;
        if (entry.isDirectory && depth < kMaxSearchDepth) {
            std::string found = SearchDirectory(report, JoinPath(dir, entry.name), depth + 1);
            if (!found.empty()) return found;
        }
    }
    return {};
}

}  // namespace

bool IsQuakeDir(const std::string& dir) {
    if (dir.empty()) return false;
    return FileExists(JoinPath(dir, "QUAKE2.EXE")) || IsExecutableFile(JoinPath(dir, "quake2"));
}

std::string StoredQuakeDir(const ProgramPaths& paths) {
    const std::string stored = ReadFirstLine(QuakePathFile(paths));
    return IsQuakeDir(stored) ? stored : std::string();
}

bool UseStoredQuakeDir(Reporter& report, ProgramPaths& paths) {
    paths.quakeDir = ReadFirstLine(QuakePathFile(paths));
    if (IsQuakeDir(paths.quakeDir)) return true;
    report.ShowError(Err::QuakePathNotAvailable, "Install Quake II first.");
    return false;
}

void LoadQuakeDir(Reporter& report, ProgramPaths& paths, const std::vector<std::string>& quakeSearchRoots) {
    LineReader reader;
    if (!reader.Open(QuakePathFile(paths))) {
        AskForQuakeDir(report, paths, quakeSearchRoots);
        return;
    }
    paths.quakeDir = reader.ReadLine();
    if (!IsQuakeDir(paths.quakeDir)) AskForQuakeDir(report, paths, quakeSearchRoots);
}

void AskForQuakeDir(Reporter& report, ProgramPaths& paths, const std::vector<std::string>& quakeSearchRoots) {
    paths.quakeDir = SearchQuakeDir(report, quakeSearchRoots);
    if (paths.quakeDir.empty()) {
        report.FatalError(Err::QuakePathNotAvailable, "Install Quake II first.");
        return;
    }
    if (!WriteLinesAtomically(QuakePathFile(paths), {paths.quakeDir}))
        report.ShowError(Err::CouldntCreateFile, QuakePathFile(paths));
}

std::string SearchQuakeDir(Reporter& report, const std::vector<std::string>& quakeSearchRoots) {
    report.host.ShowStatus(StatusWindow::QuakeSearch, "Please stand by while I search for Quake II");
    std::string found;
    for (const std::string& root : quakeSearchRoots) {
        found = SearchDirectory(report, WithoutTrailingSeparator(root), 0);
        if (!found.empty()) break;
    }
    report.host.CloseStatus(StatusWindow::QuakeSearch);
    return found;
}

}  // namespace korvex
