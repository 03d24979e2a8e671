// Opens the handbook in the viewer the desktop has for it (F1, the About / Credits page).
#pragma once

namespace korvex {

struct Korvex;

void OpenHandbook(Korvex& app);

}  // namespace korvex
