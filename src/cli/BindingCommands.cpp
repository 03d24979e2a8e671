// korvex-cli add-macro, remove-macro, bindings and set-keys: macro inclusion and the
// key-binding editor on a Player-CFG on disk, as the Bindings tab does them.
#include <iostream>

#include "app/Korvex.h"
#include "bindings/BindingOverview.h"
#include "bindings/MacroInclusion.h"
#include "cli/CliCommands.h"
#include "cli/MacroInput.h"
#include "macros/MacroCatalogue.h"
#include "platform/FileSystem.h"
#include "platform/ListLookup.h"
#include "platform/Path.h"
#include "platform/Text.h"
#include "players/PlayerCfgFiles.h"
#include "players/PlayerDirs.h"

namespace korvex {
namespace {

// The catalogue and the Player-CFG named on the command line; false after a message.
bool LoadPlayer(Korvex& app, const std::string& player) {
    if (!StaysInPlayersDir(player) || !DirectoryExists(JoinPath(app.paths.players, player))) {
        std::cerr << "There is no Player-CFG named " << Cp1252ToUtf8(player) << ".\n";
        return false;
    }
    LoadMacroCatalogue(app.report, app.macroCatalogue, app.macroLists, app.paths.macros);
    if (!app.report.shuttingDown) LoadPlayerCFG(app, player);
    return !app.report.shuttingDown;
}

// MACRO is a file name as "macros" prints it or a description.
const MacroCatalogueEntry* FindMacro(const MacroCatalogue& macroCatalogue, const std::string& macro) {
    if (const MacroCatalogueEntry* entry = FindMacroByDescription(macroCatalogue, macro)) return entry;
    for (const MacroCatalogueEntry& entry : macroCatalogue.entries)
        if (EqualsIgnoringCase(FileName(entry.Path), macro)) return &entry;
    std::cerr << "There is no macro " << Cp1252ToUtf8(macro) << ".\n";
    return nullptr;
}

// The IncludedMacros index of MACRO, or -1 after a message.
int FindIncluded(const PlayerCfg& player, const MacroCatalogue& macroCatalogue, const std::string& macro) {
    const MacroCatalogueEntry* entry = FindMacro(macroCatalogue, macro);
    if (!entry) return -1;
    const int index = IndexIgnoringCase(player.includedMacros, entry->MacroDesc);
    if (index < 0) std::cerr << "The macro " << Cp1252ToUtf8(macro) << " is not included in this Player-CFG.\n";
    return index;
}

struct AddMacroArgs {
    std::string player;
    std::string macro;
    std::vector<TypedInput> inputs;
    std::vector<std::string> keys;
    IncludedMacroChoice included = IncludedMacroChoice::Cancel;
};

bool ParseAddMacroArgs(const std::vector<std::string>& args, AddMacroArgs& parsed) {
    std::vector<std::string> words;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        const bool hasValue = i + 1 < args.size();
        if (word == "--input" && hasValue) {
            const auto input = ParseInput(args[++i]);
            if (!input) return false;
            parsed.inputs.push_back(*input);
        } else if (word == "--key" && hasValue) {
            parsed.keys.push_back(args[++i]);
        } else if ((word == "--add-key" || word == "--overwrite") && parsed.included == IncludedMacroChoice::Cancel) {
            parsed.included = word == "--add-key" ? IncludedMacroChoice::AddKeyBinding : IncludedMacroChoice::Overwrite;
        } else if (word.rfind("--", 0) != 0) {
            words.push_back(word);
        } else {
            return false;
        }
    }
    if (words.size() != 2) return false;
    parsed.player = words[0];
    parsed.macro = words[1];
    return true;
}

// The inclusion chain as the window runs it, with the macro dialog answered from the command line.
bool RunInclusionChain(Korvex& app, CliHost& host, const std::vector<TypedInput>& inputs) {
    for (;;) {
        host.RunPosted();
        if (!app.interpreter.MacroSuspended || app.report.shuttingDown) return !app.report.shuttingDown;
        if (!AnswerMacroDialogs(app, inputs)) return false;
    }
}

}  // namespace

int RunAddMacro(CliContext& context) {
    AddMacroArgs args;
    if (!ParseAddMacroArgs(context.args, args)) return 2;
    if (!CheckGivenKeys(args.keys)) return 1;
    Korvex& app = context.app;
    if (!LoadPlayer(app, args.player)) return 1;
    const MacroCatalogueEntry* entry = FindMacro(app.macroCatalogue, args.macro);
    if (!entry) return 1;
    context.host.GiveKeys(args.keys);
    context.host.SetIncludedChoice(args.included);
    app.macroLists.availMacros = {entry->MacroDesc};
    app.macroLists.availSelected = {true};
    AddToConfig(app);
    if (!RunInclusionChain(app, context.host, args.inputs)) return 1;
    if (context.host.KeyMissing()) return 1;  // nothing is saved
    if (context.host.IncludedAsked() && args.included == IncludedMacroChoice::Cancel) return 1;
    if (context.host.KeysLeft()) std::cerr << "korvex-cli: more keys given than the macro asked for.\n";
    SavePlayerCFG(app);
    return ExitStatus(context);
}

int RunRemoveMacro(CliContext& context) {
    if (context.args.size() != 2) return 2;
    Korvex& app = context.app;
    if (!LoadPlayer(app, context.args[0])) return 1;
    const int index = FindIncluded(app.player, app.macroCatalogue, context.args[1]);
    if (index < 0) return 1;
    app.macroLists.includedSelected.assign(app.player.includedMacros.size(), false);
    app.macroLists.includedSelected[index] = true;
    RemoveFromConfig(app);
    if (app.report.shuttingDown) return 1;
    SavePlayerCFG(app);
    return ExitStatus(context);
}

int RunBindings(CliContext& context) {
    if (context.args.size() != 1) return 2;
    Korvex& app = context.app;
    if (!LoadPlayer(app, context.args[0])) return 1;
    for (const std::string& description : app.player.includedMacros) {
        std::cout << Cp1252ToUtf8(description) << '\n';
        const MacroCatalogueEntry* entry = FindMacroByDescription(app.macroCatalogue, description);
        MacroOutput overview;
        if (!entry) continue;
        const std::string outputFile = MacroOutputPath(app.currentPlayerDir, entry->Path);
        if (!ReadBindingOverview(outputFile, overview) || !CheckOutputKeys(app.report, outputFile, overview)) continue;
        for (const TKey& request : overview.keys) std::cout << "  " << Cp1252ToUtf8(OverviewLine(request)) << '\n';
    }
    return ExitStatus(context);
}

int RunSetKeys(CliContext& context) {
    if (context.args.size() != 4) return 2;
    Korvex& app = context.app;
    if (!LoadPlayer(app, context.args[0])) return 1;
    const int index = FindIncluded(app.player, app.macroCatalogue, context.args[1]);
    if (index < 0) return 1;
    const std::string outputFile = MacroOutputPath(
        app.currentPlayerDir, FindMacroByDescription(app.macroCatalogue, app.player.includedMacros[index])->Path);
    MacroOutput overview;
    if (!ReadBindingOverview(outputFile, overview)) {
        std::cerr << "Cannot read " << Cp1252ToUtf8(outputFile) << ".\n";
        return 1;
    }
    const long long request = TextToIntDef(context.args[2]);
    if (request < 1 || static_cast<std::size_t>(request) > overview.keys.size()) {
        std::cerr << "The macro has " << overview.keys.size() << " key requests; there is no request "
                  << Cp1252ToUtf8(context.args[2]) << ".\n";
        return 1;
    }
    const std::string& keys = context.args[3];
    if (!keys.empty() && !CheckGivenKeys({keys})) return 1;
    SetFunctionKeys(overview, request - 1, SplitKeyNames(keys));
    // The other functions' keys are written back as they are: a hand-edited one is refused.
    if (!CheckOutputKeys(app.report, outputFile, overview)) return 1;
    if (StoreBindingOverview(app, index, outputFile, overview) == OverviewResult::Failed) return 1;
    SavePlayerCFG(app);
    return ExitStatus(context);
}

}  // namespace korvex
