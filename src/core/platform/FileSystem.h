// File-system calls of the core. Lookups of existing entries ignore letter case, as the
// game and Korvex's own files were named on a system that does; an exact match wins.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/AtomicFile.h"

namespace korvex {

struct DirEntry {
    std::string name;
    bool isDirectory = false;  // a symbolic link to a directory is none
    bool isSymbolicLink = false;
    bool readOnly = false;
    std::uintmax_t size = 0;
    std::int64_t creationTime = 0;  // seconds since the epoch
};

// Korvex spells every name and path in Windows-1252, the file system in UTF-8. The two meet
// here only: the functions of this layer take and return Korvex's spelling.
std::string NativePath(const std::string& path);
// Korvex's spelling of a name the file system lists; none when Windows-1252 cannot spell it.
std::optional<std::string> CoreName(const std::string& nativeName);
// Korvex never changes its working directory, and the programs it starts work in others: a
// path it keeps is made absolute first, so that it names one place. Kept as given when
// Windows-1252 cannot spell the absolute path.
std::string AbsolutePath(const std::string& path);
// The user's home directory ($HOME, else the password database); empty when there is none.
std::string HomeDirectory();

// The path of the existing entry that path names without regard to case; the components
// that match nothing are kept as given, so a path to be created comes back unchanged.
std::string ResolveCase(const std::string& path);

bool PathExists(const std::string& path);
bool IsSymbolicLink(const std::string& path);
bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);
// A plain file: not a directory, a pipe or a device, whose reading could block or never end.
bool RegularFileExists(const std::string& path);

// The entry that path names, not following a final symbolic link; nothing when none exists.
std::optional<DirEntry> LookUpEntry(const std::string& path);

// Entries in the order the file system lists them, without "." and "..";
// none when the directory cannot be listed.
std::vector<DirEntry> ListDirectory(const std::string& directory);

enum class EntryKind { File, Directory };  // a symbolic link is a file, as in DirEntry
// The names of the entries of one kind, in the order ListDirectory gives them, without
// Korvex's work in progress (platform/WorkInProgress.h): the listing of data.
std::vector<std::string> ListNames(const std::string& directory, EntryKind kind);
// The names of Korvex's work in progress in a directory.
std::vector<std::string> ListWorkInProgress(const std::string& directory);

// The copy takes the source's permissions and replaces a read-only target. With Exact the
// target is the file spelt so, never one of another letter case.
bool CopyFileOver(const std::string& source, const std::string& target,
                  AtomicFile::Spelling spelling = AtomicFile::Spelling::AnyCase);
bool RemoveFile(const std::string& path);
bool ClearReadOnly(const std::string& path);
// A file whose owner may not write it, as Windows marks a read-only file.
bool IsReadOnlyFile(const std::string& path);
bool CreateOneDirectory(const std::string& path);
// Creates a directory with every missing parent; true when it exists afterwards.
bool CreateDirectories(const std::string& path);
bool RemoveEmptyDirectory(const std::string& path);
bool RenamePath(const std::string& from, const std::string& to);
// A rename, or across file systems a copy over target followed by removing the source. The
// target is the file spelt so.
bool MoveFile(const std::string& source, const std::string& target);
// Puts the directory built at `built` in the place of `target` in one step. Where target
// exists the two change places, so that `built` then holds what target held.
bool SwapInDirectory(const std::string& built, const std::string& target);
// A plain file its owner may run.
bool IsExecutableFile(const std::string& path);
// The first plain file of that name that this user may run in a directory of the PATH;
// empty when there is none.
std::string FindOnPath(const std::string& program);
// Creates (or empties) a file.
bool CreateEmptyFile(const std::string& path);
// The size of a plain file; none when there is no such file.
std::optional<std::uintmax_t> FileSizeOf(const std::string& path);
// The whole content of a plain file; none when it cannot be read or holds more than maxSize bytes.
std::optional<std::string> ReadFileBytes(const std::string& path, std::uintmax_t maxSize);

// Where the search for the game starts: the local file systems.
std::vector<std::string> DefaultSearchRoots();
// A directory on a local file system: not a network share and no FUSE mount.
bool IsLocalDirectory(const std::string& path);
// Directories never entered by the search.
bool IsSkippedSystemDirectory(const std::string& path);

}  // namespace korvex
