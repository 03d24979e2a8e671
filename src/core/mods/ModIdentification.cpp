#include "mods/ModIdentification.h"

#include "app/Korvex.h"
#include "mods/ModCatalogue.h"
#include "mods/ModMaintenance.h"
#include "platform/FileSystem.h"
#include "platform/ListOrder.h"
#include "platform/Path.h"
#include "platform/Text.h"

namespace korvex {
namespace {

bool AskYesNo(Korvex& app, const std::string& question) {
    return app.host.ShowMessage(Icon::Question, question, Buttons::YesNo) == Button::Yes;
}

// One complete MOD scan. The detection files are read once for the whole scan, and again when
// the scan remembered a MOD: the directories after it are tried against its new file too.
struct ModScan {
    explicit ModScan(Korvex& app) : app(app), detectionFiles(ReadDetectionFiles(app.dirs.autoMod)), catalogue(app) {}

    Korvex& app;
    std::vector<DetectionFile> detectionFiles;
    CatalogueRewrite catalogue;
};

// True when a new detection file was written for the directory.
bool NameUnknownMod(ModScan& scan, const std::string& name, bool noEntry) {
    Korvex& app = scan.app;
    const std::string directory = JoinPath(app.quakeDir, name);
    UnknownModRequest request;
    request.directoryName = name;
    request.readmeDirectory = directory;
    request.viewReadme = [&app](const std::string& file) { ViewReadme(app, file); };
    const UnknownModAnswer answer = app.host.AskUnknownMod(request);
    if (!answer.confirmed) return false;
    if (!noEntry) scan.catalogue.Add(answer.name, UpperCaseAscii(name));
    if (!AskYesNo(app, "Do you want Korvex to remember this modification, so that Korvex can detect it next time?"))
        return false;
    if (RememberModification(app, directory, answer.name, name)) return true;
    app.host.ShowMessage(Icon::Error, "Couldn't save information about this modification. (" + name + ")",
                         Buttons::Ok);
    return false;
}

// Identifies one directory of the Quake II directory with the player's help: a recognised MOD
// is confirmed, an unknown one named. True when a new detection file was written.
bool ScanDirectory(ModScan& scan, const std::string& name) {
    Korvex& app = scan.app;
    const std::string directory = JoinPath(app.quakeDir, name);
    const AutoModResult detected = DetectModByAutoModFiles(app, scan.detectionFiles, directory, true);
    if (app.shuttingDown) return false;
    if (detected.found) {
        if (IsIgnoredModName(detected.modName)) return false;
        if (AskYesNo(app, "Korvex identified the modification located in " + WithTrailingSeparator(directory) +
                              " as " + detected.modName + ". Is this correct?")) {
            if (!detected.noEntry) scan.catalogue.Add(detected.modName, UpperCaseAscii(name));
            return false;
        }
    }
    return NameUnknownMod(scan, name, detected.noEntry);
}

}  // namespace

IdentifiedMod IdentifyModDirectory(Korvex& app, const std::string& base, const std::string& name, bool forModScan) {
    const AutoModResult detected = DetectModByAutoModFiles(app, JoinPath(base, name), forModScan);
    const bool found = detected.found && !IsIgnoredModName(detected.modName);
    return {found, detected.modName, detected.usualDirectory, detected.noEntry};
}

void RunCompleteModScan(Korvex& app, bool ask) {
    if (ask && !app.modTree.mods.empty() &&
        !AskYesNo(app, "Do you really want to make a complete MOD-Scan? This will overwrite all entries in the "
                       "available MOD's tree."))
        return;
    std::vector<std::string> directories = ListNames(app.quakeDir, EntryKind::Directory);
    // The questions come in alphabetical order, whatever order the file system lists.
    SortAsListBox(directories);
    ModScan scan(app);
    for (const std::string& name : directories) {
        if (ScanDirectory(scan, name)) scan.detectionFiles = ReadDetectionFiles(app.dirs.autoMod);
        if (app.shuttingDown) return;
    }
    scan.catalogue.Finish();
}

}  // namespace korvex
