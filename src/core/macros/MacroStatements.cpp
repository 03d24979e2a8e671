#include "macros/MacroStatements.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <optional>
#include <string_view>

#include "app/Host.h"
#include "app/Reporter.h"
#include "macros/MacroErrors.h"
#include "macros/MacroInterpreter.h"
#include "macros/MacroLineReader.h"
#include "macros/MacroResults.h"
#include "macros/MacroRun.h"
#include "platform/Text.h"

namespace korvex {
namespace {

// A statement gets the prepared line and the index just after its keyword and space.
struct Statement {
    const MacroRun& run;
    const std::string& line;
    std::size_t start;
    MacroParams p{};

    std::uint8_t Parse(std::string_view signature) {
        return ParseParameters(run.report, run.interpreter, line, signature, start, p);
    }
    MacroInterpreter& state() { return run.interpreter; }
    TMacroResults& results() { return run.results; }
    int LineNumber() { return run.interpreter.LineNumber; }
    std::string GetVariable(double n) { return GetMacroVariable(run.report, run.interpreter, n); }
    void SetVariable(double n, const std::string& text) { SetMacroVariable(run.report, run.interpreter, n, text); }
    void ReportError(std::uint8_t code) { ReportMacroError(run.report, run.interpreter, LineNumber(), code); }
};

// Positions and widths are pixels inside the dialog's group box.
int PixelsOf(double value) { return static_cast<int>(std::trunc(std::clamp(value, 0.0, 65535.0))); }

// The variable a control writes; a number outside 0 to 99 stays invalid when it is written.
int VariableOf(double value) { return static_cast<int>(std::trunc(std::clamp(value, -1.0, 256.0))); }

std::uint8_t CompareCondition(const std::string& a, const std::string& op, const std::string& b, bool& holds) {
    if (op != "=" && op != "<>") return MacroErr::NoValidOperator;
    holds = (a == b) == (op == "=");
    return 0;
}

std::uint8_t SetDescription(Statement& s, std::string TMacroResults::*field) {
    if (const auto code = s.Parse("S")) return code;
    s.results().*field = s.p[0].Text;
    return 0;
}

std::uint8_t Label(Statement& s) {
    if (!s.state().SearchingLabel) return 0;
    if (const auto code = s.Parse("S")) return code;
    if (EqualsIgnoringCase(s.p[0].Text, s.state().SearchLabel)) {
        s.state().SearchingLabel = false;
        s.state().SearchLabel.clear();
    }
    return 0;
}

std::uint8_t Fi(Statement& s) {
    MacroInterpreter& state = s.state();
    if (state.IfDepth == -1 && !state.SkippingIfBlock) return MacroErr::FiWithoutIf;
    --state.IfDepth;
    if (state.IfDepth == state.SkipStartDepth - 1) {
        state.SkippingIfBlock = false;
        state.SkipStartDepth = -1;
    }
    return 0;
}

std::uint8_t If(Statement& s) {
    MacroInterpreter& state = s.state();
    if (state.SkippingIfBlock) {
        ++state.IfDepth;
        return 0;
    }
    if (const auto code = s.Parse("SSS")) return code;
    bool holds = false;
    if (const auto code = CompareCondition(s.p[0].Text, s.p[1].Text, s.p[2].Text, holds)) return code;
    ++state.IfDepth;
    if (!holds) {
        state.SkippingIfBlock = true;
        state.SkipStartDepth = state.IfDepth;
    }
    return 0;
}

// A jump searches its label from the first line on.
void JumpTo(Statement& s, const std::string& label) {
    MacroInterpreter& state = s.state();
    state.SearchingLabel = true;
    state.SearchLabel = label;
    state.file.Rewind();
    state.LineNumber = 0;
}

std::uint8_t GotoIf(Statement& s) {
    if (const auto code = s.Parse("SSSS")) return code;
    bool holds = false;
    if (const auto code = CompareCondition(s.p[1].Text, s.p[2].Text, s.p[3].Text, holds)) return code;
    if (holds) JumpTo(s, s.p[0].Text);
    return 0;
}

std::uint8_t Goto(Statement& s) {
    if (const auto code = s.Parse("SSSS")) return code;
    JumpTo(s, s.p[0].Text);
    return 0;
}

// One control or key request too many is reported at once and not created.
bool RoomFor(Statement& s, std::size_t count, int limit, std::uint8_t code) {
    if (count < static_cast<std::size_t>(limit)) return true;
    s.ReportError(code);
    return false;
}

std::uint8_t InputField(Statement& s) {
    if (const auto code = s.Parse("NNNSSN")) return code;
    auto& fields = s.state().dialog.inputFields;
    if (!RoomFor(s, fields.size(), kMaxInputFields, MacroErr::TooManyInputFields)) return 0;
    fields.push_back({PixelsOf(s.p[0].Value), PixelsOf(s.p[1].Value), PixelsOf(s.p[2].Value), s.p[3].Text,
                      s.p[4].Text, VariableOf(s.p[5].Value)});
    s.SetVariable(s.p[5].Value, s.p[4].Held);
    return 0;
}

std::uint8_t Text(Statement& s) {
    if (const auto code = s.Parse("NNS")) return code;
    auto& texts = s.state().dialog.texts;
    if (!RoomFor(s, texts.size(), kMaxTexts, MacroErr::TooManyTexts)) return 0;
    texts.push_back({PixelsOf(s.p[0].Value), PixelsOf(s.p[1].Value), s.p[2].Text});
    return 0;
}

std::uint8_t InputCombo(Statement& s) {
    if (const auto code = s.Parse("NNNSSSN")) return code;
    auto& combos = s.state().dialog.inputCombos;
    if (!RoomFor(s, combos.size(), kMaxInputCombos, MacroErr::TooManyInputCombos)) return 0;
    combos.push_back({PixelsOf(s.p[0].Value), PixelsOf(s.p[1].Value), PixelsOf(s.p[2].Value), s.p[3].Text,
                      s.p[4].Text, SplitComboItems(s.p[5].Text),
                      VariableOf(s.p[6].Value)});
    s.SetVariable(s.p[6].Value, s.p[4].Held);
    return 0;
}

std::uint8_t NecessaryKey(Statement& s) {
    if (const auto code = s.Parse("SS")) return code;
    TMacroResults& results = s.results();
    if (!RoomFor(s, results.LastKey + 1, kMaxMacroKeys, MacroErr::TooManyKeys)) return 0;
    results.Keys[++results.LastKey] = {s.p[0].Text, s.p[1].Text, ""};
    return 0;
}

std::uint8_t InputMode(Statement& s) {
    s.state().InputModeDesc = s.results().MacroDesc;
    s.state().pageBeforeInput = s.run.window.showDialog(s.results().MacroDesc);
    return MacroErr::InterruptedForInput;
}

std::uint8_t Assign(Statement& s) {
    if (const auto code = s.Parse("SN")) return code;
    s.SetVariable(s.p[1].Value, s.p[0].Held);
    return 0;
}

std::uint8_t Concat(Statement& s) {
    if (const auto code = s.Parse("NNN")) return code;
    s.SetVariable(s.p[2].Value, s.GetVariable(s.p[0].Value) + s.GetVariable(s.p[1].Value));
    return 0;
}

std::uint8_t ShowMessage(Statement& s) {
    if (const auto code = s.Parse("S")) return code;
    s.run.report.host.ShowMessage(Icon::Information, s.p[0].Text, Buttons::Ok);
    return 0;
}

// At most two operands: the last parameter names the target variable.
using Operands = std::array<double, 2>;
using Compute = std::function<std::optional<double>(Statement&, const Operands&)>;

// TAN, ADD, MULT, DIV and REAL2INT: operand variables in, one target variable out.
std::uint8_t Numeric(Statement& s, std::string_view signature, const Compute& compute) {
    if (const auto code = s.Parse(signature)) return code;
    const std::size_t operands = signature.size() - 1;
    Operands values{};
    for (std::size_t i = 0; i < operands; ++i) {
        const auto value = ParseMacroNumber(s.GetVariable(s.p[i].Value));
        if (!value) return MacroErr::WrongType;
        values[i] = *value;
    }
    const auto result = compute(s, values);
    if (!result) return 0;
    if (!std::isfinite(*result)) return MacroErr::WrongType;
    s.SetVariable(s.p[operands].Value, FormatMacroNumber(*result));
    return 0;
}

std::uint8_t Tan(Statement& s) {
    bool cosineZero = false;
    const auto code = Numeric(s, "NN", [&](Statement&, const Operands& v) -> std::optional<double> {
        if (std::cos(v[0]) == 0) {
            cosineZero = true;
            return std::nullopt;
        }
        return std::sin(v[0]) / std::cos(v[0]);
    });
    return cosineZero ? MacroErr::WrongType : code;
}

std::uint8_t Div(Statement& s) {
    return Numeric(s, "NNN", [](Statement& st, const Operands& v) -> std::optional<double> {
        if (v[1] == 0) {
            st.ReportError(MacroErr::DivisionByZero);
            return std::nullopt;
        }
        return v[0] / v[1];
    });
}

std::uint8_t QuakeCommand(Statement& s) {
    std::string command;
    if (const auto code = ParseQuakeCommand(s.line, s.start, command)) return code;
    if (CountChar('"', command) % 2 != 0) return MacroErr::UnevenQuotes;
    AddQuakeCommand(s.run.report, s.run.interpreter, s.run.results, command);
    return 0;
}

std::uint8_t CarryOut(Statement& s, std::string_view upper) {
    const auto is = [&](std::string_view keyword) {
        if (upper.compare(0, keyword.size(), keyword) != 0) return false;
        s.start = keyword.size();
        return true;
    };
    if (is("MACRO_DESC ")) return SetDescription(s, &TMacroResults::MacroDesc);
    if (is("MACRO_DETAILDESC ")) return SetDescription(s, &TMacroResults::MacroDetailDesc);
    if (is("MACRO_CAT ")) return SetDescription(s, &TMacroResults::MacroCat);
    const MacroInterpreter& state = s.state();
    if (is("LABEL ")) return Label(s);
    if (state.SearchingLabel) return 0;
    if (is("FI ")) return Fi(s);
    if (is("IF ")) return If(s);
    if (state.SkippingIfBlock) return 0;
    if (is("GOTOIF ")) return GotoIf(s);
    if (is("GOTO ")) return Goto(s);
    if (is("INPUTFIELD ")) return InputField(s);
    if (is("TEXT ")) return Text(s);
    if (is("INPUTCOMBO ")) return InputCombo(s);
    if (is("NECESSARY_KEY ")) return NecessaryKey(s);
    if (is("INPUTMODE ")) return InputMode(s);
    if (is("ASSIGN ")) return Assign(s);
    if (is("CONCAT ")) return Concat(s);
    if (is("TAN ")) return Tan(s);
    if (is("ADD ")) return Numeric(s, "NNN", [](Statement&, const auto& v) { return std::optional(v[0] + v[1]); });
    if (is("SHOWMESSAGE ")) return ShowMessage(s);
    if (is("MULT ")) return Numeric(s, "NNN", [](Statement&, const auto& v) { return std::optional(v[0] * v[1]); });
    if (is("DIV ")) return Div(s);
    if (is("REAL2INT ")) return Numeric(s, "NN", [](Statement&, const auto& v) { return std::optional(std::trunc(v[0])); });
    if (is("QUAKE_COMMAND ")) return QuakeCommand(s);
    return MacroErr::UnknownCommand;
}

}  // namespace

std::uint8_t ExecuteMacroLine(const MacroRun& run, const std::string& line) {
    const std::string prepared = StatementText(line);
    if (prepared == " ") return 0;
    // The keywords are compared in capitals; the longest with its space is "MACRO_DETAILDESC ".
    std::array<char, 24> keyword{};
    const std::size_t keywordLength = std::min(prepared.size(), keyword.size());
    for (std::size_t i = 0; i < keywordLength; ++i) keyword[i] = UpperChar(prepared[i]);
    Statement statement{run, prepared, 0};
    return CarryOut(statement, std::string_view(keyword.data(), keywordLength));
}

}  // namespace korvex
