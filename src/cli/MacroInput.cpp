#include "cli/MacroInput.h"

#include <iostream>

#include "app/AppMacroRun.h"
#include "app/Korvex.h"
#include "bindings/KeyNames.h"
#include "bindings/MacroOutputFile.h"
#include "macros/MacroDialog.h"
#include "platform/Text.h"

namespace korvex {
namespace {

// A macro that keeps asking (for example because the given text is refused) ends here.
constexpr int kMaxDialogs = 100;

// The values given for a variable are typed into every control bound to it.
void TypeInputs(Reporter& report, MacroInterpreter& interpreter, const std::vector<TypedInput>& inputs) {
    for (const TypedInput& input : inputs) {
        const MacroDialog& dialog = interpreter.dialog;
        for (std::size_t i = 0; i < dialog.inputFields.size(); ++i)
            if (dialog.inputFields[i].variable == input.variable)
                TypeIntoInputField(report, interpreter, i, input.text);
        for (std::size_t i = 0; i < dialog.inputCombos.size(); ++i)
            if (dialog.inputCombos[i].variable == input.variable)
                TypeIntoInputCombo(report, interpreter, i, input.text);
    }
}

}  // namespace

std::optional<TypedInput> ParseInput(const std::string& word) {
    const std::size_t equals = word.find('=');
    if (equals == 0 || equals == std::string::npos || equals > 2) return std::nullopt;
    for (std::size_t i = 0; i < equals; ++i)
        if (word[i] < '0' || word[i] > '9') return std::nullopt;
    return TypedInput{std::stoi(word.substr(0, equals)), word.substr(equals + 1)};
}

bool CheckGivenKeys(const std::vector<std::string>& keys) {
    for (const std::string& key : keys) {
        if (IsKeyList(key)) continue;
        std::cerr << Cp1252ToUtf8(UnknownKeyMessage(key)) << '\n';
        return false;
    }
    return true;
}

bool AnswerMacroDialogs(Korvex& app, const std::vector<TypedInput>& inputs) {
    for (int dialogs = 0; app.interpreter.MacroSuspended && !app.report.shuttingDown; ++dialogs) {
        if (dialogs == kMaxDialogs) {
            std::cerr << "korvex-cli: the macro asked for input " << kMaxDialogs << " times; given up.\n";
            return false;
        }
        TypeInputs(app.report, app.interpreter, inputs);
        if (!Button1Click(MacroRunOf(app))) return false;
    }
    return true;
}

}  // namespace korvex
