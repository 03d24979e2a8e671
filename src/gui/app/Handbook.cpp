#include "app/Handbook.h"

#include <QDesktopServices>
#include <QUrl>

#include "app/Korvex.h"
#include "app/Messages.h"
#include "app/StartUp.h"
#include "app/TextCodec.h"
#include "platform/FileSystem.h"

namespace korvex {

void OpenHandbook(Korvex& app) {
    const std::string path = HandbookPath(app);
    if (!FileExists(path)) {
        ShowError(app, Err::CouldntOpenFile, path);
        return;
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(ToQString(path)))) ShowError(app, Err::NoViewerConfigured, path);
}

}  // namespace korvex
