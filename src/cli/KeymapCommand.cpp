#include <iostream>

#include "app/Korvex.h"
#include "cli/CliCommands.h"
#include "compiler/ConfigCompiler.h"
#include "compiler/KeyMap.h"
#include "platform/Text.h"

namespace korvex {

// The keys a compile of the Player-CFG would bind, one a line: the key, what it runs and the
// macros that bind it, tab-separated. Nothing is written, so it runs beside Korvex too.
int RunKeymap(CliContext& context) {
    if (context.args.size() != 1) {
        std::cerr << "usage: korvex-cli keymap PLAYER\n";
        return 2;
    }
    Korvex& app = context.app;
    std::string player;
    if (!PrepareCompile(context, context.args[0], player)) return 1;
    KeyMap map;
    if (!CompileKeyMap(app.report, app.paths, app.macroCatalogue, player, map)) return 1;
    for (const KeyMapKey& key : map.keys) std::cout << Cp1252ToUtf8(KeyMapLine(key)) << '\n';
    return ExitStatus(context);
}

}  // namespace korvex
