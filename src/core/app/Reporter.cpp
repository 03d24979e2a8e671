#include "app/Reporter.h"

#include "app/Host.h"
#include "macros/MacroErrors.h"

namespace korvex {

void Reporter::ShowError(MessageCode code, const std::string& detail) {
    host.ShowMessage(Icon::Error, ComposeError(code, detail), Buttons::Ok);
}

void Reporter::FatalError(MessageCode code, const std::string& detail) {
    shuttingDown = true;
    ShowError(code, detail);
    host.RequestClose();
}

void Reporter::MacroLanguageError(int line, const std::string& source, std::uint8_t code) {
    host.ShowMessage(Icon::Error, ComposeMacroLanguageError(line, source, MacroErrorText(code)), Buttons::Abort);
    shuttingDown = true;
    host.RequestClose();
}

}  // namespace korvex
