// "Add existing MOD" without a window.
#include <iostream>

#include "app/Korvex.h"
#include "app/QuakeLocation.h"
#include "cli/CliCommands.h"
#include "install/InstallIdentification.h"
#include "mods/ModCatalogue.h"
#include "mods/ModTree.h"
#include "platform/FileSystem.h"
#include "platform/Text.h"

namespace korvex {
namespace {

// DIRECTORY, then --name and --dir both or neither.
bool ParseArguments(const std::vector<std::string>& args, std::string& name, std::string& modDir) {
    bool wellFormed = !args.empty() && !args[0].starts_with("--");
    for (std::size_t i = 1; wellFormed && i < args.size(); i += 2) {
        wellFormed = (args[i] == "--name" || args[i] == "--dir") && i + 1 < args.size();
        if (wellFormed) (args[i] == "--name" ? name : modDir) = args[i + 1];
    }
    return wellFormed && name.empty() == modDir.empty();
}

}  // namespace

// add-existing DIRECTORY [--name NAME --dir DIRECTORY]: a recognised MOD is taken as
// recognised, an unknown one needs its name and directory. The files that belong to no MOD are
// listed on standard error and stay where they are: the command line deletes none.
int RunAddExisting(CliContext& context) {
    const auto& args = context.args;
    std::string name;
    std::string modDir;
    if (!ParseArguments(args, name, modDir)) {
        std::cerr << "usage: korvex-cli add-existing DIRECTORY [--name NAME --dir DIRECTORY]\n";
        return 2;
    }
    Korvex& app = context.app;
    if (!UseStoredQuakeDir(app.report, app.paths)) return 1;
    const std::string directory = AbsolutePath(args[0]);
    if (!DirectoryExists(directory)) {
        std::cerr << "There is no directory " << Cp1252ToUtf8(args[0]) << ".\n";
        return 1;
    }
    LoadModCatalogue(app.report, app.paths, app.modTree);
    if (app.report.shuttingDown) return 1;
    context.host.AnswerQuestions("Korvex identified this modification as ", Button::Yes);
    if (!name.empty()) {
        context.host.SetModIdentity(name, modDir);
        context.host.AnswerQuestions("Would you like to identify the modification yourself?", Button::Yes);
    }
    AddExistingMod(app, directory);
    // Message 31 on the way to a MOD named on the command line is no failure: the entry counts.
    const std::string added = app.install.installedModDir;
    bool recorded = false;
    for (const ModNode& mod : app.modTree.mods) {
        if (added.empty() || !EqualsIgnoringCase(ModDirOfNodeText(mod.text), added)) continue;
        std::cout << Cp1252ToUtf8(mod.text) << '\n';
        recorded = true;
    }
    return recorded ? 0 : 1;
}

}  // namespace korvex
