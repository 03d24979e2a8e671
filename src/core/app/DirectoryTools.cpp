#include "app/DirectoryTools.h"

#include "app/Messages.h"
#include "app/Reporter.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"
#include "platform/Text.h"

namespace korvex {

bool MakeDirectory(const std::string& path) {
    const std::string trimmed = WithoutTrailingSeparator(path);
    return CreateOneDirectory(JoinPath(ParentDirectory(trimmed), LowerCaseAscii(FileName(trimmed))));
}

bool RemoveDirectoryTree(Reporter& report, const std::string& path) {
    const std::string directory = ResolveCase(WithoutTrailingSeparator(path));
    if (!DirectoryExists(directory)) return true;
    for (const DirEntry& entry : ListDirectory(directory)) {
        const std::string full = JoinPath(directory, entry.name);
        if (entry.isDirectory) {
            if (!RemoveDirectoryTree(report, full)) return false;
            continue;
        }
        ClearReadOnly(full);
        if (!RemoveFile(full)) {
            report.ShowError(Err::CouldntDeleteFile, full);
            return false;
        }
    }
    return RemoveEmptyDirectory(directory);
}

}  // namespace korvex
