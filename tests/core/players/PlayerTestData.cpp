#include "PlayerTestData.h"

#include <algorithm>

#include "players/PlayerCfg.h"
#include "players/PlayerCfgFiles.h"
#include "players/PlayerDirs.h"

namespace korvex {

std::vector<std::string> TemplateOptionLines() {
    const PlayerCfg cfg = DefaultPlayerCfg();
    return {cfg.options.begin(), cfg.options.end()};
}

std::vector<std::string> SpecialLines(const std::string& ancestor) {
    return {ancestor.empty() ? "FALSE" : "TRUE", ancestor.empty() ? kNoInheritText : ancestor,
            "TRUE", "TRUE", "TRUE", "TRUE", "TRUE", "TRUE", "TRUE", "FALSE", "0"};
}

void WritePlayer(const ProgramDirFixture& dir, const std::string& name, const std::string& ancestor) {
    dir.WriteLines("players/" + name + "/bindings.dat", {"0"});
    dir.WriteLines("players/" + name + "/options.dat", TemplateOptionLines());
    dir.WriteLines("players/" + name + "/special.dat", SpecialLines(ancestor));
}

void PlayerStoreTest::SetUp() { LoadPlayerCFG(app, "Player"); }

void PlayerStoreTest::AnswerList(const std::vector<std::string>& selected) {
    const std::vector<std::string> list = FillPlayerList(app.paths);
    std::vector<std::size_t> rows;
    for (const std::string& name : selected)
        rows.push_back(static_cast<std::size_t>(std::find(list.begin(), list.end(), name) - list.begin()));
    AnswerRows(std::move(rows));
}

}  // namespace korvex
