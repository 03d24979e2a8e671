#include "app/InstanceGuard.h"

#include "app/Korvex.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"
#include "platform/TextFile.h"

namespace korvex {

std::string InstanceMarkerPath(const Korvex& app) {
    return JoinPath(ParentDirectory(app.executablePath), "INKORVEX.INF");
}

bool OtherInstanceRunning(const Korvex& app) { return FileExists(InstanceMarkerPath(app)); }

bool RunInstanceGuard(Korvex& app) {
    if (OtherInstanceRunning(app)) {
        const Button answer = app.host.ShowMessage(
            Icon::Error,
            "Cannot run a second copy of Korvex. (If no second copy is active your system might be crashed "
            "before. Then please select Ignore.)",
            Buttons::CancelIgnore);
        return answer == Button::Ignore;
    }
    WriteLinesAtomically(InstanceMarkerPath(app), {});
    return true;
}

}  // namespace korvex
