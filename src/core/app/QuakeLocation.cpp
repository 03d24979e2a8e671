#include "app/QuakeLocation.h"

#include "app/Korvex.h"
#include "app/Messages.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"
#include "platform/Text.h"
#include "platform/TextFile.h"

namespace korvex {
namespace {

std::string QuakePathFile(const Korvex& app) { return JoinPath(app.dirs.program, "quakepath.dat"); }

// A native engine binary named "quake2" counts as well as the Windows QUAKE2.EXE.
bool IsGameExecutable(const DirEntry& entry) {
    return !entry.isDirectory && (EqualsIgnoringCase(entry.name, "QUAKE2.EXE") || entry.name == "quake2");
}

bool ConfirmFind(Korvex& app, const std::string& dir, const std::string& name) {
    return app.host.ShowMessage(Icon::Question, "Is this your Quake II directory?\r\n\n" + JoinPath(dir, name),
                                Buttons::YesNo) == Button::Yes;
}

// The game never lies this deep; a deeper tree is a build tree or a loop of bind mounts.
constexpr int kMaxSearchDepth = 12;

std::string SearchDirectory(Korvex& app, const std::string& dir, int depth) {
    if (IsSkippedSystemDirectory(dir) || !IsLocalDirectory(dir)) return {};
    // The search takes a while; the status window is repainted meanwhile.
    app.host.ProcessPendingEvents();
    for (const DirEntry& entry : ListDirectory(dir)) {
        if (IsGameExecutable(entry) && ConfirmFind(app, dir, entry.name)) return dir;
        if (entry.isDirectory && depth < kMaxSearchDepth) {
            std::string found = SearchDirectory(app, JoinPath(dir, entry.name), depth + 1);
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

std::string StoredQuakeDir(const Korvex& app) {
    const std::string stored = ReadFirstLine(QuakePathFile(app));
    return IsQuakeDir(stored) ? stored : std::string();
}

bool UseStoredQuakeDir(Korvex& app) {
    app.quakeDir = ReadFirstLine(QuakePathFile(app));
    if (IsQuakeDir(app.quakeDir)) return true;
    ShowError(app, Err::QuakePathNotAvailable, "Install Quake II first.");
    return false;
}

void LoadQuakeDir(Korvex& app) {
    LineReader reader;
    if (!reader.Open(QuakePathFile(app))) {
        AskForQuakeDir(app);
        return;
    }
    app.quakeDir = reader.ReadLine();
    if (!IsQuakeDir(app.quakeDir)) AskForQuakeDir(app);
}

void AskForQuakeDir(Korvex& app) {
    app.quakeDir = SearchQuakeDir(app);
    if (app.quakeDir.empty()) {
        FatalError(app, Err::QuakePathNotAvailable, "Install Quake II first.");
        return;
    }
    if (!WriteLinesAtomically(QuakePathFile(app), {app.quakeDir}))
        ShowError(app, Err::CouldntCreateFile, QuakePathFile(app));
}

std::string SearchQuakeDir(Korvex& app) {
    app.host.ShowStatus(StatusWindow::QuakeSearch, "Please stand by while I search for Quake II");
    std::string found;
    for (const std::string& root : app.quakeSearchRoots) {
        found = SearchDirectory(app, WithoutTrailingSeparator(root), 0);
        if (!found.empty()) break;
    }
    app.host.CloseStatus(StatusWindow::QuakeSearch);
    return found;
}

}  // namespace korvex
