#include <iostream>

#include "app/Korvex.h"
#include "app/StartUp.h"
#include "cli/CliCommands.h"
#include "platform/Text.h"
#include "platform/TextFile.h"
#include "players/PlayerDirs.h"

namespace korvex {

// The Player-CFGs, one a line; the one Korvex opens next is marked with "* ".
int RunPlayers(CliContext& context) {
    const Korvex& app = context.app;
    const std::string current = ReadFirstLine(LastPlayerFile(app.paths));
    for (const std::string& name : FillPlayerList(app.paths))
        std::cout << (EqualsIgnoringCase(name, current) ? "* " : "  ") << Cp1252ToUtf8(name) << '\n';
    return ExitStatus(context);
}

}  // namespace korvex
