// Opens the handbook in the viewer the desktop has for it (F1, the About / Credits page).
#pragma once

namespace korvex {

struct Reporter;
struct ProgramPaths;

void OpenHandbook(Reporter& report, const ProgramPaths& paths);

}  // namespace korvex
