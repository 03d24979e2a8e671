#include <iostream>

#include "app/Korvex.h"
#include "app/QuakeLocation.h"
#include "cli/CliCommands.h"
#include "install/InstallIdentification.h"
#include "install/ModInstallation.h"
#include "mods/ModCatalogue.h"
#include "mods/ModIdentification.h"
#include "mods/ModTree.h"
#include "platform/Path.h"
#include "platform/Text.h"

namespace korvex {
namespace {

void PrintModText(const ModNode& mod) { std::cout << Cp1252ToUtf8(mod.text) << '\n'; }

// What the archives held besides the installed MOD stays in the temporary directory.
void ListFilesNotInstalled(const ProgramPaths& paths, InstallState& install) {
    CollectFiles(install, paths.temp);
    for (const std::string& file : install.recentFiles)
        std::cerr << "not installed: " << Cp1252ToUtf8(RelativeTo(file, paths.temp)) << '\n';
    install.recentFiles.clear();
}

}  // namespace

// identify DIRECTORY: what detection makes of one directory, without asking.
int RunIdentify(CliContext& context) {
    if (context.args.size() != 1) {
        std::cerr << "usage: korvex-cli identify DIRECTORY\n";
        return 2;
    }
    const IdentifiedMod mod = IdentifyModDirectory(context.app, context.args[0], ".", false);
    if (context.app.report.shuttingDown) return 1;
    std::cout << Cp1252ToUtf8(mod.found ? mod.modName + "\t" + mod.usualDirectory : std::string(kUnknownModName))
              << '\n';
    return 0;
}

// scan-mods: the complete scan; every recognised MOD is taken as recognised.
int RunScanMods(CliContext& context) {
    if (!context.args.empty()) {
        std::cerr << "usage: korvex-cli scan-mods\n";
        return 2;
    }
    Korvex& app = context.app;
    if (!UseStoredQuakeDir(app.report, app.paths)) return 1;
    context.host.AnswerQuestions("Korvex identified the modification located in ", Button::Yes);
    RunCompleteModScan(app, false);
    for (const ModNode& mod : app.modTree.mods) PrintModText(mod);
    return ExitStatus(context);
}

// install ARCHIVE... [--name NAME --dir DIRECTORY]: the installation queue without windows.
int RunInstall(CliContext& context) {
    std::string name;
    std::string directory;
    Korvex& app = context.app;
    for (std::size_t i = 0; i < context.args.size(); ++i) {
        const std::string& word = context.args[i];
        if ((word == "--name" || word == "--dir") && i + 1 < context.args.size()) {
            (word == "--name" ? name : directory) = context.args[++i];
        } else if (word.starts_with("--")) {
            app.install.fileList.clear();
            break;
        } else {
            app.install.fileList.push_back(AbsolutePath(word));
        }
    }
    if (app.install.fileList.empty() || name.empty() != directory.empty()) {
        std::cerr << "usage: korvex-cli install ARCHIVE... [--name NAME --dir DIRECTORY]\n";
        return 2;
    }
    if (!UseStoredQuakeDir(app.report, app.paths)) return 1;
    LoadModCatalogue(app.report, app.paths, app.modTree);
    if (app.report.shuttingDown) return 1;
    if (!name.empty()) {
        context.host.SetModIdentity(name, directory);
        context.host.AnswerQuestions("Would you like to identify the modification yourself?", Button::Yes);
    }
    // Running a setup program deletes nothing, so --yes runs it.
    if (context.host.AnswersYes())
        for (const std::string& file : app.install.fileList)
            context.host.AnswerQuestions("The file " + file + " is not a ZIP- or SFX-File.", Button::Ok);
    if (!StartInstallation(app)) return 1;
    context.host.RunPosted();
    ListFilesNotInstalled(app.paths, app.install);
    const std::string installed = app.install.installedModDir;
    for (const ModNode& mod : app.modTree.mods)
        if (!installed.empty() && EqualsIgnoringCase(ModDirOfNodeText(mod.text), installed))
            PrintModText(mod);
    // Message 31 on the way to a MOD the player named is no failure of the command.
    return installed.empty() || app.install.archiveRefused ? 1 : 0;
}

}  // namespace korvex
