// Following a compiled Player-CFG's chain of ancestors on disk and merging their option
// groups and included macros into the running compile.
#pragma once

#include <string>

namespace korvex {

struct Korvex;
struct CompileJob;

// False when the compile has to stop; the reason was shown already.
bool ResolveInheritance(Korvex& app, CompileJob& job, const std::string& ancestorName);

}  // namespace korvex
