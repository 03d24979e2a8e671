#include "macros/MacroInterpreter.h"

#include <cmath>

#include "app/Korvex.h"
#include "app/Messages.h"
#include "macros/KeyCaptureHandover.h"
#include "macros/MacroCatalogue.h"
#include "macros/MacroDescriptions.h"
#include "macros/MacroErrors.h"
#include "macros/MacroLineReader.h"
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

void ReportMacroError(Korvex& app, int line, std::uint8_t code) {
    if (line != 0 && !app.interpreter.reportedErrors.insert({line, code}).second) return;
    MacroLanguageError(app, line, app.interpreter.CurrentMacroFile, code);
}

std::string GetMacroVariable(Korvex& app, double n) {
    const int index = VariableIndex(n);
    if (index < 0) {
        ReportMacroError(app, app.interpreter.LineNumber, MacroErr::InvalidVariableNumber);
        return {};
    }
    return app.interpreter.MacroVariables[index];
}

void SetMacroVariable(Korvex& app, double n, const std::string& text) {
    const int index = VariableIndex(n);
    if (index < 0) {
        ReportMacroError(app, app.interpreter.LineNumber, MacroErr::InvalidVariableNumber);
        return;
    }
    app.interpreter.MacroVariables[index] = text.substr(0, kMaxVariableLength);
}

void AddQuakeCommand(Korvex& app, const std::string& command) {
    TMacroResults& results = app.macroResults;
    if (results.LastCommand + 1 >= kMaxMacroCommands) {
        ReportMacroError(app, app.interpreter.LineNumber, MacroErr::TooManyCommands);
        return;
    }
    results.Commands[++results.LastCommand] = command;
}

void RunMacro(Korvex& app, const std::string& path, bool descriptionsOnly) {
    TMacroResults& results = app.macroResults;
    if (descriptionsOnly) {
        const MacroDescriptions read = ReadMacroDescriptions(path);
        results.MacroDesc = read.MacroDesc;
        results.MacroDetailDesc = read.MacroDetailDesc;
        results.MacroCat = read.MacroCat;
        ReportDescriptionErrors(app, path, read);
        return;
    }
    MacroInterpreter& state = app.interpreter;
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
        ReportMacroError(app, 0, code);
        return;
    }
    ClearMacroDialog(app);
    state.LineNumber = 0;
    ResetControlFlow(state);
    const std::uint8_t result = ReadMacroLines(app);
    if (result == MacroErr::InterruptedForInput) {
        state.MacroSuspended = true;
        return;
    }
    state.file.Close();
    state.MacroSuspended = false;
    if (result != 0) ReportMacroError(app, 0, result);
    else FinishMacro(app);
    ClearMacroDialog(app);
}

std::string DescriptionOfMacro(Korvex& app, const std::string& directory, const std::string& fileName) {
    const std::string path = JoinPath(directory, fileName);
    if (fileName.empty() || fileName.find(kPathSeparator) != std::string::npos || !FileExists(path)) return {};
    const MacroDescriptions read = ReadMacroDescriptions(ResolveCase(path));
    ReportDescriptionErrors(app, ResolveCase(path), read);
    return read.MacroDesc;
}

void ContinueMacro(Korvex& app) {
    MacroInterpreter& state = app.interpreter;
    const std::uint8_t result = ReadMacroLines(app);
    if (result == MacroErr::InterruptedForInput) return;
    state.file.Close();
    state.MacroSuspended = false;
    app.host.Post([&app] { DeselectFirstAvailMacro(app); });
    if (result != 0) {
        ClearMacroDialog(app);
        ReportMacroError(app, 0, result);
        return;
    }
    FinishMacro(app);
    ClearMacroDialog(app);
}

void FinishMacro(Korvex& app) {
    app.interpreter.CurrentKeyIndex = -1;
    HandOverToKeyCapture(app);
}

}  // namespace korvex
