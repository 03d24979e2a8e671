#include "macros/MacroLineReader.h"

#include <charconv>
#include <cmath>

#include "macros/MacroErrors.h"
#include "macros/MacroInterpreter.h"
#include "macros/MacroResults.h"
#include "macros/MacroRun.h"
#include "macros/MacroStatements.h"
#include "macros/TypedText.h"

namespace korvex {
namespace {

// A variable that refers to itself, directly or through others, would expand for ever;
// a line stops after this many references with an invalid reference.
constexpr int kMaxReferencesPerLine = 1000;
// A macro that jumps in circles never reaches its end; reading stops after this many lines.
constexpr int kMaxLinesPerReading = 10000;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t SkipDigits(std::string_view text, std::size_t pos) {
    while (pos < text.size() && IsDigit(text[pos])) ++pos;
    return pos;
}

std::optional<long long> ParseWholeNumber(std::string_view text) {
    if (!text.empty() && text[0] == '+') text.remove_prefix(1);
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

bool DescriptionMissing(const TMacroResults& results) {
    return results.MacroDesc.empty() || results.MacroDetailDesc.empty() || results.MacroCat.empty();
}

}  // namespace

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\0'; }

std::size_t BlankPrefixLength(std::string_view line) {
    std::size_t start = 0;
    while (start < line.size() && IsBlank(line[start])) ++start;
    return start;
}

std::string TrimLeadingBlanks(std::string_view line) { return std::string(line.substr(BlankPrefixLength(line))); }

std::string StatementText(std::string_view line) {
    std::string_view text = line.substr(0, line.find("//"));
    text.remove_prefix(BlankPrefixLength(text));
    std::string statement;
    statement.reserve(text.size() + 1);
    statement.append(text).push_back(' ');
    return statement;
}

int CountChar(char c, std::string_view text) {
    int count = 0;
    for (char each : text) count += each == c;
    return count;
}

std::optional<double> ParseMacroNumber(std::string_view text) {
    std::size_t pos = !text.empty() && (text[0] == '+' || text[0] == '-') ? 1 : 0;
    const std::size_t digitsStart = pos;
    pos = SkipDigits(text, pos);
    std::size_t digits = pos - digitsStart;
    if (pos < text.size() && text[pos] == '.') {
        const std::size_t fractionStart = ++pos;
        pos = SkipDigits(text, pos);
        digits += pos - fractionStart;
    }
    if (digits == 0) return std::nullopt;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        ++pos;
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) ++pos;
        const std::size_t exponentStart = pos;
        pos = SkipDigits(text, pos);
        if (pos == exponentStart) return std::nullopt;
    }
    if (pos != text.size()) return std::nullopt;
    // from_chars reads neither a leading plus nor a lone point before digits as written here.
    std::string_view plain = text[0] == '+' ? text.substr(1) : text;
    const bool negative = !plain.empty() && plain[0] == '-';
    if (negative) plain.remove_prefix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (error != std::errc() || end != plain.data() + plain.size() || !std::isfinite(value)) return std::nullopt;
    return negative ? -value : value;
}

std::string FormatMacroNumber(double value) {
    char buffer[400];
    const bool whole = value == std::trunc(value);
    const auto [end, error] = whole ? std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 0)
                                    : std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 5);
    if (error != std::errc()) return {};
    std::string text(buffer, end);
    return text == "-0" ? "0" : text;
}

std::uint8_t SubstituteVariables(Reporter& report, MacroInterpreter& interpreter, std::string& line) {
    line.erase(0, BlankPrefixLength(line));
    if (interpreter.SkippingIfBlock) return 0;
    for (int expanded = 0;; ++expanded) {
        std::size_t p = line.find('&');
        if (p == std::string::npos) return 0;
        if (expanded == kMaxReferencesPerLine) return MacroErr::InvalidVariableReference;
        while (p + 1 < line.size() && line[p + 1] == '&') ++p;
        const std::size_t q = line.find('&', p + 1);
        const std::size_t end = q == std::string::npos ? line.size() : q;
        const auto number = ParseWholeNumber(std::string_view(line).substr(p + 1, end - p - 1));
        if (!number) return MacroErr::InvalidVariableReference;
        line.erase(p, q == std::string::npos ? std::string::npos : q + 1 - p);
        line.insert(p, GetMacroVariable(report, interpreter, static_cast<double>(*number)));
        if (line.size() > kMaxSubstitutedLineLength) line.resize(kMaxSubstitutedLineLength);
    }
}

std::uint8_t ParseParameters(Reporter& report, MacroInterpreter& interpreter, const std::string& line,
                             std::string_view signature, std::size_t start, MacroParams& params) {
    if (signature.size() >= kParameterSlots) {
        params = {};
        ReportMacroError(report, interpreter, interpreter.LineNumber, MacroErr::TooManyParametersExpected);
        return 0;
    }
    return ParseParameterText(line, signature, start, params);
}

std::uint8_t ParseParameterText(std::string_view text, std::string_view signature, std::size_t start,
                                MacroParams& params) {
    for (TMacroParam& param : params) {
        param.Text.clear();
        param.Held.clear();
        param.Value = 0;
    }
    text.remove_prefix(std::min(start, text.size()));
    std::string line;
    line.reserve(text.size() + 1);
    line.append(text).push_back(' ');
    std::size_t pos = 0;
    for (std::size_t slot = 0; slot < signature.size(); ++slot) {
        while (pos < line.size() && IsBlank(line[pos])) ++pos;
        TMacroParam& param = params[slot];
        if (signature[slot] == 'N') {
            const std::size_t end = std::min(line.find(' ', pos), line.size());
            param.Text = line.substr(pos, end - pos);
            pos = std::min(end + 1, line.size());
            const auto value = ParseMacroNumber(param.Text);
            if (!value) return MacroErr::WrongType;
            param.Value = *value;
            continue;
        }
        if (pos >= line.size()) continue;
        if (line[pos] != '"') return MacroErr::WrongType;
        const std::size_t close = line.find('"', pos + 1);
        if (close == std::string::npos) return MacroErr::TooFewParameters;
        param.Held = line.substr(pos + 1, close - pos - 1);
        param.Text = RestoreTypedText(param.Held);
        pos = close + 1;
    }
    return 0;
}

std::uint8_t ParseQuakeCommand(const std::string& line, std::size_t start, std::string& command) {
    const std::string text = line.substr(std::min(start, line.size()), kMaxSubstitutedLineLength);
    if (text.empty()) return MacroErr::TooFewParameters;
    const std::size_t last = text.rfind('"');
    if (text[0] != '"' || last == 0 || last == std::string::npos) return MacroErr::WrongType;
    command = RestoreTypedText(text.substr(1, last - 1));
    return 0;
}

std::uint8_t ReadMacroLines(const MacroRun& run) {
    MacroInterpreter& state = run.interpreter;
    std::uint8_t result = 0;
    for (int read = 0; !state.file.AtEnd(); ++read) {
        if (read == kMaxLinesPerReading) return MacroErr::TooManyStatements;
        ++state.LineNumber;
        std::string line = state.file.ReadLine();
        if (const std::uint8_t code = SubstituteVariables(run.report, state, line); code != 0)
            ReportMacroError(run.report, state, state.LineNumber, code);
        result = ExecuteMacroLine(run, line);
        if (result == MacroErr::InterruptedForInput) return result;
        if (result != 0) ReportMacroError(run.report, state, state.LineNumber, result);
    }
    if (state.IfDepth > -1 || state.SearchingLabel) result = MacroErr::UnexpectedEndOfFile;
    if (DescriptionMissing(run.results)) result = MacroErr::NoMacroDescription;
    return result;
}

}  // namespace korvex
