// korvex-cli [--program-dir DIR] [--yes] COMMAND ...: Korvex's operations without a window.
#include <array>
#include <iostream>
#include <string>
#include <vector>
#include <unistd.h>

#include "app/InstanceGuard.h"
#include "app/Korvex.h"
#include "app/ProgramLocation.h"
#include "app/Recovery.h"
#include "app/StartUp.h"
#include "cli/CliCommands.h"
#include "cli/CliHost.h"
#include "platform/Path.h"
#include "platform/Text.h"

namespace {

using korvex::CliCommand;

constexpr std::array kCommands = {
    CliCommand{"check", "check", false, korvex::RunCheck},
    CliCommand{"players", "players", false, korvex::RunPlayers},
    CliCommand{"compile", "compile PLAYER OUTDIR", true, korvex::RunCompile},
    CliCommand{"keymap", "keymap PLAYER", false, korvex::RunKeymap},
    CliCommand{"macros", "macros", false, korvex::RunMacros},
    CliCommand{"export", "export FILE PLAYER...", false, korvex::RunExport},
    CliCommand{"import", "import FILE [PLAYER...]", true, korvex::RunImport},
    CliCommand{"print", "print PLAYER FILE.pdf", true, korvex::RunPrint},
    CliCommand{"run-macro", "run-macro FILE [--input N=TEXT]... [--key NAME]...", false, korvex::RunRunMacro},
    CliCommand{"add-macro", "add-macro PLAYER MACRO [--input N=TEXT]... [--key KEYS]... [--add-key | --overwrite]",
               true, korvex::RunAddMacro},
    CliCommand{"remove-macro", "remove-macro PLAYER MACRO", true, korvex::RunRemoveMacro},
    CliCommand{"bindings", "bindings PLAYER", false, korvex::RunBindings},
    CliCommand{"set-keys", "set-keys PLAYER MACRO N KEYS", true, korvex::RunSetKeys},
    CliCommand{"mods", "mods", false, korvex::RunMods},
    CliCommand{"add-mod", "add-mod NAME DIRECTORY", true, korvex::RunAddMod},
    CliCommand{"assign", "assign MOD PLAYER", true, korvex::RunAssign},
    CliCommand{"unassign", "unassign MOD PLAYER", true, korvex::RunUnassign},
    CliCommand{"rename-mod", "rename-mod MOD NAME [--dir DIRECTORY]", true, korvex::RunRenameMod},
    CliCommand{"remove-mod", "remove-mod MOD [--delete-files]", true, korvex::RunRemoveMod},
    CliCommand{"mod-files", "mod-files MOD", false, korvex::RunModFiles},
    CliCommand{"mod-options",
               "mod-options MOD [--map TEXT] [--params TEXT] [--menu N] [--deathmatch on|off] [--disable-demo on|off] "
               "[--config-line TEXT]...",
               true, korvex::RunModOptions},
    CliCommand{"launch", "launch MOD PLAYER [--dry-run] [--quit-after]", true, korvex::RunLaunch},
    CliCommand{"new-player", "new-player NAME [--inherit PARENT]", true, korvex::RunNewPlayer},
    CliCommand{"copy-player", "copy-player FROM TO", true, korvex::RunCopyPlayer},
    CliCommand{"rename-player", "rename-player OLD NEW", true, korvex::RunRenamePlayer},
    CliCommand{"delete-player", "delete-player NAME...", true, korvex::RunDeletePlayer},
    CliCommand{"use", "use PLAYER", true, korvex::RunUse},
    CliCommand{"options", "options PLAYER [--effective]", false, korvex::RunOptions},
    CliCommand{"set-option", "set-option PLAYER NAME VALUE", true, korvex::RunSetOption},
    CliCommand{"identify", "identify DIRECTORY", false, korvex::RunIdentify},
    CliCommand{"scan-mods", "scan-mods", true, korvex::RunScanMods},
    CliCommand{"install", "install ARCHIVE... [--name NAME --dir DIRECTORY]", true, korvex::RunInstall},
    CliCommand{"add-existing", "add-existing DIRECTORY [--name NAME --dir DIRECTORY]", true, korvex::RunAddExisting},
    CliCommand{"lay-out", "lay-out DATADIR", false, korvex::RunLayOut},
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

// Names and paths inside Korvex are Windows-1252 like all its text; the command line speaks
// UTF-8. Its words are converted here, once; what is printed goes back to UTF-8.
std::vector<std::string> ArgumentsFrom(int argc, char* argv[]) {
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) args.push_back(korvex::Utf8ToCp1252(argv[i]));
    return args;
}

const CliCommand* FindCommand(const std::string& name) {
    for (const CliCommand& command : kCommands)
        if (name == command.name) return &command;
    return nullptr;
}

}  // namespace

int main(int argc, char* argv[]) {
    std::vector<std::string> args = ArgumentsFrom(argc, argv);
    std::string programDir;
    bool answerYes = false;
    std::size_t next = 0;
    for (; next < args.size() && args[next].starts_with("--"); ++next) {
        if (args[next] == "--yes") {
            answerYes = true;
        } else if (args[next] == "--program-dir" && next + 1 < args.size()) {
            programDir = args[++next];
        } else {
            return PrintUsage();
        }
    }
    const CliCommand* command = next < args.size() ? FindCommand(args[next]) : nullptr;
    if (!command) return PrintUsage();
    args.erase(args.begin(), args.begin() + static_cast<std::ptrdiff_t>(next + 1));

    korvex::CliHost host(answerYes);
    korvex::Korvex app(host);
    const std::string executableDir = korvex::Utf8ToCp1252(ExecutableDirectory());
    korvex::SetProgramDirs(app.paths,
                           programDir.empty() ? korvex::FindProgramDir(app.report, executableDir) : programDir);
    app.executablePath = korvex::JoinPath(app.paths.program, "korvex-cli");
    if (command->writes && korvex::OtherInstanceRunning(app.executablePath)) {
        std::cerr << "Korvex is running on this program directory; close it first.\n";
        return 1;
    }
    if (command->writes) korvex::FinishInterruptedWork(app.report, app.paths);
    korvex::CliContext context{app, host, std::move(args), executableDir};
    const int status = command->run(context);
    host.RunPosted();
    return status;
}
