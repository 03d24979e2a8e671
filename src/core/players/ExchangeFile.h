// Exchange files (".kxp"): any number of Player-CFGs with every file of their directories,
// one block each, so that Player-CFGs move between installations. Such files come from
// other people: an import refuses names that would lead out of the players directory and
// blocks whose counts do not fit or whose data files would not load, and it writes a block
// completely or not at all.
#pragma once

#include <string>
#include <vector>

namespace korvex {

struct ProgramPaths;
struct Reporter;

// Between a name and its count on a header line: two backslashes.
inline constexpr const char* kExchangeSeparator = "\\\\";

struct ExchangeBlock {
    std::string name;
    long long startLine = 0;  // of its header, counted from 0
};

// The lines a line reader gets from the file, a last line without line end included.
// A file that cannot be opened is fatal; the answer is then -1.
long long CountLines(Reporter& report, const std::string& path);

// Writes the Player-CFGs of list, in its order, into path; names receives the exported ones.
void WriteExchangeFile(Reporter& report, const ProgramPaths& paths, const std::vector<std::string>& list,
                       const std::string& path, std::vector<std::string>& names);

// The name and header line of every block; none when the file cannot be opened.
std::vector<ExchangeBlock> IndexExchangeFile(const std::string& path);

// Recreates each block as the Player-CFG of its name, in the order of blocks, reading the file
// once; the name of each one imported is appended to names.
void ImportExchangeBlocks(Reporter& report, const ProgramPaths& paths, const std::string& currentPlayerName,
                          const std::string& path, const std::vector<ExchangeBlock>& blocks,
                          std::vector<std::string>& names);

}  // namespace korvex
