#include "app/PendingOperation.h"

#include "app/Korvex.h"
#include "app/Messages.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"
#include "platform/TextFile.h"

namespace korvex {
namespace {

// One line with the kind, then one line per argument.
std::string RecordFile(const Korvex& app) { return JoinPath(app.dirs.program, "pending.dat"); }

}  // namespace

bool RunRecorded(Korvex& app, const PendingOperation& operation, CarryOut carryOut) {
    std::vector<std::string> lines{operation.kind};
    lines.insert(lines.end(), operation.arguments.begin(), operation.arguments.end());
    if (!WriteLinesAtomically(RecordFile(app), lines)) {
        ShowError(app, Err::CouldntSaveFile, RecordFile(app));
        return false;
    }
    const Carried carried = carryOut(app, operation);
    // A record that stays behind is a failure too: it was reported, and the next start reads it.
    const bool cleared = carried != Carried::Partly && ClearPendingOperation(app);
    return carried == Carried::Completely && cleared;
}

std::optional<PendingOperation> ReadPendingOperation(const Korvex& app) {
    std::vector<std::string> lines;
    if (!ReadAllLines(RecordFile(app), lines) || lines.empty()) return std::nullopt;
    return PendingOperation{lines.front(), {lines.begin() + 1, lines.end()}};
}

bool ClearPendingOperation(Korvex& app) {
    if (!FileExists(RecordFile(app)) || RemoveFile(RecordFile(app))) return true;
    ShowError(app, Err::CouldntDeleteFile, RecordFile(app));
    return false;
}

}  // namespace korvex
