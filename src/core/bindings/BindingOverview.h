// "Key Binding Information": the overview of an included macro's key requests and the
// editor of one function's keys. Changes reach the output file when the overview closes.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "bindings/BindingDialogRequests.h"
#include "bindings/MacroOutputFile.h"

namespace korvex {

struct Korvex;
struct Reporter;

// BitBtn15Click and a double click on IncludedMacros: one overview per selected macro.
void ShowKeyBindingOverview(Korvex& app);

enum class OverviewResult { Kept, Removed, Failed };
// Writes the overview of the macro at an IncludedMacros index back to its output file; when no
// function is left, the macro is removed, with a message. Failed after a fatal report.
OverviewResult StoreBindingOverview(Korvex& app, std::size_t index, const std::string& outputFile,
                                    const MacroOutput& overview);

// The overview of an output file: its key requests and the lines that are not key bindings.
bool ReadBindingOverview(const std::string& outputFile, MacroOutput& overview);
// What is written back: the key requests and the kept lines, then one BIND line per request.
bool WriteBindingOverview(const std::string& outputFile, const MacroOutput& overview);
// "<description> has been bound to <keys in display form>", one per key request.
std::string OverviewLine(const TKey& request);

// The function at index gets these keys, held sorted; no keys delete the function.
void SetFunctionKeys(MacroOutput& overview, std::size_t index, std::vector<std::string> keys);
// "Edit Bindings" for the line selected in the overview (-1 when none is).
void EditSelectedBinding(Reporter& report, MacroOutput& overview, int selected);

// The editor until it is closed; true when OK closed it, editor then holding the new keys.
bool EditBinding(Reporter& report, BindingEditor& editor);
// The editor's buttons.
void SetupBindingEditor(BindingEditor& editor, const std::string& title, std::vector<std::string> keys);
void AddEditorKey(Reporter& report, BindingEditor& editor);
void RemoveEditorKeys(BindingEditor& editor, const std::vector<bool>& selected);
// OK: with no key left the person confirms that the function goes.
bool ConfirmEditor(Reporter& report, const BindingEditor& editor);

// The key names of a key list and the list of key names.
std::vector<std::string> SplitKeyNames(const std::string& keys);
std::string JoinKeyNames(const std::vector<std::string>& keys);

}  // namespace korvex
