#include "players/ExchangeDialogs.h"

#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>

#include "app/TextCodec.h"
#include "players/PainterCanvas.h"

namespace korvex {

ExchangeFileAnswer RunExchangeFileDialog(const ExchangeFileRequest& request) {
    const QString caption = request.save ? QStringLiteral("Export Player-CFG") : QStringLiteral("Import Player-CFG");
    QFileDialog dialog(nullptr, caption, ToQString(request.directory), QString::fromLatin1(kExchangeFileFilter));
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QString::fromLatin1(kExchangeFileExtension));
    // Korvex asks itself before it overwrites an exchange file.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (request.save) dialog.selectFile(ToQString(request.fileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return {true, FromQString(dialog.selectedFiles().front())};
}

std::unique_ptr<PrintCanvas> RunPrintDialog(const PrintRequest& request) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setDocName(ToQString(request.documentName));
    QPrintDialog dialog(printer.get());
    if (dialog.exec() != QDialog::Accepted) return nullptr;
    const QString target =
        printer->outputFormat() == QPrinter::PdfFormat ? printer->outputFileName() : printer->printerName();
    return std::make_unique<PainterCanvas>(std::move(printer), FromQString(target));
}

}  // namespace korvex
