// The controls a macro places on the macro dialog page, as the core keeps them. The GUI
// builds its widgets from these descriptions and reports every edit back through the
// change handlers, which copy the values into the macro variables.
#pragma once

#include <string>
#include <vector>

namespace korvex {

struct MacroRun;
struct Reporter;
struct MacroInterpreter;

inline constexpr int kMaxInputFields = 20;
inline constexpr int kMaxTexts = 20;
inline constexpr int kMaxInputCombos = 40;

// The dialog font is 8 points; a caption sits a third of that below the given top.
inline constexpr int kDialogFontPoints = 8;
inline constexpr int kCaptionDrop = kDialogFontPoints / 3;

struct MacroInputField {
    int left = 0, top = 0, width = 0;
    std::string caption;
    std::string text;
    int variable = 0;
};

struct MacroText {
    int left = 0, top = 0;
    std::string text;
};

struct MacroInputCombo {
    int left = 0, top = 0, width = 0;
    std::string caption;
    std::string text;
    std::vector<std::string> items;
    int variable = 0;
};

struct MacroDialog {
    std::vector<MacroInputField> inputFields;
    std::vector<MacroText> texts;
    std::vector<MacroInputCombo> inputCombos;
    // Counts every clearing, so a page can tell a fresh dialog from the one it shows.
    int generation = 0;
};

// Where an edit or combo box goes: right of its caption, by a fifth of the caption's width.
int ControlLeftOf(int left, int captionWidth);
// The items of an INPUTCOMBO list written as "a^b^c".
std::vector<std::string> SplitComboItems(const std::string& list);

void ClearMacroDialog(MacroInterpreter& interpreter);
// The change handlers: every field (or every combo) is copied into its variable, in
// creation order, so with two controls on one variable the later one wins.
void InputFieldsOnChange(Reporter& report, MacroInterpreter& interpreter);
void InputCombosOnChange(Reporter& report, MacroInterpreter& interpreter);
// What typing into a control does: its text changes, then its change handler runs.
void TypeIntoInputField(Reporter& report, MacroInterpreter& interpreter, std::size_t index, const std::string& text);
void TypeIntoInputCombo(Reporter& report, MacroInterpreter& interpreter, std::size_t index, const std::string& text);
// The OK button: back to the page shown before, and the suspended run goes on. A text the
// game could not carry (RefusedInputOf) is refused with a message: false, the page stays.
bool Button1Click(const MacroRun& run);
// Cancel (or Escape): back to the page shown before; the suspended run ends.
void CloseMacroDialog(const MacroRun& run);

}  // namespace korvex
