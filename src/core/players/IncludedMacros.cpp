#include "players/IncludedMacros.h"

#include "app/Korvex.h"
#include "macros/MacroInterpreter.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"
#include "platform/Text.h"

namespace korvex {

bool MacroFileMatches(Korvex& app, const std::string& description, const std::string& directory,
                      const std::string& fileName) {
    const std::string path = JoinPath(directory, fileName);
    if (fileName.empty() || !FileExists(path)) return false;
    RunMacro(app, ResolveCase(path), true);
    return !app.shuttingDown && app.macroResults.MacroDesc == description;
}

IncludedMacroLines IncludedMacroLinesOf(const Korvex& app, const std::string& fileName) {
    const std::string path = JoinPath(app.dirs.macros, fileName);
    for (const MacroCatalogueEntry& entry : app.macroCatalogue.entries)
        if (EqualsIgnoringCase(entry.Path, path)) return {entry.MacroDesc, entry.MacroCat};
    return {"Error", "Error"};
}

}  // namespace korvex
