#include "compiler/ChosenOptions.h"

#include "app/Messages.h"
#include "app/ProgramPaths.h"
#include "app/Reporter.h"
#include "compiler/EffectiveOptions.h"
#include "compiler/OptionControls.h"
#include "compiler/OptionSettings.h"
#include "platform/Path.h"
#include "players/PlayerDataFiles.h"

namespace korvex {

std::vector<Option> UnchosenOptions(Reporter& report, const ProgramPaths& paths, const PlayerCfg& player) {
    std::vector<Option> unchosen;
    for (const InvalidOption& invalid : FindInvalidOptions(report, paths, player))
        if (ShowsPrompt(invalid.option, player.Text(invalid.option))) unchosen.push_back(invalid.option);
    return unchosen;
}

bool CheckOptionsChosen(Reporter& report, const ProgramPaths& paths, const std::string& playerName,
                        const EffectiveOptions& options) {
    PlayerCfg player;
    player.options = options.values;
    const std::vector<Option> unchosen = UnchosenOptions(report, paths, player);
    if (unchosen.empty()) return true;
    const Option option = unchosen.front();
    std::string detail = "choose a value for \"" + OptionLabel(option) + "\" on the Options tab";
    if (options.Inherited(option, playerName)) detail += " of " + options.sources[static_cast<int>(option)];
    report.ShowError(Err::InvalidInput, detail);
    return false;
}

bool CheckStoredOptionsChosen(Reporter& report, const ProgramPaths& paths, const std::string& playerName) {
    const std::string directory = JoinPath(paths.players, playerName);
    const auto options = ReadOptionsFile(JoinPath(directory, "options.dat"));
    const auto special = ReadSpecialFile(JoinPath(directory, "special.dat"));
    if (!options || !special) return true;
    PlayerCfg player;
    player.options = options->values;
    player.special1 = special->special1;
    player.inherit1 = special->inherit1;
    player.inherit = special->inherit;
    const auto effective = ResolveEffectiveOptions(report, paths, playerName, player, true);
    return !effective || CheckOptionsChosen(report, paths, playerName, *effective);
}

}  // namespace korvex
