#include "players/IncludedMacros.h"

#include "app/Korvex.h"
#include "macros/MacroInterpreter.h"
#include "platform/Path.h"
#include "platform/Text.h"

namespace korvex {

bool MacroFileMatches(Korvex& app, const std::string& description, const std::string& directory,
                      const std::string& fileName) {
    const std::string found = DescriptionOfMacro(app, directory, fileName);
    return !found.empty() && !app.shuttingDown && found == description;
}

IncludedMacroLines IncludedMacroLinesOf(const Korvex& app, const std::string& fileName) {
    const std::string path = JoinPath(app.dirs.macros, fileName);
    for (const MacroCatalogueEntry& entry : app.macroCatalogue.entries)
        if (EqualsIgnoringCase(entry.Path, path)) return {entry.MacroDesc, entry.MacroCat};
    return {"Error", "Error"};
}

}  // namespace korvex
