#include "app/DirectoryTools.h"

#include "app/Korvex.h"
#include "app/Messages.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"
#include "platform/Text.h"
#include "platform/WorkInProgress.h"

namespace korvex {

bool MakeDirectory(const std::string& path) {
    const std::string trimmed = WithoutTrailingSeparator(path);
    return CreateOneDirectory(JoinPath(ParentDirectory(trimmed), LowerCaseAscii(FileName(trimmed))));
}

bool RemoveDirectoryTree(Korvex& app, const std::string& path) {
    const std::string directory = ResolveCase(WithoutTrailingSeparator(path));
    if (!DirectoryExists(directory)) return true;
    for (const DirEntry& entry : ListDirectory(directory)) {
        const std::string full = JoinPath(directory, entry.name);
        if (entry.isDirectory) {
            if (!RemoveDirectoryTree(app, full)) return false;
            continue;
        }
        ClearReadOnly(full);
        if (!RemoveFile(full)) {
            ShowError(app, Err::CouldntDeleteFile, full);
            return false;
        }
    }
    return RemoveEmptyDirectory(directory);
}

bool DiscardDirectoryTree(Korvex& app, const std::string& path) {
    const std::string directory = ResolveCase(WithoutTrailingSeparator(path));
    if (!PathExists(directory)) return true;
    const std::string aside = DiscardedName(directory);
    if (!RemoveDirectoryTree(app, aside)) return false;
    if (!RenamePath(directory, aside)) {
        ShowError(app, Err::CouldntRemoveDirectory, directory);
        return false;
    }
    if (IsSymbolicLink(aside) ? RemoveFile(aside) : RemoveDirectoryTree(app, aside)) return true;
    ShowError(app, Err::CouldntRemoveDirectory, directory);
    return false;
}

}  // namespace korvex
