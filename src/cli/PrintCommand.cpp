#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <iostream>

#include "app/Korvex.h"
#include "app/StartUp.h"
#include "cli/CliCommands.h"
#include "platform/FileSystem.h"
#include "platform/Text.h"
#include "players/PainterCanvas.h"
#include "players/PrintPlayerCfg.h"

namespace korvex {
namespace {

// An A4 page with the margins a printer cannot print on anyway.
std::unique_ptr<QPdfWriter> PdfFile(const std::string& path, const std::string& title) {
    auto writer = std::make_unique<QPdfWriter>(QString::fromStdString(path));
    writer->setTitle(QString::fromStdString(Cp1252ToUtf8(title)));
    writer->setCreator(QStringLiteral("Korvex"));
    writer->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                                      QPageLayout::Millimeter));
    return writer;
}

// Qt's notes about its environment (no runtime directory, no display) are not Korvex's
// messages; standard error stays for those.
void KeepQtQuiet(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) std::cerr << message.toStdString() << '\n';
}

}  // namespace

// The listing of "Print Player-CFG", written to a PDF file. Qt draws it on its offscreen
// platform: fonts and PDF output without a display.
int RunPrint(CliContext& context) {
    if (context.args.size() != 2) {
        std::cerr << "usage: korvex-cli print PLAYER FILE.pdf\n";
        return 2;
    }
    std::string player;
    if (!PrepareCompile(context, context.args[0], player)) return 1;
    // The print compiles as the window does, saving the current Player-CFG first.
    LoadLastPlayer(context.app);
    if (context.app.shuttingDown) return 1;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(KeepQtQuiet);
    int argc = 1;
    char name[] = "korvex-cli";
    char* argv[] = {name, nullptr};
    QGuiApplication qt(argc, argv);
    const std::string& file = context.args[1];
    PainterCanvas canvas(PdfFile(NativePath(file), "Korvex - " + player), file);
    return PrintPlayerConfig(context.app, player, canvas) ? ExitStatus(context) : 1;
}

}  // namespace korvex
