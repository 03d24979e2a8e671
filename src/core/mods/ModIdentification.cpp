#include "mods/ModIdentification.h"

#include "app/Korvex.h"
#include "app/Messages.h"
#include "app/QuakeLocation.h"
#include "mods/ModCatalogue.h"
#include "mods/ModMaintenance.h"
#include "platform/FileSystem.h"
#include "platform/ListOrder.h"
#include "platform/Path.h"
#include "platform/Text.h"

namespace korvex {
namespace {

constexpr const char* kCompleteModScanQuestion =
    "Do you really want to make a complete MOD-Scan? Korvex looks at every directory of your Quake II - directory "
    "again. A MOD found again in its directory keeps its Player-CFGs and options. A MOD whose directory is not "
    "there (a server-side-only MOD) stays in the list. A MOD whose directory holds no modification you confirm or "
    "name is removed from the list.";

// One complete MOD scan. The detection files are read once for the whole scan, and again when
// the scan remembered a MOD: the directories after it are tried against its new file too.
struct ModScan {
    explicit ModScan(Korvex& app)
        : app(app),
          detectionFiles(ReadDetectionFiles(app.paths.autoMod)),
          catalogue(app.report, app.paths, app.modTree) {}

    Korvex& app;
    std::vector<DetectionFile> detectionFiles;
    CatalogueRewrite catalogue;
};

// True when a new detection file was written for the directory.
bool NameUnknownMod(ModScan& scan, const std::string& name, bool noEntry) {
    Korvex& app = scan.app;
    const std::string directory = JoinPath(app.paths.quakeDir, name);
    UnknownModRequest request;
    request.directoryName = name;
    request.readmeDirectory = directory;
    request.viewReadme = [&app](const std::string& file) { ViewReadme(app.report, app.launch, file); };
    const UnknownModAnswer answer = app.host.AskUnknownMod(request);
    if (!answer.confirmed) return false;
    if (!noEntry) scan.catalogue.Add(answer.name, UpperCaseAscii(name));
    if (!AskYesNo(app.host, "Do you want Korvex to remember this modification, so that Korvex can detect it next time?"))
        return false;
    if (RememberModification(app.report, app.paths, directory, answer.name, name)) return true;
    app.host.ShowMessage(Icon::Error, "Couldn't save information about this modification. (" + name + ")",
                         Buttons::Ok);
    return false;
}

// Identifies one directory of the Quake II directory with the player's help: a recognised MOD
// is confirmed, an unknown one named. True when a new detection file was written.
bool ScanDirectory(ModScan& scan, const std::string& name) {
    Korvex& app = scan.app;
    const std::string directory = JoinPath(app.paths.quakeDir, name);
    const AutoModResult detected = DetectModByAutoModFiles(app, scan.detectionFiles, directory, true);
    if (app.report.shuttingDown) return false;
    if (detected.found) {
        if (IsIgnoredModName(detected.modName)) return false;
        if (AskYesNo(app.host, "Korvex identified the modification located in " + WithTrailingSeparator(directory) +
                              " as " + detected.modName + ". Is this correct?")) {
            if (!detected.noEntry) scan.catalogue.Add(detected.modName, UpperCaseAscii(name));
            return false;
        }
    }
    return NameUnknownMod(scan, name, detected.noEntry);
}

// The directories of the Quake II directory, links to directories among them, in alphabetical
// order: the questions come in that order, whatever order the file system lists.
std::vector<std::string> GameDirectories(const std::string& quakeDir) {
    std::vector<std::string> directories;
    for (const DirEntry& entry : ListDirectory(quakeDir))
        if (entry.isDirectory || (entry.isSymbolicLink && DirectoryExists(JoinPath(quakeDir, entry.name))))
            directories.push_back(entry.name);
    SortAsListBox(directories);
    return directories;
}

}  // namespace

IdentifiedMod IdentifyModDirectory(Korvex& app, const std::string& base, const std::string& name, bool forModScan) {
    const AutoModResult detected = DetectModByAutoModFiles(app, JoinPath(base, name), forModScan);
    const bool found = detected.found && !IsIgnoredModName(detected.modName);
    return {found, detected.modName, detected.usualDirectory, detected.noEntry};
}

void RunCompleteModScan(Korvex& app, bool ask) {
    if (!RequireQuakeDir(app.report, app.paths)) return;
    if (ask && !app.modTree.mods.empty() && !AskYesNo(app.host, kCompleteModScanQuestion)) return;
    const std::vector<std::string> directories = GameDirectories(app.paths.quakeDir);
    ModScan scan(app);
    for (const std::string& name : directories) {
        if (EqualsIgnoringCase(name, kScriptDirectoryName)) continue;
        if (EqualsIgnoringCase(name, kBaseGameDirectory)) {
            if (!scan.catalogue.Keep(name)) scan.catalogue.Add(kBaseGameName, kBaseGameDirectory);
            continue;
        }
        if (ScanDirectory(scan, name)) scan.detectionFiles = ReadDetectionFiles(app.paths.autoMod);
        if (app.report.shuttingDown) return;
    }
    scan.catalogue.Finish(directories);
}

void RunFirstModScan(Korvex& app) {
    RunCompleteModScan(app, false);
    if (app.report.shuttingDown) return;
    std::vector<std::string> directories;
    for (const ModNode& mod : app.modTree.mods) directories.push_back(ModDirOfNodeText(mod.text));
    OfferPlayerCfgAssignment(app.report, app.paths, app.modTree, app.currentPlayerName, directories);
}

}  // namespace korvex
