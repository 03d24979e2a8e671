#include "macros/MacroDialog.h"

#include <cmath>

#include "app/Korvex.h"
#include "bindings/MacroInclusion.h"
#include "macros/MacroInterpreter.h"
#include "macros/MacroLineReader.h"
#include "macros/TypedText.h"

namespace korvex {

int ControlLeftOf(int left, int captionWidth) {
    return left + static_cast<int>(std::trunc(captionWidth * 1.2));
}

std::vector<std::string> SplitComboItems(const std::string& list) {
    std::vector<std::string> items;
    std::string rest = list;
    do {
        rest = TrimLeadingBlanks(rest);
        const std::size_t caret = rest.find('^');
        items.push_back(rest.substr(0, caret));
        rest = caret == std::string::npos ? std::string() : rest.substr(caret + 1);
    } while (!rest.empty());
    return items;
}

void ClearMacroDialog(MacroInterpreter& interpreter) {
    MacroDialog& dialog = interpreter.dialog;
    dialog.inputFields.clear();
    dialog.texts.clear();
    dialog.inputCombos.clear();
    ++dialog.generation;
}

void InputFieldsOnChange(Reporter& report, MacroInterpreter& interpreter) {
    for (const MacroInputField& field : interpreter.dialog.inputFields)
        SetMacroVariable(report, interpreter, field.variable, ProtectTypedText(field.text));
}

void InputCombosOnChange(Reporter& report, MacroInterpreter& interpreter) {
    for (const MacroInputCombo& combo : interpreter.dialog.inputCombos)
        SetMacroVariable(report, interpreter, combo.variable, ProtectTypedText(combo.text));
}

void TypeIntoInputField(Reporter& report, MacroInterpreter& interpreter, std::size_t index, const std::string& text) {
    auto& fields = interpreter.dialog.inputFields;
    if (index >= fields.size()) return;
    fields[index].text = text;
    InputFieldsOnChange(report, interpreter);
}

void TypeIntoInputCombo(Reporter& report, MacroInterpreter& interpreter, std::size_t index, const std::string& text) {
    auto& combos = interpreter.dialog.inputCombos;
    if (index >= combos.size()) return;
    combos[index].text = text;
    InputCombosOnChange(report, interpreter);
}

bool Button1Click(Korvex& app) {
    if (const auto refused = RefusedInputOf(app.interpreter.dialog)) {
        app.host.ShowMessage(Icon::Error, refused->message, Buttons::Ok);
        return false;
    }
    ShowMainPage(app, app.interpreter.pageBeforeInput);
    ClearMacroDialog(app.interpreter);
    if (app.interpreter.MacroSuspended) ContinueMacro(app);
    return true;
}

void CancelMacroDialog(Korvex& app) {
    MacroInterpreter& state = app.interpreter;
    ClearMacroDialog(state);
    ShowMainPage(app, state.pageBeforeInput);
    state.file.Close();
    state.MacroSuspended = false;
    AbandonMacroAddition(app.report, app.inclusion, state, app.macroResults);
}

}  // namespace korvex
