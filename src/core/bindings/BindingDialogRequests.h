// What the key-binding dialogs ask and show: the key request dialog, the "Macro Already
// Included" choice, the overview of a macro's bindings and the editor of one function.
// Host gathers these; QtHost shows them as windows, CliHost and FakeHost answer from scripts.
#pragma once

#include <string>
#include <vector>

#include "bindings/MacroOutputFile.h"

namespace korvex {

struct KeyMap;

enum class IncludedMacroChoice { AddKeyBinding, Overwrite, Cancel };

// The keys an included macro binds (a chord is one key name), each once, in request order.
struct MacroKeys {
    std::string description;
    std::vector<std::string> keys;
};

// The keys of one function while the editor is open: key names, sorted without regard to case.
struct BindingEditor {
    std::string title;
    std::vector<std::string> keys;
};

// The editor's button that was pressed; closing it otherwise is Cancel.
enum class EditorAction { AddKey, RemoveKeys, Ok, Cancel };

struct EditorAnswer {
    EditorAction action = EditorAction::Cancel;
    std::vector<bool> selected;  // RemoveKeys: by row of the editor's keys
};

// The overview's button that was pressed; closing it otherwise is Close.
enum class OverviewAction { EditBinding, KeyboardMap, Close };

struct OverviewAnswer {
    OverviewAction action = OverviewAction::Close;
    int selected = -1;  // the row of the function selected in the overview, -1 when none is
};

class BindingDialogs {
public:
    virtual ~BindingDialogs() = default;

    // Shows the key request dialog until a key or chord is captured; returns its name. An
    // empty name means no key was given, and the step that asked leaves everything as it was.
    virtual std::string AskForKey() = 0;
    virtual void SetKeyPrompt(const std::string& prompt) = 0;
    // The keys the other included macros bind, which the dialog names while one is pressed.
    virtual void SetBoundKeys(const std::vector<MacroKeys>& macros) = 0;
    virtual void HideKeyDialog() = 0;

    // The macro with this description is included already.
    virtual IncludedMacroChoice AskMacroAlreadyIncluded(const std::string& description) = 0;

    // The overview of one macro's key requests, with the function at row selected chosen (-1:
    // none); overview.commands hold the lines that are not key bindings. Returns at every
    // button, which the core carries out before it shows the overview again.
    virtual OverviewAnswer ShowBindingOverview(const MacroOutput& overview, int selected) = 0;
    // The keyboard map opened from the overview: a click only marks a key, since the overview
    // goes through the selected macros one by one.
    virtual void ShowKeyMap(const KeyMap& map) = 0;
    // The editor of one function; returns at every button, which the core carries out before it
    // shows the editor again.
    virtual EditorAnswer ShowBindingEditor(const BindingEditor& editor) = 0;
};

}  // namespace korvex
