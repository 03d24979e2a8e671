// The record of an operation that changes files in several places (a Player-CFG's directory,
// the MOD entries that name it, lastplayer.dat...). It is written before the first change and
// removed after the last, so that a Korvex killed in between is finished by the next start.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace korvex {

struct Reporter;
struct ProgramPaths;

struct PendingOperation {
    // "rename-player", "delete-player", "rename-mod", "remove-mod", "remove-mod-files", "install-mod"
    std::string kind;
    std::vector<std::string> arguments;
};

// How far carrying out an operation got; a failure on the way has been reported.
enum class Carried { Completely, NotAtAll, Partly };
using CarryOut = Carried (*)(Reporter&, const ProgramPaths&, const PendingOperation&);

// Records the operation, carries it out, and removes the record unless it was carried out
// only partly: then the next start finishes what was begun. A failure to record is reported
// and nothing is carried out. True when the operation was carried out completely and its
// record is gone.
bool RunRecorded(Reporter& report, const ProgramPaths& paths, const PendingOperation& operation, CarryOut carryOut);

// The operation a killed Korvex left, if any; and its removal once it is finished.
std::optional<PendingOperation> ReadPendingOperation(const ProgramPaths& paths);
bool ClearPendingOperation(Reporter& report, const ProgramPaths& paths);

}  // namespace korvex
