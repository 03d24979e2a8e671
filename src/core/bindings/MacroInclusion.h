// Including macros into the current Player-CFG: "Add to Config" runs each chosen macro,
// captures one key per key request and stores the result in "<macro file>.out" in the
// Player-CFG's directory; "Remove from Config" takes macros out again. The steps are chained
// through Host::Post so that the macro dialog and the key request dialog can show between them.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace korvex {

struct Korvex;
struct Reporter;
struct MacroCatalogue;
struct MacroInterpreter;
struct TMacroResults;

struct MacroInclusion {
    // Macro file paths waiting to be run, in order.
    std::vector<std::string> PendingMacros;
};

// A key list may grow while it holds at most this many characters.
inline constexpr std::size_t kMaxBoundKeysLength = 80;

// The output file of the macro file at macroPath for the current Player-CFG.
std::string MacroOutputPath(const std::string& currentPlayerDir, const std::string& macroPath);

// "Add to Config": the selected macros of AvailMacros, in list order.
void AddToConfig(Korvex& app);
// "Remove from Config": every selected macro of IncludedMacros; no question is asked.
void RemoveFromConfig(Korvex& app);
// Takes the macro at an IncludedMacros index out of both lists; false after the fatal report
// of a macro the catalogue does not know.
bool RemoveIncludedMacro(Korvex& app, std::size_t index);

// Appends the paths of the catalogue's macros with this description to PendingMacros.
void QueueMacroFiles(MacroCatalogue& macroCatalogue, MacroInclusion& inclusion, const std::string& description);
// The posted steps: start the next queued macro once the previous one is stored; capture
// the next key of the finished run, or store its results. The capture starts by telling the key
// request dialog the keys of the included macros.
void RunNextPendingMacro(Korvex& app);
void StartKeyCapture(Korvex& app);
void CaptureNextKey(Korvex& app);
// The player cancelled the macro being added (its dialog or a key request): nothing of it is
// stored, the macros still waiting are dropped, and a message says so.
void AbandonMacroAddition(Reporter& report, MacroInclusion& inclusion, MacroInterpreter& interpreter,
                          TMacroResults& results);
// The macro dialog page's Cancel (or Escape): the dialog closes and the addition is abandoned.
void CancelMacroDialog(Korvex& app);

// "Add a key-binding": one more key for every key request of an included macro's output
// file. False when the whole "Add to Config" is to end, as when a key request is cancelled.
bool AddKeyBindings(Reporter& report, const std::string& outputFile, const std::string& description);

}  // namespace korvex
