#include <QApplication>
#include <QTimer>

#include "app/InstanceGuard.h"
#include "app/Korvex.h"
#include "app/MainWindow.h"
#include "app/QtHost.h"
#include "app/StartUp.h"
#include "app/TextCodec.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // Status windows and boxes come and go before the main window shows; only the exit ends Korvex.
    application.setQuitOnLastWindowClosed(false);
    korvex::QtHost host;
    korvex::Korvex app(host);
    app.executablePath = korvex::FromQString(QCoreApplication::applicationFilePath());
    if (!korvex::RunInstanceGuard(app)) return 0;

    korvex::MainWindow window(app);
    host.SetMainWindow(&window);
    QTimer::singleShot(0, &application, [&app] { korvex::StartUp(app); });
    application.exec();
    window.hide();
    korvex::ExitProgram(app);
    return 0;
}
