#include "players/PlayerDirs.h"

#include <algorithm>
#include <cerrno>

#include "app/DirectoryTools.h"
#include "app/Korvex.h"
#include "app/Messages.h"
#include "platform/FileSystem.h"
#include "platform/ListOrder.h"
#include "platform/Path.h"
#include "platform/Text.h"

namespace korvex {
namespace {

bool IsDeviceName(const std::string& name) {
    // The device names are reserved with any extension, too: "nul.txt" is NUL.
    const std::string base = UpperCaseAscii(name.substr(0, name.find('.')));
    for (const char* device : {"CON", "PRN", "AUX", "NUL"})
        if (base == device) return true;
    return base.size() == 4 && (base.starts_with("COM") || base.starts_with("LPT")) && base[3] >= '1' &&
           base[3] <= '9';
}

int AnswerForErrno(int error) {
    switch (error) {
        case EEXIST: case ENOTEMPTY: return kAlreadyExists;
        case ENOENT: case ENAMETOOLONG: case EINVAL: case ENOTDIR: return kPathNotFound;
        default: return kAccessDenied;
    }
}

std::string PlayerDir(const Korvex& app, const std::string& name) { return JoinPath(app.dirs.players, name); }

}  // namespace

std::vector<std::string> FillPlayerList(const Korvex& app) {
    std::vector<std::string> names = ListNames(app.dirs.players, EntryKind::Directory);
    SortAsListBox(names);
    return names;
}

std::vector<std::string> SelectedInListOrder(const std::vector<std::string>& list,
                                             const std::vector<std::string>& selected) {
    std::vector<std::string> ordered;
    for (const std::string& name : list)
        if (std::find(selected.begin(), selected.end(), name) != selected.end()) ordered.push_back(name);
    return ordered;
}

std::string JoinPlayerNames(const std::vector<std::string>& names) {
    std::string joined;
    for (const std::string& name : names) joined += (joined.empty() ? "" : ", ") + name;
    return joined;
}

bool IsBlankPlayerName(const std::string& name) { return name.find_first_not_of(" \t") == std::string::npos; }

bool IsPortablePlayerName(const std::string& name) {
    if (name.empty() || name.back() == '.' || name.back() == ' ' || IsDeviceName(name)) return false;
    for (unsigned char c : name)
        if (c < 32 || std::string_view("\\/:*?\"<>|").find(static_cast<char>(c)) != std::string_view::npos)
            return false;
    return true;
}

bool StaysInPlayersDir(const std::string& name) {
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos;
}

bool PlayerDirExists(const Korvex& app, const std::string& name) {
    if (!IsPortablePlayerName(name) || !DirectoryExists(PlayerDir(app, name))) return false;
    const std::string probe = JoinPath(ResolveCase(PlayerDir(app, name)), "CREATE.DAT");
    return CreateEmptyFile(probe) && RemoveFile(probe);
}

int CreatePlayerDir(const Korvex& app, const std::string& name) {
    if (!IsPortablePlayerName(name)) return kPathNotFound;
    if (PathExists(PlayerDir(app, name))) return kAlreadyExists;
    return CreateOneDirectory(PlayerDir(app, name)) ? kDirCreated : AnswerForErrno(errno);
}

int RenamePlayerDir(const Korvex& app, const std::string& newName) {
    if (!IsPortablePlayerName(newName)) return kPathNotFound;
    const std::string from = ResolveCase(app.currentPlayerDir);
    const std::string to = PlayerDir(app, newName);
    // Another Player-CFG of that name in another letter case is taken, too.
    if (PathExists(to) && ResolveCase(to) != from) return kAlreadyExists;
    return RenamePath(from, to) ? kDirCreated : AnswerForErrno(errno);
}

bool DeletePlayerDir(Korvex& app, const std::string& path) {
    const std::string directory = ResolveCase(path);
    bool complete = true;
    for (const DirEntry& entry : ListDirectory(directory)) {
        const std::string full = JoinPath(directory, entry.name);
        if (!entry.isDirectory) ClearReadOnly(full);
        if (entry.isDirectory ? RemoveDirectoryTree(app, full) : RemoveFile(full)) continue;
        ShowError(app, Err::CouldntDeleteFile, full);
        complete = false;
    }
    if (RemoveEmptyDirectory(directory)) return complete;
    ShowError(app, Err::CouldntRemoveDirectory, directory);
    return false;
}

void CopyMacroOutputs(Korvex& app, const std::string& fromName, const std::string& toName) {
    const std::string from = ResolveCase(PlayerDir(app, fromName));
    const std::string to = ResolveCase(PlayerDir(app, toName));
    // Copying a directory onto itself would empty every file it copies.
    if (from == to) return;
    for (const std::string& file : ListNames(from, EntryKind::File)) {
        if (!EndsWithIgnoringCase(file, ".out")) continue;
        const std::string source = JoinPath(from, file);
        if (!CopyFileOver(source, JoinPath(to, file))) ShowError(app, Err::CopyingFileFailed, source);
    }
}

}  // namespace korvex
