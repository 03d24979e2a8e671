#include "macros/MacroDialog.h"

#include <cmath>

#include "app/Korvex.h"
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

void ClearMacroDialog(Korvex& app) {
    MacroDialog& dialog = app.interpreter.dialog;
    dialog.inputFields.clear();
    dialog.texts.clear();
    dialog.inputCombos.clear();
    ++dialog.generation;
}

void InputFieldsOnChange(Korvex& app) {
    for (const MacroInputField& field : app.interpreter.dialog.inputFields)
        SetMacroVariable(app, field.variable, ProtectTypedText(field.text));
}

void InputCombosOnChange(Korvex& app) {
    for (const MacroInputCombo& combo : app.interpreter.dialog.inputCombos)
        SetMacroVariable(app, combo.variable, ProtectTypedText(combo.text));
}

void TypeIntoInputField(Korvex& app, std::size_t index, const std::string& text) {
    auto& fields = app.interpreter.dialog.inputFields;
    if (index >= fields.size()) return;
    fields[index].text = text;
    InputFieldsOnChange(app);
}

void TypeIntoInputCombo(Korvex& app, std::size_t index, const std::string& text) {
    auto& combos = app.interpreter.dialog.inputCombos;
    if (index >= combos.size()) return;
    combos[index].text = text;
    InputCombosOnChange(app);
}

bool Button1Click(Korvex& app) {
    if (const auto refused = RefusedInputOf(app.interpreter.dialog)) {
        app.host.ShowMessage(Icon::Error, refused->message, Buttons::Ok);
        return false;
    }
    ShowMainPage(app, app.interpreter.pageBeforeInput);
    ClearMacroDialog(app);
    if (app.interpreter.MacroSuspended) ContinueMacro(app);
    return true;
}

}  // namespace korvex
