// korvex-cli [--program-dir DIR] [--yes] COMMAND ...: Korvex's operations without a window.
#include <array>
#include <cstring>
#include <iostream>
#include <string>
#include <unistd.h>

#include "app/InstanceGuard.h"
#include "app/Korvex.h"
#include "app/StartUp.h"
#include "cli/CliCommands.h"
#include "cli/CliHost.h"
#include "platform/Path.h"

namespace {

using korvex::CliCommand;

constexpr std::array kCommands = {
    CliCommand{"check", "check", false, korvex::RunCheck},
    CliCommand{"players", "players", false, korvex::RunPlayers},
    CliCommand{"compile", "compile PLAYER OUTDIR", true, korvex::RunCompile},
    CliCommand{"keymap", "keymap PLAYER", false, korvex::RunKeymap},
    CliCommand{"macros", "macros", false, korvex::RunMacros},
    CliCommand{"run-macro", "run-macro FILE [--input N=TEXT]... [--key NAME]...", false, korvex::RunRunMacro},
    CliCommand{"add-macro", "add-macro PLAYER MACRO [--input N=TEXT]... [--key KEYS]... [--add-key | --overwrite]",
               true, korvex::RunAddMacro},
    CliCommand{"remove-macro", "remove-macro PLAYER MACRO", true, korvex::RunRemoveMacro},
    CliCommand{"bindings", "bindings PLAYER", false, korvex::RunBindings},
    CliCommand{"set-keys", "set-keys PLAYER MACRO N KEYS", true, korvex::RunSetKeys},
};

int PrintUsage() {
    std::cerr << "usage: korvex-cli [--program-dir DIR] [--yes] COMMAND ...\ncommands:\n";
    for (const CliCommand& command : kCommands) std::cerr << "  " << command.usage << '\n';
    return 2;
}

std::string ExecutableDirectory() {
    std::array<char, 4096> buffer{};
    const ssize_t length = ::readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
    return length > 0 ? korvex::ParentDirectory(std::string(buffer.data(), length)) : std::string(".");
}

const CliCommand* FindCommand(const std::string& name) {
    for (const CliCommand& command : kCommands)
        if (name == command.name) return &command;
    return nullptr;
}

}  // namespace

int main(int argc, char* argv[]) {
    std::string programDir = ExecutableDirectory();
    bool answerYes = false;
    int next = 1;
    for (; next < argc && std::strncmp(argv[next], "--", 2) == 0; ++next) {
        if (std::strcmp(argv[next], "--yes") == 0) {
            answerYes = true;
        } else if (std::strcmp(argv[next], "--program-dir") == 0 && next + 1 < argc) {
            programDir = argv[++next];
        } else {
            return PrintUsage();
        }
    }
    const CliCommand* command = next < argc ? FindCommand(argv[next]) : nullptr;
    if (!command) return PrintUsage();

    korvex::CliHost host(answerYes);
    korvex::Korvex app(host);
    app.executablePath = korvex::JoinPath(programDir, "korvex-cli");
    korvex::SetProgramDirs(app, korvex::WithTrailingSeparator(programDir));
    if (command->writes && korvex::OtherInstanceRunning(app)) {
        std::cerr << "Korvex is running on this program directory; close it first.\n";
        return 1;
    }
    korvex::CliContext context{app, host, std::vector<std::string>(argv + next + 1, argv + argc)};
    const int status = command->run(context);
    host.RunPosted();
    return status;
}
