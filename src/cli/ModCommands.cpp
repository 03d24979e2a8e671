// The MOD catalogue and the launch without a window.
#include <algorithm>
#include <iostream>

#include "app/Korvex.h"
#include "app/QuakeLocation.h"
#include "cli/CliCommands.h"
#include "mods/ModCatalogue.h"
#include "mods/ModMaintenance.h"
#include "mods/ModManifest.h"
#include "mods/ModTree.h"
#include "platform/ListOrder.h"
#include "platform/Text.h"
#include "players/PlayerDirs.h"

namespace korvex {
namespace {

int Usage(const char* usage) {
    std::cerr << "usage: korvex-cli " << usage << '\n';
    return 2;
}

// The catalogue as the MOD-Launcher page shows it; false when it could not be read.
bool LoadCatalogue(Reporter& report, const ProgramPaths& paths, ModTree& modTree) {
    LoadModCatalogue(report, paths, modTree);
    return !report.shuttingDown;
}

// A MOD named by its game directory in any letter case, or by its tree text.
const ModNode* FindMod(ModTree& modTree, const std::string& argument) {
    if (const ModNode* mod = FindModByTextOrDirectory(modTree, argument)) return mod;
    std::cerr << "There is no MOD named " << Cp1252ToUtf8(argument) << ".\n";
    return nullptr;
}

bool ReadEntryOf(const ProgramPaths& paths, const ModNode& mod, ModEntry& entry) {
    bool atEnd = false;
    if (ReadModEntry(ModEntryPath(paths, ModDirOfNodeText(mod.text)), entry, atEnd)) return true;
    std::cerr << "The entry of " << Cp1252ToUtf8(mod.text) << " cannot be read.\n";
    return false;
}

bool KnownPlayer(const ProgramPaths& paths, const std::string& name) {
    if (StaysInPlayersDir(name) && PlayerDirExists(paths, name)) return true;
    std::cerr << "There is no Player-CFG named " << Cp1252ToUtf8(name) << ".\n";
    return false;
}

bool ParseOnOff(const std::string& text, bool& value) {
    if (text != "on" && text != "off") return false;
    value = text == "on";
    return true;
}

// Applies the options given after the MOD; false on a word it does not know.
bool ParseModOptions(const std::vector<std::string>& args, ModEntry& entry) {
    bool configLinesGiven = false;
    for (std::size_t i = 1; i < args.size(); i += 2) {
        if (i + 1 >= args.size()) return false;
        const std::string& option = args[i];
        const std::string& value = args[i + 1];
        if (option == "--map") {
            entry.mapName = value;
        } else if (option == "--params") {
            entry.commandLineParameters = value;
        } else if (option == "--menu") {
            entry.menuOnStartup = TextToIntDef(value);
        } else if (option == "--deathmatch") {
            if (!ParseOnOff(value, entry.deathmatch)) return false;
        } else if (option == "--disable-demo") {
            if (!ParseOnOff(value, entry.disableDemo)) return false;
        } else if (option == "--config-line") {
            if (!configLinesGiven) entry.configLines.clear();
            configLinesGiven = true;
            entry.configLines.push_back(value);
        } else {
            return false;
        }
    }
    return true;
}

// Assigns or unassigns a Player-CFG as the options dialog would.
int ChangeAssignment(CliContext& context, bool assign, const char* usage) {
    if (context.args.size() != 2) return Usage(usage);
    Korvex& app = context.app;
    if (!LoadCatalogue(app.report, app.paths, app.modTree)) return 1;
    const ModNode* mod = FindMod(app.modTree, context.args[0]);
    ModEntry entry;
    if (!mod || !ReadEntryOf(app.paths, *mod, entry)) return 1;
    const std::string& player = context.args[1];
    if (assign) {
        if (!KnownPlayer(app.paths, player)) return 1;
        entry.playerCfgs.push_back(player);
        // The options dialog's sorted list writes them in this order too.
        SortAsListBox(entry.playerCfgs);
    } else if (std::erase(entry.playerCfgs, player) == 0) {
        std::cerr << Cp1252ToUtf8(player + " is not assigned to " + mod->text) << ".\n";
        return 1;
    }
    ApplyModOptions(app.report, app.paths, app.modTree, mod->text, entry);
    return ExitStatus(context);
}

}  // namespace

int RunMods(CliContext& context) {
    Korvex& app = context.app;
    if (!LoadCatalogue(app.report, app.paths, app.modTree)) return 1;
    for (const ModNode& mod : app.modTree.mods) {
        std::cout << Cp1252ToUtf8(mod.text) << '\n';
        for (const std::string& player : mod.players) std::cout << "  " << Cp1252ToUtf8(player) << '\n';
    }
    return ExitStatus(context);
}

int RunAddMod(CliContext& context) {
    if (context.args.size() != 2) return Usage("add-mod NAME DIRECTORY");
    Korvex& app = context.app;
    if (!LoadCatalogue(app.report, app.paths, app.modTree)) return 1;
    const bool added =
        AddModToCatalogue(app.report, app.paths, app.modTree, context.args[0], UpperCaseAscii(context.args[1]));
    return added ? 0 : 1;
}

int RunAssign(CliContext& context) { return ChangeAssignment(context, true, "assign MOD PLAYER"); }

int RunUnassign(CliContext& context) { return ChangeAssignment(context, false, "unassign MOD PLAYER"); }

int RunRenameMod(CliContext& context) {
    const char* usage = "rename-mod MOD NAME [--dir DIRECTORY]";
    const auto& args = context.args;
    if (args.size() != 2 && !(args.size() == 4 && args[2] == "--dir")) return Usage(usage);
    Korvex& app = context.app;
    if (!UseStoredQuakeDir(app.report, app.paths) || !LoadCatalogue(app.report, app.paths, app.modTree)) return 1;
    const ModNode* mod = FindMod(app.modTree, args[0]);
    if (!mod) return 1;
    const std::string modText = mod->text;
    const std::string directory = args.size() == 4 ? args[3] : ModDirOfNodeText(modText);
    RenameMod(app.report, app.paths, app.modTree, modText, args[1], directory);
    return ExitStatus(context);
}

int RunRemoveMod(CliContext& context) {
    const auto& args = context.args;
    if (args.empty() || args.size() > 2 || (args.size() == 2 && args[1] != "--delete-files"))
        return Usage("remove-mod MOD [--delete-files]");
    Korvex& app = context.app;
    if (!UseStoredQuakeDir(app.report, app.paths) || !LoadCatalogue(app.report, app.paths, app.modTree)) return 1;
    const ModNode* mod = FindMod(app.modTree, args[0]);
    if (!mod) return 1;
    const std::string modText = mod->text;
    return RemoveMod(app.report, app.paths, app.modTree, modText, args.size() == 2) ? ExitStatus(context) : 1;
}

int RunModFiles(CliContext& context) {
    if (context.args.size() != 1) return Usage("mod-files MOD");
    Korvex& app = context.app;
    if (!UseStoredQuakeDir(app.report, app.paths) || !LoadCatalogue(app.report, app.paths, app.modTree)) return 1;
    const ModNode* mod = FindMod(app.modTree, context.args[0]);
    if (!mod) return 1;
    const std::string directory = ManifestDirectory(app.paths, ModDirOfNodeText(mod->text));
    if (!HasManifest(directory)) {
        std::cerr << Cp1252ToUtf8(mod->text) << " has no manifest: it was installed before Korvex kept them, or by "
                                                 "hand.\n";
        return 1;
    }
    const std::optional<Manifest> manifest = ReadManifest(directory);
    if (!manifest) {
        std::cerr << "The manifest " << Cp1252ToUtf8(ManifestFilePath(directory)) << " is damaged.\n";
        return 1;
    }
    for (const ManifestFile& file : *manifest)
        std::cout << Cp1252ToUtf8(file.path) << '\t' << file.digest.size << '\t'
                  << StateName(StateOf(app.paths.quakeDir, file)) << '\n';
    return ExitStatus(context);
}

int RunModOptions(CliContext& context) {
    const char* usage =
        "mod-options MOD [--map TEXT] [--params TEXT] [--menu N] [--deathmatch on|off] [--disable-demo on|off] "
        "[--config-line TEXT]...";
    if (context.args.empty()) return Usage(usage);
    Korvex& app = context.app;
    if (!LoadCatalogue(app.report, app.paths, app.modTree)) return 1;
    const ModNode* mod = FindMod(app.modTree, context.args[0]);
    ModEntry entry;
    if (!mod || !ReadEntryOf(app.paths, *mod, entry)) return 1;
    if (!ParseModOptions(context.args, entry)) return Usage(usage);
    ApplyModOptions(app.report, app.paths, app.modTree, mod->text, entry);
    return ExitStatus(context);
}

}  // namespace korvex
