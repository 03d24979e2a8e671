#include "bindings/MacroInclusion.h"

#include <algorithm>

#include "app/AppMacroRun.h"
#include "app/Korvex.h"
#include "app/Messages.h"
#include "bindings/IncludedMacroKeys.h"
#include "bindings/KeyListText.h"
#include "bindings/MacroOutputFile.h"
#include "macros/MacroCatalogue.h"
#include "macros/MacroDialog.h"
#include "platform/FileSystem.h"
#include "platform/ListLookup.h"
#include "platform/ListOrder.h"
#include "platform/Path.h"
#include "platform/Text.h"
#include "platform/TextFile.h"

namespace korvex {
namespace {


void PostNextMacro(Korvex& app) {
    app.host.Post([&app] { RunNextPendingMacro(app); });
}

// The selections follow their lists, whatever size the GUI left them at.
void FitSelections(PlayerCfg& player, MacroBindingsView& macroLists) {
    macroLists.availSelected.resize(macroLists.availMacros.size());
    macroLists.includedSelected.resize(player.includedMacros.size());
}

bool HoldsKey(const std::string& boundKeys, const std::string& key) {
    const std::string list = kKeyListSeparator + boundKeys + kKeyListSeparator;
    return list.find(kKeyListSeparator + key + kKeyListSeparator) != std::string::npos;
}

// The number of key requests minus one that an included macro's output file records.
bool ReadLastKey(const std::string& outputFile, long long& lastKey) {
    LineReader reader;
    if (!reader.Open(outputFile)) return false;
    reader.ReadLine();
    lastKey = TextToIntDef(reader.ReadLine());
    return true;
}

// One included macro of the selection; false when "Add to Config" is to end.
bool AddIncludedMacroAgain(Korvex& app, const std::string& description) {
    const MacroCatalogueEntry* entry = FindMacroByDescription(app.macroCatalogue, description);
    if (!entry) {
        app.report.FatalError(Err::MacroFileNotFound, "in list: " + description);
        return false;
    }
    const std::string outputFile = MacroOutputPath(app.currentPlayerDir, entry->Path);
    long long lastKey = 0;
    if (!ReadLastKey(outputFile, lastKey)) {
        app.report.FatalError(Err::MacroFileNotFound, "on harddisk: " + outputFile);
        return false;
    }
    if (lastKey <= -1) {
        app.report.ShowError(Err::MacroAlreadyIncluded, description);
        return false;
    }
    switch (app.host.AskMacroAlreadyIncluded(description)) {
        case IncludedMacroChoice::AddKeyBinding:
            app.host.SetBoundKeys(IncludedMacroKeys(app.macroCatalogue, app.player, app.currentPlayerDir, description));
            return AddKeyBindings(app.report, outputFile, description);
        case IncludedMacroChoice::Overwrite: {
            const int index = IndexIgnoringCase(app.player.includedMacros, description);
            if (index < 0) {
                app.report.FatalError(Err::MacroFileNotFound, "in list: " + description);
                return false;
            }
            if (!RemoveIncludedMacro(app, index)) return false;
            QueueMacroFiles(app.macroCatalogue, app.inclusion, description);
            return true;
        }
        case IncludedMacroChoice::Cancel: return true;
    }
    return true;
}

void StoreMacroResults(Korvex& app) {
    TMacroResults& results = app.macroResults;
    const std::string macroFile = app.interpreter.CurrentMacroFile;
    const std::string outputFile = MacroOutputPath(app.currentPlayerDir, macroFile);
    const bool written = WriteLinesAtomically(outputFile, MacroOutputLines(MacroOutputOf(results)));
    results.LastCommand = -1;
    results.LastKey = -1;
    app.interpreter.ReadyForNextMacro = true;
    if (!written) {
        app.report.ShowError(Err::CouldntCreateFile, outputFile);
        return;
    }
    PlayerCfg& cfg = app.player;
    cfg.includedMacroFiles.push_back(FileName(macroFile));
    FitSelections(app.player, app.macroLists);
    MacroBindingsView& lists = app.macroLists;
    for (std::size_t i = 0; i < lists.availMacros.size(); ++i)
        if (lists.availMacros[i] == results.MacroDesc) lists.availSelected[i] = false;
    cfg.includedMacros.push_back(results.MacroDesc);
    SortAsListBox(cfg.includedMacros);
    lists.includedSelected.assign(cfg.includedMacros.size(), false);
    app.host.PlayerCfgChanged();
}

}  // namespace

std::string MacroOutputPath(const std::string& currentPlayerDir, const std::string& macroPath) {
    return JoinPath(currentPlayerDir, FileName(macroPath) + ".out");
}

void QueueMacroFiles(MacroCatalogue& macroCatalogue, MacroInclusion& inclusion, const std::string& description) {
    for (const MacroCatalogueEntry& entry : macroCatalogue.entries)
        if (entry.MacroDesc == description) inclusion.PendingMacros.push_back(entry.Path);
}

void AddToConfig(Korvex& app) {
    app.inclusion.PendingMacros.clear();
    FitSelections(app.player, app.macroLists);
    const MacroBindingsView& lists = app.macroLists;
    for (std::size_t i = 0; i < lists.availMacros.size(); ++i) {
        if (!lists.availSelected[i]) continue;
        const std::string description = lists.availMacros[i];
        if (IndexIgnoringCase(app.player.includedMacros, description) < 0) {
            QueueMacroFiles(app.macroCatalogue, app.inclusion, description);
        } else if (!AddIncludedMacroAgain(app, description)) {
            app.host.PlayerCfgChanged();
            return;
        }
    }
    app.host.PlayerCfgChanged();
    PostNextMacro(app);
}

bool RemoveIncludedMacro(Korvex& app, std::size_t index) {
    PlayerCfg& cfg = app.player;
    const std::string description = cfg.includedMacros.at(index);
    const MacroCatalogueEntry* entry = FindMacroByDescription(app.macroCatalogue, description);
    if (!entry) {
        app.report.FatalError(Err::MacroToDeleteMissing, description);
        return false;
    }
    const int file = IndexIgnoringCase(cfg.includedMacroFiles, FileName(entry->Path));
    if (file >= 0) cfg.includedMacroFiles.erase(cfg.includedMacroFiles.begin() + file);
    FitSelections(app.player, app.macroLists);
    const auto at = static_cast<std::ptrdiff_t>(index);
    cfg.includedMacros.erase(cfg.includedMacros.begin() + at);
    app.macroLists.includedSelected.erase(app.macroLists.includedSelected.begin() + at);
    return true;
}

void RemoveFromConfig(Korvex& app) {
    FitSelections(app.player, app.macroLists);
    for (std::size_t i = 0; i < app.player.includedMacros.size();) {
        if (!app.macroLists.includedSelected[i]) {
            ++i;
        } else if (!RemoveIncludedMacro(app, i)) {
            return;
        }
    }
    app.host.PlayerCfgChanged();
}

void RunNextPendingMacro(Korvex& app) {
    auto& pending = app.inclusion.PendingMacros;
    if (pending.empty() || !app.interpreter.ReadyForNextMacro || app.report.shuttingDown) return;
    const std::string path = pending.front();
    pending.erase(pending.begin());
    RunMacro(MacroRunOf(app), path, false);
}

void AbandonMacroAddition(Reporter& report, MacroInclusion& inclusion, MacroInterpreter& interpreter,
                          TMacroResults& results) {
    const bool moreWaiting = !inclusion.PendingMacros.empty();
    results.LastKey = -1;
    results.LastCommand = -1;
    inclusion.PendingMacros.clear();
    interpreter.ReadyForNextMacro = true;
    report.host.ShowMessage(Icon::Information,
                            moreWaiting
                                ? "Cancelled: \"" + results.MacroDesc + "\" and the macros after it were not added."
                                : "Cancelled: \"" + results.MacroDesc + "\" was not added.",
                            Buttons::Ok);
}

void CancelMacroDialog(Korvex& app) {
    CloseMacroDialog(MacroRunOf(app));
    AbandonMacroAddition(app.report, app.inclusion, app.interpreter, app.macroResults);
}

void StartKeyCapture(Korvex& app) {
    // The included macros stay as they are while the keys are captured: their keys are read once.
    app.host.SetBoundKeys(IncludedMacroKeys(app.macroCatalogue, app.player, app.currentPlayerDir));
    CaptureNextKey(app);
}

void CaptureNextKey(Korvex& app) {
    if (app.report.shuttingDown) return;
    TMacroResults& results = app.macroResults;
    const int i = ++app.interpreter.CurrentKeyIndex;
    if (i <= results.LastKey) {
        const std::string key = app.host.AskForKey();
        if (key.empty()) {
            app.host.HideKeyDialog();
            AbandonMacroAddition(app.report, app.inclusion, app.interpreter, app.macroResults);
            return;
        }
        TKey& request = results.Keys[i];
        request.BoundKeys = key;
        AddQuakeCommand(app.report, app.interpreter, app.macroResults, BindLine(key, request.Command));
        if (app.report.shuttingDown) return;
        if (i >= results.LastKey) app.host.HideKeyDialog();
        else app.host.SetKeyPrompt(results.Keys[i + 1].Description);
    }
    const bool allCaptured = i >= results.LastKey;
    if (results.LastKey < i) app.interpreter.ReadyForNextMacro = true;
    if (allCaptured && results.LastCommand > -1) StoreMacroResults(app);
    if (!allCaptured) app.host.Post([&app] { CaptureNextKey(app); });
    PostNextMacro(app);
}

bool AddKeyBindings(Reporter& report, const std::string& outputFile, const std::string& description) {
    MacroOutput output;
    if (!ReadMacroOutput(outputFile, output)) {
        report.FatalError(Err::MacroFileNotFound, "on harddisk: " + outputFile);
        return false;
    }
    if (!CheckOutputKeys(report, outputFile, output)) return false;
    // The old file is replaced only when the new one is complete; a read-only one stays.
    if (IsReadOnlyFile(outputFile)) {
        report.ShowError(Err::CouldntDeleteFile, outputFile);
        return false;
    }
    const std::string temporary = outputFile + ".TMP";
    AtomicTextWriter writer(outputFile);
    if (!writer.IsOpen()) {
        report.ShowError(Err::CouldntCreateFile, temporary);
        return false;
    }
    DropKeyBindingLines(output);
    for (TKey& request : output.keys) {
        report.host.SetKeyPrompt(request.Description);
        const std::string key = report.host.AskForKey();
        if (key.empty()) {
            report.host.ShowMessage(Icon::Information, "Cancelled: no key was added to \"" + description + "\".",
                                    Buttons::Ok);
            return false;
        }
        if (!HoldsKey(request.BoundKeys, key) && request.BoundKeys.size() <= kMaxBoundKeysLength) {
            request.BoundKeys += request.BoundKeys.empty() ? key : kKeyListSeparator + key;
        } else {
            const bool tooMany = request.BoundKeys.size() > kMaxBoundKeysLength;
            report.ShowError(tooMany ? Err::TooManyKeysForCommand : Err::CommandAlreadyBound,
                             FormatKeyNames(request.BoundKeys));
        }
    }
    AppendBindLines(output);
    for (const std::string& line : MacroOutputLines(output)) writer.WriteLine(line);
    if (!writer.Commit()) report.ShowError(Err::CouldntRenameFile, temporary);
    return true;
}

}  // namespace korvex
