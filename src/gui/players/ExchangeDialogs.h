// The file dialogs of the exchange files and the printer dialog.
#pragma once

#include <memory>

#include "players/ExchangeRequests.h"
#include "players/PrintCanvas.h"

namespace korvex {

ExchangeFileAnswer RunExchangeFileDialog(const ExchangeFileRequest& request);
// The platform's print dialog (a PDF file is one of its choices); none when cancelled.
std::unique_ptr<PrintCanvas> RunPrintDialog(const PrintRequest& request);

}  // namespace korvex
