#include "app/PendingOperation.h"

#include "app/Messages.h"
#include "app/ProgramPaths.h"
#include "app/Reporter.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"
#include "platform/TextFile.h"

namespace korvex {
namespace {

// One line with the kind, then one line per argument.
std::string RecordFile(const ProgramPaths& paths) { return JoinPath(paths.program, "pending.dat"); }

}  // namespace

bool RunRecorded(Reporter& report, const ProgramPaths& paths, const PendingOperation& operation, CarryOut carryOut) {
    std::vector<std::string> lines{operation.kind};
    lines.insert(lines.end(), operation.arguments.begin(), operation.arguments.end());
    if (!WriteLinesAtomically(RecordFile(paths), lines)) {
        report.ShowError(Err::CouldntSaveFile, RecordFile(paths));
        return false;
    }
    const Carried carried = carryOut(report, paths, operation);
    // A record that stays behind is a failure too: it was reported, and the next start reads it.
    const bool cleared = carried != Carried::Partly && ClearPendingOperation(report, paths);
    return carried == Carried::Completely && cleared;
}

std::optional<PendingOperation> ReadPendingOperation(const ProgramPaths& paths) {
    std::vector<std::string> lines;
    if (!ReadAllLines(RecordFile(paths), lines) || lines.empty()) return std::nullopt;
    return PendingOperation{lines.front(), {lines.begin() + 1, lines.end()}};
}

bool ClearPendingOperation(Reporter& report, const ProgramPaths& paths) {
    if (!FileExists(RecordFile(paths)) || RemoveFile(RecordFile(paths))) return true;
    report.ShowError(Err::CouldntDeleteFile, RecordFile(paths));
    return false;
}

}  // namespace korvex
