// korvex-cli macros and run-macro: the catalogue and one full macro run without a window.
#include <iostream>
#include <optional>

#include "app/AppMacroRun.h"
#include "app/Korvex.h"
#include "bindings/MacroOutputFile.h"
#include "cli/CliCommands.h"
#include "cli/MacroInput.h"
#include "macros/MacroCatalogue.h"
#include "macros/MacroInterpreter.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"
#include "platform/Text.h"

namespace korvex {
namespace {

struct RunMacroArgs {
    std::string file;
    std::vector<TypedInput> inputs;
    std::vector<std::string> keys;
};

std::optional<RunMacroArgs> ParseRunMacroArgs(const std::vector<std::string>& args) {
    RunMacroArgs parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        const bool hasValue = i + 1 < args.size();
        if (word == "--input" && hasValue) {
            const auto input = ParseInput(args[++i]);
            if (!input) return std::nullopt;
            parsed.inputs.push_back(*input);
        } else if (word == "--key" && hasValue) {
            parsed.keys.push_back(args[++i]);
        } else if (parsed.file.empty() && word.rfind("--", 0) != 0) {
            parsed.file = word;
        } else {
            return std::nullopt;
        }
    }
    if (parsed.file.empty()) return std::nullopt;
    return parsed;
}

void BindKeys(Reporter& report, MacroInterpreter& interpreter, TMacroResults& results,
              const std::vector<std::string>& keys) {
    for (int i = 0; i <= results.LastKey && !report.shuttingDown; ++i) {
        TKey& request = results.Keys[i];
        if (static_cast<std::size_t>(i) >= keys.size()) {
            std::cerr << "korvex-cli: no key given for: " << Cp1252ToUtf8(request.Description) << '\n';
            continue;
        }
        request.BoundKeys = keys[i];
        AddQuakeCommand(report, interpreter, results, BindLine(request.BoundKeys, request.Command));
    }
}

std::string MacroPathOf(const ProgramPaths& paths, const std::string& file) {
    return PathExists(file) ? file : JoinPath(paths.macros, file);
}

}  // namespace

int RunMacros(CliContext& context) {
    if (!context.args.empty()) return 2;
    Korvex& app = context.app;
    LoadMacroCatalogue(app.report, app.macroCatalogue, app.macroLists, app.paths.macros);
    for (const MacroCatalogueEntry& entry : app.macroCatalogue.entries)
        std::cout << Cp1252ToUtf8(entry.MacroCat) << '\t' << Cp1252ToUtf8(entry.MacroDesc) << '\t'
                  << Cp1252ToUtf8(FileName(entry.Path)) << '\n';
    return ExitStatus(context);
}

int RunRunMacro(CliContext& context) {
    const auto args = ParseRunMacroArgs(context.args);
    if (!args) return 2;
    if (!CheckGivenKeys(args->keys)) return 1;
    Korvex& app = context.app;
    RunMacro(MacroRunOf(app), MacroPathOf(app.paths, args->file), false);
    if (!AnswerMacroDialogs(app, args->inputs)) return 1;
    // The output is printed, not stored: the key capture step the run posted does not run.
    context.host.DropPosted();
    if (!app.report.shuttingDown) BindKeys(app.report, app.interpreter, app.macroResults, args->keys);
    if (app.report.shuttingDown) return 1;
    for (const std::string& line : MacroOutputLines(MacroOutputOf(app.macroResults))) std::cout << line << "\r\n";
    return ExitStatus(context);
}

}  // namespace korvex
