#include "players/ExchangeOperations.h"

#include <algorithm>
#include <set>

#include "app/Korvex.h"
#include "app/Messages.h"
#include "platform/FileSystem.h"
#include "platform/ListOrder.h"
#include "platform/Path.h"
#include "players/Inheritance.h"
#include "players/PlayerCfgFiles.h"
#include "players/PlayerDirs.h"

namespace korvex {
namespace {

constexpr const char* kSelectAtLeastOne = "You must select at least one Player-CFG.";

PlayerListAnswer ChooseForExchange(Reporter& report, const char* caption, std::vector<std::string> names,
                                   const char* confirm, const char* hint) {
    return report.host.ChoosePlayers(
        {caption, kAvailablePlayersLabel, std::move(names), true, confirm, kSelectAtLeastOne, hint});
}

// "Alpha has been exported." or "Alpha, Bravo have been imported."
void ReportDone(Reporter& report, const std::vector<std::string>& names, const std::string& done) {
    if (names.empty()) return;
    report.host.ShowMessage(Icon::Information,
                            JoinPlayerNames(names) + (names.size() == 1 ? " has been " : " have been ") + done + ".",
                            Buttons::Ok);
}

// Where the file dialog starts: the folder of the exchange file last chosen, the home
// directory before any.
std::string StartFolder(const std::string& exchangeFolder) {
    return exchangeFolder.empty() ? HomeDirectory() : exchangeFolder;
}

ExchangeFileAnswer ChooseExchangeFile(Reporter& report, std::string& exchangeFolder, bool save,
                                      const std::string& fileName) {
    const ExchangeFileAnswer file = report.host.ChooseExchangeFile({save, StartFolder(exchangeFolder), fileName});
    if (file.confirmed) exchangeFolder = ParentDirectory(file.path);
    return file;
}

}  // namespace

void BitBtn2Click(Korvex& app) {
    SavePlayerCFG(app);
    if (!app.report.shuttingDown) ExportPlayerCFGs(app.report, app.paths, app.exchangeFolder);
}

void BitBtn1Click(Korvex& app) {
    SavePlayerCFG(app);
    if (!app.report.shuttingDown) ImportPlayerCFGs(app);
}

void ExportPlayerCFGs(Reporter& report, const ProgramPaths& paths, std::string& exchangeFolder) {
    const std::vector<std::string> list = FillPlayerList(paths);
    const PlayerListAnswer answer =
        ChooseForExchange(report, "Select Player-CFGs to export", list, "Export",
                          "writes the selected Player-CFGs into an exchange file you choose next");
    const std::vector<std::string> players = EntriesInRows(list, answer.rows);
    if (!answer.confirmed || players.empty()) return;
    const ExchangeFileAnswer file = ChooseExchangeFile(report, exchangeFolder, true, JoinPlayerNames(players));
    if (file.confirmed) ExportToFile(report, paths, players, file.path);
}

void ImportPlayerCFGs(Korvex& app) {
    const ExchangeFileAnswer file = ChooseExchangeFile(app.report, app.exchangeFolder, false, "");
    if (!file.confirmed) return;
    const std::optional<std::vector<ExchangeBlock>> blocks = IndexExistingExchangeFile(app.report, file.path);
    if (!blocks) return;
    const std::vector<ExchangeBlock> listed = InListOrder(*blocks);
    std::vector<std::string> list;
    for (const ExchangeBlock& block : listed) list.push_back(block.name);
    const PlayerListAnswer answer = ChooseForExchange(app.report, "Select Player-CFGs to import", list, "Import",
                                                      "adds the selected Player-CFGs of the exchange file to yours");
    if (!answer.confirmed) return;
    ImportFromFile(app, file.path, EntriesInRows(listed, answer.rows));
}

std::optional<std::vector<ExchangeBlock>> IndexExistingExchangeFile(Reporter& report, const std::string& path) {
    if (!RegularFileExists(path)) {
        report.ShowError(Err::CouldntOpenFile, path);
        return std::nullopt;
    }
    return IndexExchangeFile(path);
}

std::vector<ExchangeBlock> InListOrder(std::vector<ExchangeBlock> blocks) {
    std::stable_sort(blocks.begin(), blocks.end(),
                     [](const ExchangeBlock& a, const ExchangeBlock& b) { return ListBoxLess(a.name, b.name); });
    return blocks;
}

std::vector<ExchangeBlock> BlocksInListOrder(const std::vector<ExchangeBlock>& blocks,
                                             const std::vector<std::string>& names) {
    const std::set<std::string> wanted(names.begin(), names.end());
    std::vector<ExchangeBlock> chosen;
    for (const ExchangeBlock& block : InListOrder(blocks))
        if (wanted.contains(block.name)) chosen.push_back(block);
    return chosen;
}

bool ExportToFile(Reporter& report, const ProgramPaths& paths, const std::vector<std::string>& players,
                  const std::string& path) {
    std::vector<std::string> names;
    WriteExchangeFile(report, paths, players, path, names);
    if (report.shuttingDown) return false;
    ReportDone(report, names, "exported");
    return names.size() == players.size();
}

bool ImportFromFile(Korvex& app, const std::string& path, const std::vector<ExchangeBlock>& blocks) {
    std::vector<std::string> names;
    ImportExchangeBlocks(app.report, app.paths, app.currentPlayerName, path, blocks, names);
    if (app.report.shuttingDown) return false;
    ReportDone(app.report, names, "imported");
    // A new Player-CFG may be one to inherit from.
    if (!names.empty()) UpdateInheritControls(app, true);
    app.host.PlayerCfgChanged();
    return names.size() == blocks.size();
}

}  // namespace korvex
