#include "macros/MacroDialog.h"

#include <cmath>

#include "app/Host.h"
#include "app/Reporter.h"
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

bool Button1Click(const MacroRun& run) {
    MacroInterpreter& state = run.interpreter;
    if (const auto refused = RefusedInputOf(state.dialog)) {
        run.report.host.ShowMessage(Icon::Error, refused->message, Buttons::Ok);
        return false;
    }
    run.window.showPage(state.pageBeforeInput);
    ClearMacroDialog(state);
    if (state.MacroSuspended) ContinueMacro(run);
    return true;
}

void CloseMacroDialog(const MacroRun& run) {
    MacroInterpreter& state = run.interpreter;
    ClearMacroDialog(state);
    run.window.showPage(state.pageBeforeInput);
    state.file.Close();
    state.MacroSuspended = false;
}

}  // namespace korvex
