#include "compiler/ScriptFile.h"

#include "app/CfgBackup.h"
#include "app/Messages.h"
#include "app/Reporter.h"
#include "compiler/CompileJob.h"
#include "compiler/OptionSettings.h"
#include "platform/Text.h"
#include "platform/TextFile.h"

namespace korvex {
namespace {

std::string WithoutQuotes(std::string text) {
    std::erase(text, '"');
    return text;
}

// Replaces every complete "$<name><factor>$" by value × factor with five decimals.
// A placeholder without its closing "$" stays as it is.
void ExpandPlaceholder(std::string& line, const std::string& name, double value) {
    std::size_t from = 0;
    for (;;) {
        const auto start = UpperCaseAscii(line).find(name, from);
        if (start == std::string::npos) return;
        const std::size_t factorStart = start + name.size();
        const auto end = line.find('$', factorStart);
        if (end == std::string::npos) return;
        const double factor = TextToFloatDef(line.substr(factorStart, end - factorStart));
        const std::string number = FixedDecimals(value * factor, 5);
        line.replace(start, end + 1 - start, number);
        from = start + number.size();
    }
}

}  // namespace

void ScriptFile::Add(const std::string& line) {
    lines_.push_back(line);
    upperCaseLines_.insert(UpperCaseAscii(line));
}

bool ScriptFile::Contains(const std::string& line) const { return upperCaseLines_.contains(UpperCaseAscii(line)); }

bool ScriptFile::Save(Reporter& report) const { return WriteGeneratedScript(report, path_, lines_); }

bool WriteGeneratedScript(Reporter& report, const std::string& path, const std::vector<std::string>& lines) {
    std::vector<std::string> marked{kGeneratedMarker};
    marked.insert(marked.end(), lines.begin(), lines.end());
    if (WriteLinesAtomically(path, marked)) return true;
    report.ShowError(Err::CouldntCreateFile, path);
    return false;
}

bool SaveScript(Reporter& report, const CompileJob& job, const ScriptFile& script) {
    return job.mapOnly || script.Save(report);
}

std::string ExpandConfigLine(const CompileJob& job, std::string line) {
    ExpandPlaceholder(line, "$MOUSEPITCH_", TextToFloatDef(WithoutQuotes(job.Text(Option::Mouse2))));
    ExpandPlaceholder(line, "$MOUSEYAW_", TextToFloatDef(WithoutQuotes(job.Text(Option::Mouse3))));
    ExpandPlaceholder(line, "$FOV_", TextToFloatDef(job.Text(Option::General5)));
    if (const auto binds = UpperCaseAscii(line).find("BINDS"); binds != std::string::npos) line.erase(binds + 4, 1);
    return line;
}

void WriteConfigLine(const CompileJob& job, ScriptFile& file, const std::string& line, bool onlyIfNew) {
    const std::string expanded = ExpandConfigLine(job, line);
    if (onlyIfNew && file.Contains(expanded)) return;
    file.Add(expanded);
}

}  // namespace korvex
