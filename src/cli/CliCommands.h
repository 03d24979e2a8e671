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
};

struct CliCommand {
    const char* name;
    const char* usage;
    bool writes;  // refused while Korvex itself runs
    int (*run)(CliContext& context);
};

// The exit status of a command that reported through the host.
int ExitStatus(const CliContext& context);
// Whether player (as stored) names a Player-CFG; if not, says so with the name as typed.
bool IsPlayerCfg(const Korvex& app, const std::string& player, const std::string& typedName);

int RunCheck(CliContext& context);
int RunPlayers(CliContext& context);
int RunCompile(CliContext& context);
int RunKeymap(CliContext& context);
int RunMacros(CliContext& context);
int RunRunMacro(CliContext& context);
int RunAddMacro(CliContext& context);
int RunRemoveMacro(CliContext& context);
int RunBindings(CliContext& context);
int RunSetKeys(CliContext& context);

}  // namespace korvex
