// The Player-CFG operations of the Config-Editor without a window: each loads what the
// window would have on screen, then runs the same core operation.
#include <algorithm>
#include <iostream>

#include "app/Korvex.h"
#include "app/Messages.h"
#include "app/QuakeLocation.h"
#include "app/StartUp.h"
#include "cli/CliCommands.h"
#include "compiler/EffectiveOptions.h"
#include "compiler/OptionControls.h"
#include "compiler/OptionSettings.h"
#include "compiler/OptionsView.h"
#include "macros/MacroCatalogue.h"
#include "mods/ModTree.h"
#include "platform/ListLookup.h"
#include "platform/Path.h"
#include "platform/Text.h"
#include "platform/TextFile.h"
#include "players/CharacterLists.h"
#include "players/Inheritance.h"
#include "players/PlayerCfgFiles.h"
#include "players/PlayerDataFiles.h"
#include "players/PlayerDirs.h"
#include "players/PlayerOperations.h"

namespace korvex {
namespace {

int Usage(const char* usage) {
    std::cerr << "usage: korvex-cli " << usage << '\n';
    return 2;
}

// A name for a Player-CFG that does not exist yet.
bool TakeNewName(const std::string& argument, std::string& name) {
    name = argument;
    if (!IsBlankPlayerName(name)) return true;
    std::cerr << "A Player-CFG needs a name that is not empty or only blanks.\n";
    return false;
}

// The Player-CFG loaded as the Config-Editor would show it, with the macros it includes.
bool LoadForEditing(CliContext& context, const std::string& argument) {
    Korvex& app = context.app;
    std::string name;
    if (!FindPlayerArgument(context, argument, name)) return false;
    LoadMacroCatalogue(app.report, app.macroCatalogue, app.macroLists, app.paths.macros);
    if (app.report.shuttingDown) return false;
    LoadPlayerCFG(app, name);
    return !app.report.shuttingDown;
}

// The chosen ancestor, as the Special tab would offer it to the new Player-CFG.
bool InheritFrom(Korvex& app, const std::string& ancestor) {
    FillInheritCombo(app.paths, app.player, app.currentPlayerName);
    const int position = IndexIgnoringCase(app.player.controls.inherit1Items, ancestor);
    if (position < 0) {
        std::cerr << "Cannot inherit from " << Cp1252ToUtf8(ancestor)
                  << ": it inherits from a Player-CFG that is missing or from this one.\n";
        return false;
    }
    app.player.special1 = true;
    app.player.inherit1 = app.player.controls.inherit1Items[position];
    UpdateInheritControls(app, false);
    return true;
}

// Check boxes take true and false in any letter case.
std::string StoredValue(Option option, const std::string& value) {
    if (IsFlagOption(option) && (EqualsIgnoringCase(value, "TRUE") || EqualsIgnoringCase(value, "FALSE")))
        return UpperCaseAscii(value);
    return value;
}

// A line of the options command: the option's name, a tab, its value and the further columns.
void PrintOptionLine(Option option, const std::string& value, const std::string& source = "") {
    std::cout << Cp1252ToUtf8(OptionLabel(option)) << '\t' << Cp1252ToUtf8(value);
    if (!source.empty()) std::cout << '\t' << Cp1252ToUtf8(source);
    std::cout << '\n';
}

int PrintOwnOptions(CliContext& context, const std::string& name) {
    Korvex& app = context.app;
    const std::string path = JoinPath(JoinPath(app.paths.players, name), "options.dat");
    const std::optional<OptionsFile> options = ReadOptionsFile(path);
    if (!options) {
        app.report.ShowError(Err::CouldntLoadFile, path);
        return 1;
    }
    for (int index = 0; index < kOptionCount; ++index)
        PrintOptionLine(static_cast<Option>(index), options->values[index]);
    return ExitStatus(context);
}

// What the game gets: inherited values come from the ancestor that supplies them, as in a compile.
int PrintEffectiveOptions(CliContext& context, const std::string& name) {
    Korvex& app = context.app;
    PlayerCfg player = DefaultPlayerCfg();
    if (!ReadStoredPlayerCfg(app.report, app.paths, JoinPath(app.paths.players, name), player) || !player.loaded)
        return 1;
    const std::optional<EffectiveOptions> effective =
        ResolveEffectiveOptions(app.report, app.paths, name, player, false);
    if (!effective) return 1;
    for (int index = 0; index < kOptionCount; ++index)
        PrintOptionLine(static_cast<Option>(index), effective->values[index], effective->sources[index]);
    return ExitStatus(context);
}

}  // namespace

bool FindPlayerArgument(const CliContext& context, const std::string& argument, std::string& name) {
    const std::vector<std::string> names = FillPlayerList(context.app.paths);
    const int position = IndexIgnoringCase(names, argument);
    if (position >= 0) {
        name = names[position];
        return true;
    }
    std::cerr << "There is no Player-CFG named " << Cp1252ToUtf8(argument) << ".\n";
    return false;
}

int RunNewPlayer(CliContext& context) {
    const std::vector<std::string>& args = context.args;
    const char* usage = "new-player NAME [--inherit PARENT]";
    if (args.size() != 1 && !(args.size() == 3 && args[1] == "--inherit")) return Usage(usage);
    Korvex& app = context.app;
    std::string name;
    std::string ancestor;
    if (!TakeNewName(args[0], name)) return 1;
    if (args.size() == 3 && !FindPlayerArgument(context, args[2], ancestor)) return 1;
    LoadMacroCatalogue(app.report, app.macroCatalogue, app.macroLists, app.paths.macros);
    const auto inherit = [&ancestor](Korvex& created) { return ancestor.empty() || InheritFrom(created, ancestor); };
    if (app.report.shuttingDown || !CreatePlayerFromTemplate(app, name, inherit)) return 1;
    return ExitStatus(context);
}

int RunCopyPlayer(CliContext& context) {
    if (context.args.size() != 2) return Usage("copy-player FROM TO");
    std::string target;
    if (!TakeNewName(context.args[1], target) || !LoadForEditing(context, context.args[0])) return 1;
    return CopyCurrentPlayer(context.app, target) ? ExitStatus(context) : 1;
}

int RunRenamePlayer(CliContext& context) {
    if (context.args.size() != 2) return Usage("rename-player OLD NEW");
    Korvex& app = context.app;
    std::string newName;
    if (!TakeNewName(context.args[1], newName) || !LoadForEditing(context, context.args[0])) return 1;
    app.modTree = ReadModTree(app.paths.mods);
    if (!RenameCurrentPlayer(app, newName)) return 1;
    return ExitStatus(context);
}

int RunDeletePlayer(CliContext& context) {
    if (context.args.empty()) return Usage("delete-player NAME...");
    Korvex& app = context.app;
    std::vector<std::string> names;
    for (const std::string& argument : context.args) {
        std::string name;
        if (!FindPlayerArgument(context, argument, name)) return 1;
        names.push_back(name);
    }
    // The one Korvex opens next is the current one, which stays.
    app.currentPlayerName = ReadFirstLine(LastPlayerFile(app.paths));
    app.modTree = ReadModTree(app.paths.mods);
    DeletePlayers(app, names);
    return ExitStatus(context);
}

int RunUse(CliContext& context) {
    if (context.args.size() != 1) return Usage("use PLAYER");
    std::string name;
    if (!FindPlayerArgument(context, context.args[0], name)) return 1;
    SaveLastPlayer(context.app.report, context.app.paths, name);
    return ExitStatus(context);
}

int RunOptions(CliContext& context) {
    std::vector<std::string> args = context.args;
    const auto effectiveFlag = std::find(args.begin(), args.end(), "--effective");
    const bool effective = effectiveFlag != args.end();
    if (effective) args.erase(effectiveFlag);
    if (args.size() != 1) return Usage("options PLAYER [--effective]");
    std::string name;
    if (!FindPlayerArgument(context, args[0], name)) return 1;
    return effective ? PrintEffectiveOptions(context, name) : PrintOwnOptions(context, name);
}

int RunSetOption(CliContext& context) {
    if (context.args.size() != 3) return Usage("set-option PLAYER NAME VALUE");
    Korvex& app = context.app;
    Option option{};
    if (!FindOptionByLabel(context.args[1], option)) {
        std::cerr << "There is no option named " << Cp1252ToUtf8(context.args[1])
                  << "; korvex-cli options PLAYER lists them.\n";
        return 1;
    }
    if (!LoadForEditing(context, context.args[0])) return 1;
    // The model and skin lists come from the game's directory.
    if ((option == Option::Character1 || option == Option::Character2) && !UseStoredQuakeDir(app.report, app.paths))
        return 1;
    PlayerCfg changed = app.player;
    changed.SetText(option, StoredValue(option, context.args[2]));
    if (const std::string detail = InvalidOptionDetail(app.report, app.paths, changed, option); !detail.empty()) {
        app.report.ShowError(Err::InvalidInput, detail);
        return 1;
    }
    app.player.SetText(option, changed.Text(option));
    // What the Options tab does on such a change: another model needs its skin chosen anew,
    // another driver family its texture choice.
    if (option == Option::Character1) Character1Change(app.report, app.player);
    if (option == Option::Video1) Video1Change(app.report, app.player, app.optionsView);
    SavePlayerCFG(app);
    return ExitStatus(context);
}

}  // namespace korvex
