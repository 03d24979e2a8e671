#include <algorithm>

#include "app/Messages.h"
#include "app/ProgramPaths.h"
#include "app/Reporter.h"
#include "mods/AutoModDetection.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"
#include "platform/Text.h"
#include "platform/TextFile.h"

namespace korvex {
namespace {

// One more than the highest slot of a "#<slot>#<name>" file, at least the first slot, so it
// always has four digits; a slot that is not a number counts as 0.
long long NextAutoModSlot(const std::string& autoModDir) {
    long long highest = 0;
    for (const std::string& file : ListNames(autoModDir, EntryKind::File)) {
        if (!file.starts_with('#')) continue;
        const auto second = file.find('#', 1);
        if (second == std::string::npos) continue;
        highest = std::max(highest, TextToIntDef(file.substr(1, second - 1)));
    }
    return std::max<long long>(highest + 1, kFirstAutoModSlot);
}

}  // namespace

bool RememberModification(Reporter& report, const ProgramPaths& paths, const std::string& directory,
                          const std::string& modName, const std::string& directoryName) {
    const std::string source = NormaliseAutoModDirectory(directory);
    const long long slot = NextAutoModSlot(paths.autoMod);
    const std::string fileName = "#" + std::to_string(slot) + "#" + modName;
    const std::string path = JoinPath(paths.autoMod, fileName);
    if (slot > kLastAutoModSlot) {
        report.ShowError(Err::NoFreeAutoModSlots, "for: " + path);
        return false;
    }
    // A name with a separator would be written into another directory.
    const bool nameIsFileName = modName.find('/') == std::string::npos && modName.find('\\') == std::string::npos;
    std::vector<std::string> lines = {LowerCaseAscii(directoryName), "nothingelse"};
    for (const DirEntry& entry : ListDirectory(source))
        if (!entry.isDirectory && !IsCfgOrAasFile(entry.name))
            lines.push_back(LowerCaseAscii(entry.name) + "=" + std::to_string(entry.size));
    if (!nameIsFileName || !WriteLinesAtomically(path, lines)) {
        report.ShowError(Err::CouldntCreateFile, path);
        return false;
    }
    return true;
}

}  // namespace korvex
