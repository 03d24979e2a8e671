#include "app/ProgramLocation.h"

#include <cstdlib>

#include "app/Korvex.h"
#include "app/Messages.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"
#include "platform/Text.h"

namespace korvex {
namespace {

// $XDG_DATA_HOME, or ~/.local/share where it is unset or not an absolute path; empty text
// when there is no home directory either.
std::string DataHome() {
    const char* data = std::getenv("XDG_DATA_HOME");
    if (data && data[0] == kPathSeparator) return Utf8ToCp1252(data);
    const std::string home = HomeDirectory();
    return home.empty() ? std::string() : JoinPath(home, ".local/share");
}

bool SameContent(const std::string& first, const std::string& second) {
    const auto size = FileSizeOf(first);
    if (!size || FileSizeOf(second) != size) return false;
    const auto bytes = ReadFileBytes(first, *size);
    return bytes && bytes == ReadFileBytes(second, *size);
}

enum class Refresh { Always, WhenMissing };

bool CopyDeliveredFile(Reporter& report, const std::string& source, const std::string& target, Refresh refresh) {
    if (FileExists(target) && (refresh == Refresh::WhenMissing || SameContent(source, target))) return true;
    if (CopyFileOver(source, target)) return true;
    report.ShowError(Err::CouldntCreateFile, target);
    return false;
}

bool EnsureDirectory(Reporter& report, const std::string& path) {
    if (DirectoryExists(path) || CreateOneDirectory(path)) return true;
    report.ShowError(Err::CouldntCreateDirectory, path);
    return false;
}

bool CopyTree(Reporter& report, const std::string& from, const std::string& to, Refresh refresh) {
    if (!EnsureDirectory(report, to)) return false;
    bool complete = true;
    for (const DirEntry& entry : ListDirectory(from)) {
        const std::string source = JoinPath(from, entry.name);
        const std::string target = JoinPath(to, entry.name);
        const bool copied = entry.isDirectory ? CopyTree(report, source, target, refresh)
                                              : CopyDeliveredFile(report, source, target, refresh);
        complete = copied && complete;
    }
    return complete;
}

}  // namespace

std::string ProgramDirOf(const std::string& executableDir) {
    if (FileExists(JoinPath(executableDir, kPortableMarker))) return WithTrailingSeparator(executableDir);
    const std::string dataHome = DataHome();
    return WithTrailingSeparator(dataHome.empty() ? executableDir : JoinPath(dataHome, "korvex"));
}

std::string DeliveredDataDirOf(const std::string& executableDir) {
    return JoinPath(ParentDirectory(executableDir), "share/korvex");
}

bool LayOutProgramDir(Reporter& report, const std::string& deliveredDir, const std::string& programDir) {
    if (!CreateDirectories(programDir)) {
        report.ShowError(Err::CouldntCreateDirectory, WithoutTrailingSeparator(programDir));
        return false;
    }
    const auto delivered = [&](const char* name) { return JoinPath(deliveredDir, name); };
    const auto laidOut = [&](const char* name) { return JoinPath(programDir, name); };
    // Korvex removes the first-run marker at the first start; only a new directory gets it.
    const bool newDirectory = !DirectoryExists(laidOut("players"));
    bool complete = EnsureDirectory(report, laidOut("mods"));
    for (const char* name : {"macros", "automod", "docs"})
        complete = CopyTree(report, delivered(name), laidOut(name), Refresh::Always) && complete;
    complete = CopyTree(report, delivered("players"), laidOut("players"), Refresh::WhenMissing) && complete;
    complete =
        CopyDeliveredFile(report, delivered("korvexoptions.dat"), laidOut("korvexoptions.dat"), Refresh::WhenMissing) &&
        complete;
    if (newDirectory)
        complete =
            CopyDeliveredFile(report, delivered("korvex.ini"), laidOut("korvex.ini"), Refresh::Always) && complete;
    return complete;
}

std::string FindProgramDir(Reporter& report, const std::string& executableDir) {
    const std::string programDir = ProgramDirOf(executableDir);
    const std::string deliveredDir = DeliveredDataDirOf(executableDir);
    if (programDir != WithTrailingSeparator(executableDir) && DirectoryExists(deliveredDir))
        LayOutProgramDir(report, deliveredDir, programDir);
    return programDir;
}

}  // namespace korvex
