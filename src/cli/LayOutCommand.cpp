// korvex-cli lay-out: the program directory laid out from delivered data, as an installed
// Korvex does at every start; the build and the demo lay out theirs with it.
#include <iostream>

#include "app/Korvex.h"
#include "app/ProgramLocation.h"
#include "cli/CliCommands.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"
#include "platform/Text.h"

namespace korvex {

int RunLayOut(CliContext& context) {
    if (context.args.size() != 1) {
        std::cerr << "usage: korvex-cli lay-out DATADIR\n";
        return 2;
    }
    const std::string& deliveredDir = context.args[0];
    if (!DirectoryExists(JoinPath(deliveredDir, "macros"))) {
        std::cerr << Cp1252ToUtf8(deliveredDir) << " holds no delivered data (no macros directory).\n";
        return 1;
    }
    const bool complete = LayOutProgramDir(context.app.report, deliveredDir, context.app.paths.program);
    return complete ? ExitStatus(context) : 1;
}

}  // namespace korvex
