#include "players/IncludedMacros.h"

#include "app/ProgramPaths.h"
#include "app/Reporter.h"
#include "macros/MacroCatalogue.h"
#include "macros/MacroInterpreter.h"
#include "platform/Path.h"
#include "platform/Text.h"

namespace korvex {

bool MacroFileMatches(Reporter& report, const std::string& description, const std::string& directory,
                      const std::string& fileName) {
    const std::string found = DescriptionOfMacro(report, directory, fileName);
    return !found.empty() && !report.shuttingDown && found == description;
}

IncludedMacroLines IncludedMacroLinesOf(const ProgramPaths& paths, const MacroCatalogue& macroCatalogue,
                                        const std::string& fileName) {
    const std::string path = JoinPath(paths.macros, fileName);
    for (const MacroCatalogueEntry& entry : macroCatalogue.entries)
        if (EqualsIgnoringCase(entry.Path, path)) return {entry.MacroDesc, entry.MacroCat};
    return {"Error", "Error"};
}

}  // namespace korvex
