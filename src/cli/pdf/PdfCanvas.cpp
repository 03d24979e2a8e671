// korvex-cli-pdf.so: the PDF file of "korvex-cli print", drawn by Qt's GUI module on its
// offscreen platform: fonts and PDF output without a display.
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <iostream>
#include <memory>

#include "app/TextCodec.h"
#include "cli/PdfCanvasModule.h"
#include "players/PainterCanvas.h"

namespace korvex {
namespace {

// Qt's notes about its environment (no runtime directory, no display) are not Korvex's
// messages; standard error stays for those.
void KeepQtQuiet(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) std::cerr << message.toStdString() << '\n';
}

// Qt's GUI module, for as long as the canvas lives.
class OffscreenGui {
protected:
    OffscreenGui() {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(KeepQtQuiet);
        qt_ = std::make_unique<QGuiApplication>(argc_, argv_);
    }

private:
    int argc_ = 1;
    char name_[sizeof("korvex-cli")] = "korvex-cli";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QGuiApplication> qt_;
};

// An A4 page with the margins a printer cannot print on anyway.
std::unique_ptr<QPdfWriter> PdfFile(const std::string& path, const std::string& title) {
    auto writer = std::make_unique<QPdfWriter>(ToQString(path));
    writer->setTitle(ToQString(title));
    writer->setCreator(QStringLiteral("Korvex"));
    writer->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                                      QPageLayout::Millimeter));
    return writer;
}

class PdfCanvas : private OffscreenGui, public PainterCanvas {
public:
    PdfCanvas(const std::string& path, const std::string& title) : PainterCanvas(PdfFile(path, title), path) {}
};

}  // namespace
}  // namespace korvex

korvex::PrintCanvas* KorvexOpenPdfCanvas(const char* path, const char* title) {
    return new korvex::PdfCanvas(path, title);
}
