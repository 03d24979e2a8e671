// Following a compiled Player-CFG's chain of ancestors on disk and merging their option
// groups and included macros into the running compile.
#pragma once

#include <string>

namespace korvex {

struct Reporter;
struct ProgramPaths;
struct CompileJob;

// False when the compile has to stop; the reason was shown already.
bool ResolveInheritance(Reporter& report, const ProgramPaths& paths, CompileJob& job, const std::string& ancestorName);

}  // namespace korvex
