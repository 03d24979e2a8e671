#include "app/ProgramOptions.h"

#include "app/Korvex.h"
#include "app/Messages.h"
#include "platform/Path.h"
#include "platform/TextFile.h"

namespace korvex {
namespace {

std::string OptionsFile(const ProgramPaths& paths) { return JoinPath(paths.program, "korvexoptions.dat"); }

}  // namespace

void LoadProgramOptions(Korvex& app) {
    LineReader reader;
    if (!reader.Open(OptionsFile(app.paths))) {
        app.report.ShowError(Err::CouldntOpenFile, OptionsFile(app.paths));
        return;
    }
    ProgramOptions& options = app.options;
    options.showHints = TextToBool(reader.ReadLine());
    options.quitAfterLaunching = TextToBool(reader.ReadLine());
    options.warnMultipleFunctionsWithinCfg = TextToBool(reader.ReadLine());
    options.warnMultipleFunctionsByInheritance = TextToBool(reader.ReadLine());
    app.host.MainViewChanged();
}

void SaveProgramOptions(Korvex& app) {
    const ProgramOptions& options = app.options;
    const bool saved = WriteLinesAtomically(
        OptionsFile(app.paths),
        {BoolToText(options.showHints), BoolToText(options.quitAfterLaunching),
         BoolToText(options.warnMultipleFunctionsWithinCfg), BoolToText(options.warnMultipleFunctionsByInheritance)});
    if (!saved) app.report.ShowError(Err::CouldntCreateFile, OptionsFile(app.paths));
}

}  // namespace korvex
