// The application object: all program-wide state, owned once and passed by reference.
#pragma once

#include <string>
#include <vector>

#include "app/Host.h"
#include "app/MainView.h"
#include "app/ProgramOptions.h"
#include "app/ProgramPaths.h"
#include "app/Reporter.h"
#include "bindings/MacroInclusion.h"
#include "compiler/OptionsView.h"
#include "install/InstallState.h"
#include "macros/MacroCatalogue.h"
#include "macros/MacroInterpreter.h"
#include "macros/MacroResults.h"
#include "mods/Launcher.h"
#include "mods/ModTree.h"
#include "platform/FileSystem.h"
#include "players/PlayerCfg.h"

namespace korvex {

struct Korvex {
    explicit Korvex(Host& host) : host(host), report(host) {}

    Host& host;
    Reporter report;
    std::string executablePath;
    std::vector<std::string> quakeSearchRoots = DefaultSearchRoots();

    ProgramPaths paths;
    ProgramOptions options;
    bool firstRun = false;

    MainView view;
    std::string currentPlayerName;
    std::string currentPlayerDir;
    PlayerCfg player = DefaultPlayerCfg();
    // The folder of the exchange file last exported or imported; empty before the first.
    std::string exchangeFolder;

    // The macro language: the one interpreter, the result of its last run, the catalogue
    // of all macros and the macro lists of the Bindings tab.
    MacroInterpreter interpreter;
    TMacroResults macroResults;
    MacroCatalogue macroCatalogue;
    MacroBindingsView macroLists;
    // Key bindings: the macros waiting to be included.
    MacroInclusion inclusion;

    // Config compiler: the Options tab's Video controls.
    OptionsView optionsView = DefaultOptionsView();

    // The MOD catalogue as the MOD-Launcher page shows it, and what a launch keeps.
    ModTree modTree;
    LaunchState launch;
    InstallState install;
};

}  // namespace korvex
