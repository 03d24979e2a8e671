#include "compiler/EffectiveOptions.h"

#include "app/Reporter.h"
#include "compiler/CompileJob.h"
#include "compiler/InheritanceResolution.h"

namespace korvex {

std::optional<EffectiveOptions> ResolveEffectiveOptions(Reporter& report, const ProgramPaths& paths,
                                                        const std::string& playerName, const PlayerCfg& player,
                                                        bool quiet) {
    const EffectiveOptions own = EffectiveOptions::Own(playerName, player);
    if (!player.special1) return own;
    CompileJob job;
    job.playerName = playerName;
    job.player.options = own.values;
    job.optionSources = own.sources;
    job.quiet = quiet;
    job.inherit = player.inherit;
    // Only the options are wanted: the macros of the ancestors stay out.
    job.inherit[static_cast<int>(InheritPart::KeyBindings)] = false;
    if (!ResolveInheritance(report, paths, job, player.inherit1)) return std::nullopt;
    return EffectiveOptions{job.player.options, job.optionSources};
}

}  // namespace korvex
