#include "app/CfgBackup.h"

#include <algorithm>
#include <vector>

#include "app/DirectoryTools.h"
#include "app/Korvex.h"
#include "app/Messages.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"
#include "platform/TextFile.h"

namespace korvex {
namespace {

std::string BackupList(const ProgramPaths& paths) { return JoinPath(paths.backup, "backup.dat"); }
std::string DeleteList(const ProgramPaths& paths) { return JoinPath(paths.backup, "delete.dat"); }

bool EnsureBackupDir(Reporter& report, const ProgramPaths& paths) {
    if (DirectoryExists(paths.backup) || MakeDirectory(paths.backup)) return true;
    report.ShowError(Err::CouldntCreateDirectory, paths.backup);
    return false;
}

// The lines of a list file, created empty when missing; nothing when it cannot be used.
bool ReadList(Reporter& report, const std::string& list, std::vector<std::string>& lines) {
    if (!FileExists(list) && !WriteLinesAtomically(list, {})) {
        report.ShowError(Err::CouldntCreateFile, list);
        return false;
    }
    if (!ReadAllLines(list, lines)) {
        report.ShowError(Err::CouldntOpenFile, list);
        return false;
    }
    return true;
}

bool Lists(const std::vector<std::string>& lines, const std::string& path) {
    return std::find(lines.begin(), lines.end(), path) != lines.end();
}

bool AppendToList(Reporter& report, const std::string& list, const std::string& path) {
    if (AppendLineAtomically(list, path)) return true;
    report.ShowError(Err::CouldntAppendToFile, list);
    return false;
}

bool BackupUserFile(Reporter& report, const ProgramPaths& paths, const std::string& path) {
    std::vector<std::string> listed;
    if (!EnsureBackupDir(report, paths) || !ReadList(report, BackupList(paths), listed)) return false;
    if (Lists(listed, path)) return true;
    const std::string copy = JoinPath(paths.backup, std::to_string(listed.size()));
    // The copy goes first: a list line without its copy would restore nothing over the file.
    if (!CopyFileOver(path, copy)) {
        report.ShowError(Err::ErrorCopyingFiles, path);
        return false;
    }
    return AppendToList(report, BackupList(paths), path);
}

bool ListForDeletion(Reporter& report, const ProgramPaths& paths, const std::string& path) {
    if (!EnsureBackupDir(report, paths)) return false;
    std::vector<std::string> listed;
    if (ReadAllLines(BackupList(paths), listed) && Lists(listed, path)) return true;
    if (!ReadList(report, DeleteList(paths), listed)) return false;
    return Lists(listed, path) || AppendToList(report, DeleteList(paths), path);
}

bool IsGeneratedFile(const std::string& path) {
    LineReader reader;
    return reader.Open(path) && reader.ReadLine() == kGeneratedMarker;
}

// Only a file Korvex generated is deleted, never the player's own of another letter case. A
// file that cannot be deleted keeps its line, so that the next start tries again.
bool DeleteGeneratedFiles(Reporter& report, const ProgramPaths& paths) {
    std::vector<std::string> listed;
    if (!ReadAllLines(DeleteList(paths), listed)) {
        if (!FileExists(DeleteList(paths))) return true;
        report.ShowError(Err::CouldntOpenFile, DeleteList(paths));
        return false;
    }
    std::vector<std::string> left;
    for (const std::string& path : listed) {
        if (!IsGeneratedFile(path)) continue;
        ClearReadOnly(path);
        if (RemoveFile(path)) continue;
        report.ShowError(Err::CouldntDeleteFile, path);
        left.push_back(path);
    }
    if (left.empty() ? RemoveFile(DeleteList(paths)) : WriteLinesAtomically(DeleteList(paths), left))
        return left.empty();
    report.ShowError(Err::CouldntSaveFile, DeleteList(paths));
    return false;
}

bool RemoveBackupDir(Reporter& report, const ProgramPaths& paths) {
    if (RemoveDirectoryTree(report, paths.backup)) return true;
    report.ShowError(Err::CouldntRemoveDirectory, paths.backup);
    return false;
}

bool AnythingToRestore(const std::vector<std::string>& listed) {
    return std::any_of(listed.begin(), listed.end(), [](const std::string& line) { return !line.empty(); });
}

bool UserWantsRestore(Reporter& report) {
    return report.host.ShowMessage(Icon::Question,
                                   "Korvex was not able to restore some of your previously backuped cfg-files. Would "
                                   "you like Korvex to restore them now? Otherwise they will be deleted.",
                                   Buttons::YesNo) == Button::Yes;
}

}  // namespace

bool BackupCfgFile(Reporter& report, const ProgramPaths& paths, const std::string& path) {
    if (FileExists(path)) {
        LineReader reader;
        if (!reader.Open(path)) return false;
        if (reader.ReadLine() != kGeneratedMarker) return BackupUserFile(report, paths, path);
    }
    return ListForDeletion(report, paths, path);
}

bool RestoreCfgBackup(Korvex& app, bool ask) {
    const bool generatedDeleted = DeleteGeneratedFiles(app.report, app.paths);
    std::vector<std::string> listed;
    if (!ReadAllLines(BackupList(app.paths), listed)) {
        if (FileExists(BackupList(app.paths))) {
            app.report.ShowError(Err::CouldntOpenFile, BackupList(app.paths));
            return false;
        }
        return RemoveBackupDir(app.report, app.paths);
    }
    if (ask && AnythingToRestore(listed) && !UserWantsRestore(app.report)) {
        RemoveBackupDir(app.report, app.paths);
        return false;
    }
    // A restored line is emptied; a file that could not be put back keeps its line and copy,
    // so the next start offers it again instead of losing it. The copies stay until the list
    // no longer names them: a restore that is interrupted is simply done again.
    bool allRestored = true;
    for (std::size_t k = 0; k < listed.size(); ++k) {
        if (listed[k].empty()) continue;
        const std::string copy = JoinPath(app.paths.backup, std::to_string(k));
        // Without its copy, or without the directory it came from (a removed MOD), a file
        // can never be put back; keeping its line would only repeat the report at every start.
        if (!FileExists(copy) || !DirectoryExists(ParentDirectory(listed[k]))) {
            app.report.ShowError(Err::ErrorCopyingFiles, copy);
            listed[k].clear();
            continue;
        }
        // The file as the list spells it: a generated one of another letter case is no target.
        if (!CopyFileOver(copy, listed[k], AtomicFile::Spelling::Exact)) {
            app.report.ShowError(Err::ErrorCopyingFiles, copy);
            allRestored = false;
            continue;
        }
        listed[k].clear();
    }
    if (!allRestored) {
        if (!WriteLinesAtomically(BackupList(app.paths), listed))
            app.report.ShowError(Err::CouldntSaveFile, BackupList(app.paths));
        return false;
    }
    if (!generatedDeleted) return false;
    if (!RemoveFile(BackupList(app.paths))) {
        app.report.ShowError(Err::CouldntDeleteFile, BackupList(app.paths));
        return false;
    }
    return RemoveBackupDir(app.report, app.paths);
}

}  // namespace korvex
