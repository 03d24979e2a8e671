// What the file dialogs of the exchange files and the print dialog show and answer.
// Host gathers these; QtHost shows them as windows, CliHost cancels them, FakeHost answers from scripts.
#pragma once

#include <memory>
#include <string>

#include "players/PrintCanvas.h"

namespace korvex {

inline constexpr const char* kExchangeFileFilter = "Korvex File (*.kxp)";
inline constexpr const char* kExchangeFileExtension = "kxp";

// Save: the file to export into (".kxp" appended by default); open: an existing file to import.
struct ExchangeFileRequest {
    bool save = false;
    std::string directory;  // where the dialog starts
    std::string fileName;   // preset for saving
};

struct ExchangeFileAnswer {
    bool confirmed = false;
    std::string path;
};

// The printer dialog before a Player-CFG is printed.
struct PrintRequest {
    std::string documentName;
};

class ExchangeDialogs {
public:
    virtual ~ExchangeDialogs() = default;

    virtual ExchangeFileAnswer ChooseExchangeFile(const ExchangeFileRequest& request) = 0;
    // The printer dialog; none when it was cancelled.
    virtual std::unique_ptr<PrintCanvas> ChoosePrinter(const PrintRequest& request) = 0;
};

}  // namespace korvex
