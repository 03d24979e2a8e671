#include "players/IncludedMacros.h"

#include "app/Korvex.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"

namespace korvex {

bool MacroFileMatches(Korvex&, const std::string&, const std::string& directory, const std::string& fileName) {
    return FileExists(JoinPath(directory, fileName));
}

IncludedMacroLines IncludedMacroLinesOf(const Korvex&, const std::string&) { return {"Error", "Error"}; }

}  // namespace korvex
