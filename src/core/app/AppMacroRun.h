// A macro run on the application's interpreter and results, with the main window's pages
// and the key capture of "Add to Config" around it.
#pragma once

#include "macros/MacroRun.h"

namespace korvex {

struct Korvex;

MacroRun MacroRunOf(Korvex& app);

}  // namespace korvex
