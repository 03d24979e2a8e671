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

std::string BackupList(const Korvex& app) { return JoinPath(app.dirs.backup, "backup.dat"); }
std::string DeleteList(const Korvex& app) { return JoinPath(app.dirs.backup, "delete.dat"); }

bool EnsureBackupDir(Korvex& app) {
    if (DirectoryExists(app.dirs.backup) || MakeDirectory(app.dirs.backup)) return true;
    ShowError(app, Err::CouldntCreateDirectory, app.dirs.backup);
    return false;
}

// The lines of a list file, created empty when missing; nothing when it cannot be used.
bool ReadList(Korvex& app, const std::string& list, std::vector<std::string>& lines) {
    if (!FileExists(list) && !WriteLinesAtomically(list, {})) {
        ShowError(app, Err::CouldntCreateFile, list);
        return false;
    }
    if (!ReadAllLines(list, lines)) {
        ShowError(app, Err::CouldntOpenFile, list);
        return false;
    }
    return true;
}

bool Lists(const std::vector<std::string>& lines, const std::string& path) {
    return std::find(lines.begin(), lines.end(), path) != lines.end();
}

bool AppendToList(Korvex& app, const std::string& list, const std::string& path) {
    if (AppendLineAtomically(list, path)) return true;
    ShowError(app, Err::CouldntAppendToFile, list);
    return false;
}

bool BackupUserFile(Korvex& app, const std::string& path) {
    std::vector<std::string> listed;
    if (!EnsureBackupDir(app) || !ReadList(app, BackupList(app), listed)) return false;
    if (Lists(listed, path)) return true;
    const std::string copy = JoinPath(app.dirs.backup, std::to_string(listed.size()));
    // The copy goes first: a list line without its copy would restore nothing over the file.
    if (!CopyFileOver(path, copy)) {
        ShowError(app, Err::ErrorCopyingFiles, path);
        return false;
    }
    return AppendToList(app, BackupList(app), path);
}

bool ListForDeletion(Korvex& app, const std::string& path) {
    if (!EnsureBackupDir(app)) return false;
    std::vector<std::string> listed;
    if (ReadAllLines(BackupList(app), listed) && Lists(listed, path)) return true;
    if (!ReadList(app, DeleteList(app), listed)) return false;
    return Lists(listed, path) || AppendToList(app, DeleteList(app), path);
}

bool IsGeneratedFile(const std::string& path) {
    LineReader reader;
    return reader.Open(path) && reader.ReadLine() == kGeneratedMarker;
}

// Only a file Korvex generated is deleted, never the player's own of another letter case. A
// file that cannot be deleted keeps its line, so that the next start tries again.
bool DeleteGeneratedFiles(Korvex& app) {
    std::vector<std::string> listed;
    if (!ReadAllLines(DeleteList(app), listed)) {
        if (!FileExists(DeleteList(app))) return true;
        ShowError(app, Err::CouldntOpenFile, DeleteList(app));
        return false;
    }
    std::vector<std::string> left;
    for (const std::string& path : listed) {
        if (!IsGeneratedFile(path)) continue;
        ClearReadOnly(path);
        if (RemoveFile(path)) continue;
        ShowError(app, Err::CouldntDeleteFile, path);
        left.push_back(path);
    }
    if (left.empty() ? RemoveFile(DeleteList(app)) : WriteLinesAtomically(DeleteList(app), left)) return left.empty();
    ShowError(app, Err::CouldntSaveFile, DeleteList(app));
    return false;
}

bool RemoveBackupDir(Korvex& app) {
    if (RemoveDirectoryTree(app, app.dirs.backup)) return true;
    ShowError(app, Err::CouldntRemoveDirectory, app.dirs.backup);
    return false;
}

bool AnythingToRestore(const std::vector<std::string>& listed) {
    return std::any_of(listed.begin(), listed.end(), [](const std::string& line) { return !line.empty(); });
}

bool UserWantsRestore(Korvex& app) {
    return app.host.ShowMessage(Icon::Question,
                                "Korvex was not able to restore some of your previously backuped cfg-files. Would "
                                "you like Korvex to restore them now? Otherwise they will be deleted.",
                                Buttons::YesNo) == Button::Yes;
}

}  // namespace

bool BackupCfgFile(Korvex& app, const std::string& path) {
    if (FileExists(path)) {
        LineReader reader;
        if (!reader.Open(path)) return false;
        if (reader.ReadLine() != kGeneratedMarker) return BackupUserFile(app, path);
    }
    return ListForDeletion(app, path);
}

bool RestoreCfgBackup(Korvex& app, bool ask) {
    const bool generatedDeleted = DeleteGeneratedFiles(app);
    std::vector<std::string> listed;
    if (!ReadAllLines(BackupList(app), listed)) {
        if (FileExists(BackupList(app))) {
            ShowError(app, Err::CouldntOpenFile, BackupList(app));
            return false;
        }
        return RemoveBackupDir(app);
    }
    if (ask && AnythingToRestore(listed) && !UserWantsRestore(app)) {
        RemoveBackupDir(app);
        return false;
    }
    // A restored line is emptied; a file that could not be put back keeps its line and copy,
    // so the next start offers it again instead of losing it. The copies stay until the list
    // no longer names them: a restore that is interrupted is simply done again.
    bool allRestored = true;
    for (std::size_t k = 0; k < listed.size(); ++k) {
        if (listed[k].empty()) continue;
        const std::string copy = JoinPath(app.dirs.backup, std::to_string(k));
        // Without its copy, or without the directory it came from (a removed MOD), a file
        // can never be put back; keeping its line would only repeat the report at every start.
        if (!FileExists(copy) || !DirectoryExists(ParentDirectory(listed[k]))) {
            ShowError(app, Err::ErrorCopyingFiles, copy);
            listed[k].clear();
            continue;
        }
        // The file as the list spells it: a generated one of another letter case is no target.
        if (!CopyFileOver(copy, listed[k], AtomicFile::Spelling::Exact)) {
            ShowError(app, Err::ErrorCopyingFiles, copy);
            allRestored = false;
            continue;
        }
        listed[k].clear();
    }
    if (!allRestored) {
        if (!WriteLinesAtomically(BackupList(app), listed)) ShowError(app, Err::CouldntSaveFile, BackupList(app));
        return false;
    }
    if (!generatedDeleted) return false;
    if (!RemoveFile(BackupList(app))) {
        ShowError(app, Err::CouldntDeleteFile, BackupList(app));
        return false;
    }
    return RemoveBackupDir(app);
}

}  // namespace korvex
