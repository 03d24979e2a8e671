// The "Export Player-CFG" and "Import Player-CFG" buttons of the Config-Editor.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "players/ExchangeFile.h"

namespace korvex {

struct Korvex;
struct ProgramPaths;
struct Reporter;

void BitBtn2Click(Korvex& app);  // "Export Player-CFG"
void BitBtn1Click(Korvex& app);  // "Import Player-CFG"

// The file dialogs start in exchangeFolder, and remember there the folder of the file chosen.
void ExportPlayerCFGs(Reporter& report, const ProgramPaths& paths, std::string& exchangeFolder);
void ImportPlayerCFGs(Korvex& app);

// The blocks of an exchange file; a file that is not there is reported and gives none.
std::optional<std::vector<ExchangeBlock>> IndexExistingExchangeFile(Reporter& report, const std::string& path);

// The blocks as the import list shows them: sorted by name, blocks of one name in file order.
std::vector<ExchangeBlock> InListOrder(std::vector<ExchangeBlock> blocks);
// The blocks that carry one of names, in that order; a name that several blocks carry brings
// each of them.
std::vector<ExchangeBlock> BlocksInListOrder(const std::vector<ExchangeBlock>& blocks,
                                             const std::vector<std::string>& names);

// What follows the dialogs: the Player-CFGs are written or read and the names reported.
// True when every one was.
bool ExportToFile(Reporter& report, const ProgramPaths& paths, const std::vector<std::string>& players,
                  const std::string& path);
bool ImportFromFile(Korvex& app, const std::string& path, const std::vector<ExchangeBlock>& blocks);

}  // namespace korvex
