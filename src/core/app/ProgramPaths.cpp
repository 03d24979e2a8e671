#include "app/ProgramPaths.h"

#include "platform/FileSystem.h"
#include "platform/Path.h"

namespace korvex {

void SetProgramDirs(ProgramPaths& paths, const std::string& programDir) {
    paths.program = WithTrailingSeparator(AbsolutePath(programDir));
    paths.macros = JoinPath(paths.program, "macros");
    paths.players = JoinPath(paths.program, "players");
    paths.mods = JoinPath(paths.program, "mods");
    paths.manifests = JoinPath(paths.program, "manifests");
    paths.autoMod = JoinPath(paths.program, "automod");
    paths.backup = JoinPath(paths.program, "backup");
    paths.temp = JoinPath(paths.program, "temp");
    paths.dirSort = JoinPath(paths.program, "dirsort");
}

}  // namespace korvex
