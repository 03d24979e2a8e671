// The macro interpreter: one run at a time, its state owned by the application object.
// A full run carries out every statement. Reading only the three descriptions, for the
// catalogue and for checks of included macros, needs none of this state (MacroDescriptions.h).
#pragma once

#include <array>
#include <cstdint>
#include <set>
#include <string>

#include "app/MainView.h"
#include "macros/MacroDialog.h"
#include "macros/MacroFile.h"
#include "macros/MacroRun.h"

namespace korvex {

struct TMacroResults;
struct Reporter;

inline constexpr int kMacroVariableCount = 100;

struct MacroInterpreter {
    // Kept for the whole program start: a macro may read what an earlier one left.
    std::array<std::string, kMacroVariableCount> MacroVariables;

    std::string CurrentMacroFile;
    MacroFile file;
    int LineNumber = 0;

    int IfDepth = -1;
    bool SkippingIfBlock = false;
    int SkipStartDepth = -1;
    bool SearchingLabel = false;
    std::string SearchLabel;

    bool MacroSuspended = false;
    std::string InputModeDesc;
    bool ReadyForNextMacro = true;
    int CurrentKeyIndex = -1;
    Page pageBeforeInput = Page::ConfigEditor;
    // Errors already shown in this run, by line and code: a macro that circles through a
    // faulty line reports it once, not on every pass.
    std::set<std::pair<int, std::uint8_t>> reportedErrors;

    MacroDialog dialog;
};

// Runs one macro file from its start; the output is run.results. With descriptionsOnly
// only the three descriptions are read into it, and the state of a run waiting for its
// dialog stays as it is.
void RunMacro(const MacroRun& run, const std::string& path, bool descriptionsOnly);
// The description of a macro file of directory; empty text when there is no such file or
// its name would lead out of the directory. It leaves the interpreter and its results alone.
std::string DescriptionOfMacro(Reporter& report, const std::string& directory, const std::string& fileName);
// Resumes a run that stopped at INPUTMODE.
void ContinueMacro(const MacroRun& run);
// A run ended without error: the key requests go to key capture.
void FinishMacro(const MacroRun& run);

// A variable holds at most 255 characters, as much as a line can carry.
inline constexpr std::size_t kMaxVariableLength = 255;

// n from 0 to 99; any other number is reported as an invalid variable number, reads as
// empty text and changes nothing.
std::string GetMacroVariable(Reporter& report, MacroInterpreter& interpreter, double n);
void SetMacroVariable(Reporter& report, MacroInterpreter& interpreter, double n, const std::string& text);

// Appends a console command line; the 51st is reported at once and dropped.
void AddQuakeCommand(Reporter& report, MacroInterpreter& interpreter, TMacroResults& results,
                     const std::string& command);

// Reports a macro-language error of the running macro (fatal).
void ReportMacroError(Reporter& report, MacroInterpreter& interpreter, int line, std::uint8_t code);

}  // namespace korvex
