#include <QApplication>
#include <QTimer>

#include "app/InstanceGuard.h"
#include "app/Korvex.h"
#include "app/MainWindow.h"
#include "app/ProgramLocation.h"
#include "app/QtHost.h"
#include "app/StartUp.h"
#include "app/TextCodec.h"
#include "platform/Path.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // Status windows and boxes come and go before the main window shows; only the exit ends Korvex.
    application.setQuitOnLastWindowClosed(false);
    korvex::QtHost host;
    korvex::Korvex app(host);
    // Start-up takes the program directory from this path: the executable's own directory for a
    // portable Korvex, the player's data directory for an installed one.
    const std::string executableDir = korvex::FromQString(QCoreApplication::applicationDirPath());
    app.executablePath = korvex::JoinPath(korvex::FindProgramDir(app.report, executableDir), "korvex");
    if (!korvex::RunInstanceGuard(app.report, app.executablePath)) return 0;

    korvex::MainWindow window(app);
    host.SetMainWindow(&window);
    QTimer::singleShot(0, &application, [&app] { korvex::StartUp(app); });
    application.exec();
    window.hide();
    korvex::ExitProgram(app);
    return 0;
}
