// The commands of korvex-cli. Each runs one core operation on the program directory and
// returns the exit status: 0 done, 1 an error was reported, 2 wrong usage.
#pragma once

#include <string>
#include <vector>

#include "cli/CliHost.h"

namespace korvex {

struct Korvex;

struct CliContext {
    Korvex& app;
    CliHost& host;
    std::vector<std::string> args;  // the words after the command's name
    std::string executableDir;      // where korvex-cli itself lies
};

struct CliCommand {
    const char* name;
    const char* usage;
    bool writes;  // refused while Korvex itself runs
    int (*run)(CliContext& context);
};

// The exit status of a command that reported through the host.
int ExitStatus(const CliContext& context);
// Before a compile: the stored game location, the program options and the macro catalogue.
// False, with a message, when the argument names no Player-CFG or something is missing.
bool PrepareCompile(CliContext& context, const std::string& argument, std::string& player);

// The Player-CFG an argument names, in the letter case of its directory; reports when
// there is none.
bool FindPlayerArgument(const CliContext& context, const std::string& argument, std::string& name);

int RunCheck(CliContext& context);
int RunLayOut(CliContext& context);
int RunPlayers(CliContext& context);
int RunCompile(CliContext& context);
int RunKeymap(CliContext& context);
int RunMacros(CliContext& context);
int RunRunMacro(CliContext& context);
int RunAddMacro(CliContext& context);
int RunRemoveMacro(CliContext& context);
int RunBindings(CliContext& context);
int RunSetKeys(CliContext& context);
int RunMods(CliContext& context);
int RunAddMod(CliContext& context);
int RunAssign(CliContext& context);
int RunUnassign(CliContext& context);
int RunRenameMod(CliContext& context);
int RunRemoveMod(CliContext& context);
int RunModFiles(CliContext& context);
int RunModOptions(CliContext& context);
int RunLaunch(CliContext& context);
int RunExport(CliContext& context);
int RunImport(CliContext& context);
int RunPrint(CliContext& context);
int RunNewPlayer(CliContext& context);
int RunCopyPlayer(CliContext& context);
int RunRenamePlayer(CliContext& context);
int RunDeletePlayer(CliContext& context);
int RunUse(CliContext& context);
int RunOptions(CliContext& context);
int RunSetOption(CliContext& context);
int RunIdentify(CliContext& context);
int RunScanMods(CliContext& context);
int RunInstall(CliContext& context);
int RunAddExisting(CliContext& context);

}  // namespace korvex
