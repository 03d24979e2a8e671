// How work below the window tells the player what went wrong, and how it learns that the
// program is closing: the Host plus the stop flag that a fatal report sets.
#pragma once

#include <cstdint>
#include <string>

#include "app/Messages.h"

namespace korvex {

class Host;

struct Reporter {
    explicit Reporter(Host& host) : host(host) {}

    void ShowError(MessageCode code, const std::string& detail);
    // Reports, then closes the program without saving; the caller must not go on.
    void FatalError(MessageCode code, const std::string& detail);
    // Macro-language errors always end the program; code is from the interpreter's list.
    void MacroLanguageError(int line, const std::string& source, std::uint8_t code);

    Host& host;
    // Set by a fatal report: start-up stops and the exit saves nothing.
    bool shuttingDown = false;
};

}  // namespace korvex
