// The lines of options.cfg, from the converted option values of a compile.
#pragma once

#include <string>
#include <vector>

namespace korvex {

struct CompileJob;

std::vector<std::string> OptionsCfgLines(const CompileJob& job);

}  // namespace korvex
