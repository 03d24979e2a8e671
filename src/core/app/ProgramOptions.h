// The four program options of the Options page, kept in "korvexoptions.dat".
#pragma once

namespace korvex {

struct Korvex;

struct ProgramOptions {
    bool showHints = true;
    bool quitAfterLaunching = false;
    bool warnMultipleFunctionsWithinCfg = true;
    bool warnMultipleFunctionsByInheritance = true;
};

void LoadProgramOptions(Korvex& app);
void SaveProgramOptions(Korvex& app);

}  // namespace korvex
