#include "PlayerTestData.h"

#include "players/PlayerCfg.h"
#include "players/PlayerCfgFiles.h"

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

}  // namespace korvex
