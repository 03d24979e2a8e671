// korvex-cli macros and run-macro: the catalogue and one full macro run without a window.
#include <iostream>
#include <optional>

#include "app/Korvex.h"
#include "bindings/MacroOutputFile.h"
#include "cli/CliCommands.h"
#include "macros/MacroCatalogue.h"
#include "macros/MacroDialog.h"
#include "macros/MacroInterpreter.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"
#include "platform/Text.h"

namespace korvex {
namespace {

// A macro that keeps asking (for example because the given text is refused) ends here.
constexpr int kMaxDialogs = 100;

struct TypedInput {
    int variable;
    std::string text;
};

struct RunMacroArgs {
    std::string file;
    std::vector<TypedInput> inputs;
    std::vector<std::string> keys;
};

std::optional<TypedInput> ParseInput(const std::string& word) {
    const std::size_t equals = word.find('=');
    if (equals == 0 || equals == std::string::npos || equals > 2) return std::nullopt;
    for (std::size_t i = 0; i < equals; ++i)
        if (word[i] < '0' || word[i] > '9') return std::nullopt;
    return TypedInput{std::stoi(word.substr(0, equals)), Utf8ToCp1252(word.substr(equals + 1))};
}

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
            parsed.keys.push_back(Utf8ToCp1252(args[++i]));
        } else if (parsed.file.empty() && word.rfind("--", 0) != 0) {
            parsed.file = Utf8ToCp1252(word);
        } else {
            return std::nullopt;
        }
    }
    if (parsed.file.empty()) return std::nullopt;
    return parsed;
}

// The values given for a variable are typed into every control bound to it.
void TypeInputs(Korvex& app, const std::vector<TypedInput>& inputs) {
    for (const TypedInput& input : inputs) {
        const MacroDialog& dialog = app.interpreter.dialog;
        for (std::size_t i = 0; i < dialog.inputFields.size(); ++i)
            if (dialog.inputFields[i].variable == input.variable) TypeIntoInputField(app, i, input.text);
        for (std::size_t i = 0; i < dialog.inputCombos.size(); ++i)
            if (dialog.inputCombos[i].variable == input.variable) TypeIntoInputCombo(app, i, input.text);
    }
}

void BindKeys(Korvex& app, const std::vector<std::string>& keys) {
    TMacroResults& results = app.macroResults;
    for (int i = 0; i <= results.LastKey && !app.shuttingDown; ++i) {
        TKey& request = results.Keys[i];
        if (static_cast<std::size_t>(i) >= keys.size()) {
            std::cerr << "korvex-cli: no key given for: " << Cp1252ToUtf8(request.Description) << '\n';
            continue;
        }
        request.BoundKeys = keys[i];
        AddQuakeCommand(app, BindLine(request.BoundKeys, request.Command));
    }
}

std::string MacroPathOf(const Korvex& app, const std::string& file) {
    return PathExists(file) ? file : JoinPath(app.dirs.macros, file);
}

}  // namespace

int RunMacros(CliContext& context) {
    if (!context.args.empty()) return 2;
    Korvex& app = context.app;
    LoadMacroCatalogue(app, app.dirs.macros);
    for (const MacroCatalogueEntry& entry : app.macroCatalogue.entries)
        std::cout << Cp1252ToUtf8(entry.MacroCat) << '\t' << Cp1252ToUtf8(entry.MacroDesc) << '\t'
                  << Cp1252ToUtf8(FileName(entry.Path)) << '\n';
    return ExitStatus(context);
}

int RunRunMacro(CliContext& context) {
    const auto args = ParseRunMacroArgs(context.args);
    if (!args) return 2;
    Korvex& app = context.app;
    // No Config-Editor is open here, so showing the dialog page must not save a Player-CFG.
    app.view.page = Page::AboutAndCredits;
    RunMacro(app, MacroPathOf(app, args->file), false);
    for (int dialogs = 0; app.interpreter.MacroSuspended && !app.shuttingDown; ++dialogs) {
        if (dialogs == kMaxDialogs) {
            std::cerr << "korvex-cli: the macro asked for input " << kMaxDialogs << " times; given up.\n";
            return 1;
        }
        TypeInputs(app, args->inputs);
        Button1Click(app);
    }
    if (!app.shuttingDown) BindKeys(app, args->keys);
    if (app.shuttingDown) return 1;
    for (const std::string& line : MacroOutputLines(MacroOutputOf(app.macroResults))) std::cout << line << "\r\n";
    return ExitStatus(context);
}

}  // namespace korvex
