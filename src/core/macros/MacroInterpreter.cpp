#include "macros/MacroInterpreter.h"

#include <cmath>

#include "app/Host.h"
#include "app/Messages.h"
#include "app/Reporter.h"
#include "macros/KeyCaptureHandover.h"
#include "macros/MacroDescriptions.h"
#include "macros/MacroErrors.h"
#include "macros/MacroLineReader.h"
#include "macros/MacroResults.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"

namespace korvex {
namespace {

// The index of a variable number, or -1 when it names none of the 100 variables.
int VariableIndex(double n) {
    if (!(n >= 0 && n < kMacroVariableCount)) return -1;
    return static_cast<int>(std::trunc(n));
}

// A run that ended in an error may have left a block open or a label search going.
void ResetControlFlow(MacroInterpreter& state) {
    state.IfDepth = -1;
    state.SkippingIfBlock = false;
    state.SkipStartDepth = -1;
    state.SearchingLabel = false;
    state.SearchLabel.clear();
}

}  // namespace

void ReportMacroError(Reporter& report, MacroInterpreter& interpreter, int line, std::uint8_t code) {
    if (line != 0 && !interpreter.reportedErrors.insert({line, code}).second) return;
    report.MacroLanguageError(line, interpreter.CurrentMacroFile, code);
}

std::string GetMacroVariable(Reporter& report, MacroInterpreter& interpreter, double n) {
    const int index = VariableIndex(n);
    if (index < 0) {
        ReportMacroError(report, interpreter, interpreter.LineNumber, MacroErr::InvalidVariableNumber);
        return {};
    }
    return interpreter.MacroVariables[index];
}

void SetMacroVariable(Reporter& report, MacroInterpreter& interpreter, double n, const std::string& text) {
    const int index = VariableIndex(n);
    if (index < 0) {
        ReportMacroError(report, interpreter, interpreter.LineNumber, MacroErr::InvalidVariableNumber);
        return;
    }
    interpreter.MacroVariables[index] = text.substr(0, kMaxVariableLength);
}

void AddQuakeCommand(Reporter& report, MacroInterpreter& interpreter, TMacroResults& results,
                     const std::string& command) {
    if (results.LastCommand + 1 >= kMaxMacroCommands) {
        ReportMacroError(report, interpreter, interpreter.LineNumber, MacroErr::TooManyCommands);
        return;
    }
    results.Commands[++results.LastCommand] = command;
}

void RunMacro(const MacroRun& run, const std::string& path, bool descriptionsOnly) {
    TMacroResults& results = run.results;
    if (descriptionsOnly) {
        const MacroDescriptions read = ReadMacroDescriptions(path);
        results.MacroDesc = read.MacroDesc;
        results.MacroDetailDesc = read.MacroDetailDesc;
        results.MacroCat = read.MacroCat;
        ReportDescriptionErrors(run.report, path, read);
        return;
    }
    MacroInterpreter& state = run.interpreter;
    state.ReadyForNextMacro = false;
    results.LastKey = -1;
    results.LastCommand = -1;
    results.MacroCat.clear();
    results.MacroDetailDesc.clear();
    results.MacroDesc.clear();
    state.CurrentMacroFile = path;
    state.InputModeDesc.clear();
    state.reportedErrors.clear();
    if (const std::uint8_t code = OpenMacroFile(state.file, path)) {
        ReportMacroError(run.report, state, 0, code);
        return;
    }
    ClearMacroDialog(state);
    state.LineNumber = 0;
    ResetControlFlow(state);
    const std::uint8_t result = ReadMacroLines(run);
    if (result == MacroErr::InterruptedForInput) {
        state.MacroSuspended = true;
        return;
    }
    state.file.Close();
    state.MacroSuspended = false;
    if (result != 0)
        ReportMacroError(run.report, state, 0, result);
    else
        FinishMacro(run);
    ClearMacroDialog(state);
}

std::string DescriptionOfMacro(Reporter& report, const std::string& directory, const std::string& fileName) {
    const std::string path = JoinPath(directory, fileName);
    if (fileName.empty() || fileName.find(kPathSeparator) != std::string::npos || !FileExists(path)) return {};
    const MacroDescriptions read = ReadMacroDescriptions(ResolveCase(path));
    ReportDescriptionErrors(report, ResolveCase(path), read);
    return read.MacroDesc;
}

void ContinueMacro(const MacroRun& run) {
    MacroInterpreter& state = run.interpreter;
    const std::uint8_t result = ReadMacroLines(run);
    if (result == MacroErr::InterruptedForInput) return;
    state.file.Close();
    state.MacroSuspended = false;
    run.report.host.Post(run.window.resumedRunEnded);
    if (result != 0) {
        ClearMacroDialog(state);
        ReportMacroError(run.report, state, 0, result);
        return;
    }
    FinishMacro(run);
    ClearMacroDialog(state);
}

void FinishMacro(const MacroRun& run) {
    run.interpreter.CurrentKeyIndex = -1;
    HandOverToKeyCapture(run);
}

}  // namespace korvex
