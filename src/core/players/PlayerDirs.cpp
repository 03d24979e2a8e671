#include "players/PlayerDirs.h"

#include <algorithm>
#include <cerrno>

#include "app/DirectoryTools.h"
#include "app/Messages.h"
#include "app/ProgramPaths.h"
#include "app/Reporter.h"
#include "platform/FileSystem.h"
#include "platform/ListOrder.h"
#include "platform/Path.h"
#include "platform/Text.h"
#include "platform/WorkInProgress.h"

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

}  // namespace

std::vector<std::string> FillPlayerList(const ProgramPaths& paths) {
    std::vector<std::string> names = ListNames(paths.players, EntryKind::Directory);
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

std::string PlayerDir(const ProgramPaths& paths, const std::string& name) { return JoinPath(paths.players, name); }

bool PlayerDirExists(const ProgramPaths& paths, const std::string& name) {
    return IsPortablePlayerName(name) && DirectoryExists(PlayerDir(paths, name));
}

std::string BuildingPlayerDir(const ProgramPaths& paths, const std::string& name) {
    return BuildingName(JoinPath(paths.players, name));
}

int CreateBuildingPlayerDir(Reporter& report, const ProgramPaths& paths, const std::string& name, bool replacing) {
    if (!IsPortablePlayerName(name)) return kPathNotFound;
    if (!replacing && PathExists(PlayerDir(paths, name))) return kAlreadyExists;
    const std::string building = BuildingPlayerDir(paths, name);
    if (!RemoveDirectoryTree(report, building)) return kAccessDenied;
    return CreateOneDirectory(building) ? kDirCreated : AnswerForErrno(errno);
}

bool MovePlayerDirIntoPlace(Reporter& report, const ProgramPaths& paths, const std::string& name) {
    const std::string building = BuildingPlayerDir(paths, name);
    if (!SwapInDirectory(building, PlayerDir(paths, name))) {
        report.ShowError(Err::CouldntCreatePlayer, name);
        RemoveDirectoryTree(report, building);
        return false;
    }
    // After a swap the building directory holds the Player-CFG that was replaced.
    return RemoveDirectoryTree(report, building);
}

int CheckPlayerRename(const ProgramPaths& paths, const std::string& currentPlayerDir, const std::string& newName) {
    if (!IsPortablePlayerName(newName)) return kPathNotFound;
    const std::string to = PlayerDir(paths, newName);
    // Another Player-CFG of that name in another letter case is taken, too.
    if (PathExists(to) && ResolveCase(to) != ResolveCase(currentPlayerDir)) return kAlreadyExists;
    return kDirCreated;
}

bool CopyMacroOutputs(Reporter& report, const ProgramPaths& paths, const std::string& fromName,
                      const std::string& toDirectory) {
    const std::string from = ResolveCase(PlayerDir(paths, fromName));
    for (const std::string& file : ListNames(from, EntryKind::File)) {
        if (!EndsWithIgnoringCase(file, ".out")) continue;
        const std::string source = JoinPath(from, file);
        if (CopyFileOver(source, JoinPath(toDirectory, file))) continue;
        report.ShowError(Err::CopyingFileFailed, source);
        return false;
    }
    return true;
}

}  // namespace korvex
