#include "bindings/BindingOverview.h"

#include <algorithm>

#include "app/Korvex.h"
#include "app/Messages.h"
#include "bindings/IncludedMacroKeys.h"
#include "bindings/KeyListText.h"
#include "bindings/KeyboardMap.h"
#include "bindings/MacroInclusion.h"
#include "macros/MacroCatalogue.h"
#include "platform/ListLookup.h"
#include "platform/ListOrder.h"
#include "platform/TextFile.h"

namespace korvex {
namespace {

void SortKeyNames(std::vector<std::string>& keys) { SortAsListBox(keys); }

// The overview until it is closed; its buttons are carried out in between.
void RunOverview(Korvex& app, MacroOutput& overview) {
    int selected = -1;
    while (!app.report.shuttingDown) {
        const OverviewAnswer answer = app.host.ShowBindingOverview(overview, selected);
        selected = answer.selected;
        if (answer.action == OverviewAction::Close) return;
        if (answer.action == OverviewAction::EditBinding) {
            EditSelectedBinding(app.report, overview, selected);
            continue;
        }
        KeyMap map;
        if (KeyMapOfShownPlayer(app, map, MapClicks::HighlightOnly)) app.host.ShowKeyMap(map);
    }
}

// One macro's overview; the selection of its IncludedMacros item is cleared.
OverviewResult ShowOverviewOf(Korvex& app, std::size_t index, const std::string& outputFile) {
    app.macroLists.includedSelected[index] = false;
    MacroOutput overview;
    if (!ReadBindingOverview(outputFile, overview)) {
        app.report.FatalError(Err::MacroFileNotFound, outputFile);
        return OverviewResult::Failed;
    }
    // Written back, a key that is no Quake II key would go on into the game: the file stays.
    if (!CheckOutputKeys(app.report, outputFile, overview)) return OverviewResult::Kept;
    if (overview.keys.empty()) {
        app.host.ShowMessage(Icon::Information,
                             "There a no bindings available for this macro. (" + app.player.includedMacros[index] + ")",
                             Buttons::Ok);
        return OverviewResult::Kept;
    }
    app.host.SetBoundKeys(
        IncludedMacroKeys(app.macroCatalogue, app.player, app.currentPlayerDir, app.player.includedMacros[index]));
    RunOverview(app, overview);
    return StoreBindingOverview(app, index, outputFile, overview);
}

}  // namespace

std::vector<std::string> SplitKeyNames(const std::string& keys) {
    std::vector<std::string> names;
    std::size_t start = 0;
    for (auto mark = keys.find(kKeyListSeparator); !keys.empty(); mark = keys.find(kKeyListSeparator, start)) {
        names.push_back(keys.substr(start, mark == std::string::npos ? std::string::npos : mark - start));
        if (mark == std::string::npos) break;
        start = mark + 1;
    }
    return names;
}

std::string JoinKeyNames(const std::vector<std::string>& keys) {
    std::string list;
    for (const std::string& key : keys) list += (list.empty() ? "" : std::string(1, kKeyListSeparator)) + key;
    return list;
}

bool ReadBindingOverview(const std::string& outputFile, MacroOutput& overview) {
    if (!ReadMacroOutput(outputFile, overview)) return false;
    DropKeyBindingLines(overview);
    return true;
}

bool WriteBindingOverview(const std::string& outputFile, const MacroOutput& overview) {
    MacroOutput output = overview;
    AppendBindLines(output);
    return WriteLinesAtomically(outputFile, MacroOutputLines(output));
}

std::string OverviewLine(const TKey& request) {
    return request.Description + " has been bound to " + FormatKeyNames(request.BoundKeys);
}

OverviewResult StoreBindingOverview(Korvex& app, std::size_t index, const std::string& outputFile,
                                    const MacroOutput& overview) {
    if (!WriteBindingOverview(outputFile, overview)) {
        app.report.FatalError(Err::CouldntCreateFile, outputFile);
        return OverviewResult::Failed;
    }
    if (!overview.keys.empty()) return OverviewResult::Kept;
    app.host.ShowMessage(Icon::Information,
                         "As there is no function left to bind any key to, the macro will be removed from the "
                         "included macros list.",
                         Buttons::Ok);
    return RemoveIncludedMacro(app, index) ? OverviewResult::Removed : OverviewResult::Failed;
}

void ShowKeyBindingOverview(Korvex& app) {
    PlayerCfg& cfg = app.player;
    app.macroLists.includedSelected.resize(cfg.includedMacros.size());
    for (std::size_t i = 0; i < cfg.includedMacros.size();) {
        if (!app.macroLists.includedSelected[i]) {
            ++i;
            continue;
        }
        const MacroCatalogueEntry* entry = FindMacroByDescription(app.macroCatalogue, cfg.includedMacros[i]);
        if (!entry) {
            app.report.FatalError(Err::MacroFileNotFound, "in list: " + cfg.includedMacros[i]);
            return;
        }
        const OverviewResult result = ShowOverviewOf(app, i, MacroOutputPath(app.currentPlayerDir, entry->Path));
        if (result == OverviewResult::Failed) return;
        if (result == OverviewResult::Kept) ++i;  // a removed macro's place is taken by the next one
    }
    app.host.PlayerCfgChanged();
}

void SetFunctionKeys(MacroOutput& overview, std::size_t index, std::vector<std::string> keys) {
    if (index >= overview.keys.size()) return;
    SortKeyNames(keys);
    if (keys.empty()) {
        overview.keys.erase(overview.keys.begin() + static_cast<std::ptrdiff_t>(index));
        return;
    }
    overview.keys[index].BoundKeys = JoinKeyNames(keys);
}

void EditSelectedBinding(Reporter& report, MacroOutput& overview, int selected) {
    if (selected < 0 || static_cast<std::size_t>(selected) >= overview.keys.size()) {
        report.ShowError(Err::NothingSelected, "Key Bindings");
        return;
    }
    const TKey& request = overview.keys[selected];
    BindingEditor editor;
    SetupBindingEditor(editor, request.Description, SplitKeyNames(request.BoundKeys));
    if (EditBinding(report, editor)) SetFunctionKeys(overview, selected, editor.keys);
}

bool EditBinding(Reporter& report, BindingEditor& editor) {
    BindingEditor edited = editor;
    for (;;) {
        const EditorAnswer answer = report.host.ShowBindingEditor(edited);
        switch (answer.action) {
            case EditorAction::AddKey:
                AddEditorKey(report, edited);
                break;
            case EditorAction::RemoveKeys:
                RemoveEditorKeys(edited, answer.selected);
                break;
            case EditorAction::Ok:
                if (!ConfirmEditor(report, edited)) break;
                editor = std::move(edited);
                return true;
            case EditorAction::Cancel:
                return false;
        }
    }
}

void SetupBindingEditor(BindingEditor& editor, const std::string& title, std::vector<std::string> keys) {
    editor.title = title;
    SortKeyNames(keys);
    editor.keys = std::move(keys);
}

void AddEditorKey(Reporter& report, BindingEditor& editor) {
    report.host.SetKeyPrompt(editor.title);
    const std::string key = report.host.AskForKey();
    if (key.empty()) return;
    if (ContainsIgnoringCase(editor.keys, key)) {
        report.ShowError(Err::CommandAlreadyBound, key);
        return;
    }
    editor.keys.push_back(key);
    SortKeyNames(editor.keys);
}

void RemoveEditorKeys(BindingEditor& editor, const std::vector<bool>& selected) {
    std::vector<std::string> kept;
    for (std::size_t i = 0; i < editor.keys.size(); ++i)
        if (i >= selected.size() || !selected[i]) kept.push_back(editor.keys[i]);
    editor.keys = std::move(kept);
}

bool ConfirmEditor(Reporter& report, const BindingEditor& editor) {
    if (!editor.keys.empty()) return true;
    return report.host.ShowMessage(Icon::Question,
                                   "There is no key left to bind a function to. If you choose OK this function "
                                   "will be deleted.",
                                   Buttons::OkCancel) == Button::Ok;
}

}  // namespace korvex
