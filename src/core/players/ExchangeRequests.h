// What the file dialogs of the exchange files and the print dialog show and answer.
#pragma once

#include <string>

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

}  // namespace korvex
