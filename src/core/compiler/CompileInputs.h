// Gathering what takes part in a compile: the macros, their key requests, their .out
// files and categories, and the question when two macros share keys.
#pragma once

#include <string>
#include <vector>

#include "app/Host.h"
#include "compiler/CompileJob.h"

namespace korvex {

struct Reporter;
struct ProgramPaths;
struct MacroCatalogue;

// One entry per key request of an .out file; an unreadable file is reported (24) and gives none.
std::vector<KeyEntry> CollectKeyEntries(Reporter& report, const std::string& playerName, const std::string& outPath);

// Lines such as "a: Fire [P] <-> Jump [A]" for every new entry whose keys an existing one
// has too. Without warnAlways only pairs with another Player-CFG count.
std::vector<std::string> FindKeyConflicts(const std::vector<KeyEntry>& newEntries,
                                          const std::vector<KeyEntry>& existingEntries, const std::string& player,
                                          bool warnAlways);

// Yes leaves the macro out, No keeps it, Cancel keeps it and stops.
Button AskSharedKeys(Reporter& report, const std::string& lead, const std::vector<std::string>& conflicts,
                     const std::string& player);

// The description of a macro file of the macros directory; empty when there is no such file.
std::string MacroDescOf(Reporter& report, const ProgramPaths& paths, const std::string& macroFileName);
// Keeps the job's .out files ordered by file name; equal names keep their order of insertion.
// The file is the output of macro.
void InsertOutFile(CompileJob& job, const std::string& directory, const std::string& fileName,
                   const MacroEntry& macro);
void AddCategory(CompileJob& job, const std::string& category);
// The category of the catalogue's macro in that file.
void AddCatalogueCategories(const MacroCatalogue& macroCatalogue, CompileJob& job, const std::string& macroFileName);

}  // namespace korvex
