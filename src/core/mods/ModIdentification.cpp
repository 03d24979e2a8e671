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

// True when a new detection file was written for the directory.
bool NameUnknownMod(Korvex& app, const std::string& base, const std::string& name, bool noEntry) {
    const std::string directory = JoinPath(base, name);
    UnknownModRequest request;
    request.directoryName = name;
    request.readmeDirectory = directory;
    request.viewReadme = [&app](const std::string& file) { ViewReadme(app, file); };
    const UnknownModAnswer answer = app.host.AskUnknownMod(request);
    if (!answer.confirmed) return false;
    if (!noEntry) AddModToCatalogue(app, answer.name, UpperCaseAscii(name));
    if (!AskYesNo(app, "Do you want Korvex to remember this modification, so that Korvex can detect it next time?"))
        return false;
    if (RememberModification(app, directory, answer.name, name)) return true;
    app.host.ShowMessage(Icon::Error, "Couldn't save information about this modification. (" + name + ")",
                         Buttons::Ok);
    return false;
}

}  // namespace

IdentifiedMod IdentifyModDirectory(Korvex& app, const std::string& base, const std::string& name, bool interactive,
                                   bool confirm, bool forModScan) {
    return IdentifyModDirectory(app, ReadDetectionFiles(app.dirs.autoMod), base, name, interactive, confirm, forModScan);
}

IdentifiedMod IdentifyModDirectory(Korvex& app, const std::vector<DetectionFile>& detectionFiles,
                                   const std::string& base, const std::string& name, bool interactive, bool confirm,
                                   bool forModScan) {
    const std::string directory = JoinPath(base, name);
    const AutoModResult detected = DetectModByAutoModFiles(app, detectionFiles, directory, forModScan);
    IdentifiedMod result{false, detected.modName, detected.usualDirectory, detected.noEntry};
    if (app.shuttingDown) return result;
    if (detected.found) {
        if (IsIgnoredModName(detected.modName)) return result;
        const bool correct = !confirm || AskYesNo(app, "Korvex identified the modification located in " +
                                                           WithTrailingSeparator(directory) + " as " +
                                                           detected.modName + ". Is this correct?");
        if (correct) {
            if (interactive && !detected.noEntry) AddModToCatalogue(app, detected.modName, UpperCaseAscii(name));
            result.found = true;
            return result;
        }
    }
    if (interactive) result.remembered = NameUnknownMod(app, base, name, detected.noEntry);
    return result;
}

void RunCompleteModScan(Korvex& app, bool ask) {
    if (ask && !app.modTree.mods.empty() &&
        !AskYesNo(app, "Do you really want to make a complete MOD-Scan? This will overwrite all entries in the "
                       "available MOD's tree."))
        return;
    ClearModCatalogue(app);
    std::vector<std::string> directories;
    for (const DirEntry& entry : ListDirectory(app.quakeDir))
        if (entry.isDirectory) directories.push_back(entry.name);
    // The questions come in alphabetical order, whatever order the file system lists.
    SortAsListBox(directories);
    // Read once for the whole scan, and again when the scan remembered a MOD: the directories
    // after it are tried against its new detection file too.
    std::vector<DetectionFile> detectionFiles = ReadDetectionFiles(app.dirs.autoMod);
    for (const std::string& name : directories) {
        if (IdentifyModDirectory(app, detectionFiles, app.quakeDir, name, true, true, true).remembered)
            detectionFiles = ReadDetectionFiles(app.dirs.autoMod);
        if (app.shuttingDown) return;
    }
}

}  // namespace korvex
