#include "app/Handbook.h"

#include <QDesktopServices>
#include <QUrl>

#include "app/Messages.h"
#include "app/ProgramPaths.h"
#include "app/Reporter.h"
#include "app/StartUp.h"
#include "app/TextCodec.h"
#include "platform/FileSystem.h"

namespace korvex {

void OpenHandbook(Reporter& report, const ProgramPaths& paths) {
    const std::string path = HandbookPath(paths);
    if (!FileExists(path)) {
        report.ShowError(Err::CouldntOpenFile, path);
        return;
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(ToQString(path))))
        report.ShowError(Err::NoViewerConfigured, path);
}

}  // namespace korvex
