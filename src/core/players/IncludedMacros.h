// How an included macro's file, description and category belong together.
#pragma once

#include <string>

namespace korvex {

struct Reporter;
struct ProgramPaths;
struct MacroCatalogue;

// True when directory/fileName exists and its description pass yields exactly description.
bool MacroFileMatches(Reporter& report, const std::string& description, const std::string& directory,
                      const std::string& fileName);

struct IncludedMacroLines {
    std::string description;
    std::string category;
};
// What bindings.dat records for an included macro file; "Error" twice when no macro of
// the catalogue lives in that file.
IncludedMacroLines IncludedMacroLinesOf(const ProgramPaths& paths, const MacroCatalogue& macroCatalogue,
                                        const std::string& fileName);

}  // namespace korvex
