#include "compiler/HotkeyScripts.h"

#include <algorithm>

#include "app/Reporter.h"
#include "compiler/BindingLines.h"
#include "compiler/CompileJob.h"
#include "compiler/ConfigFiles.h"
#include "platform/ListLookup.h"
#include "platform/Path.h"
#include "platform/Text.h"
#include "platform/TextFile.h"

namespace korvex {
namespace {

// A merged command with "+" actions runs through "+bk_<key>", whose release runs their "-" forms.
void WriteMergedBinding(const CompileJob& job, ScriptFile& shared, const std::string& line) {
    const std::string rest = line.substr(std::min<std::size_t>(5, line.size()));
    if (!IsBindingLine(line) || rest.find('+') == std::string::npos || rest.find(';') == std::string::npos) {
        WriteConfigLine(job, shared, line, false);
        return;
    }
    const std::string key = BindingKeyOf(line);
    WriteConfigLine(job, shared, "BIND " + key + " +bk_" + key, false);
    WriteConfigLine(job, shared, "alias +bk_" + rest, false);
    WriteConfigLine(job, shared, "alias -bk_" + key + " \"" + ReleaseListOf(rest) + "\"", false);
}

// What a chord key does again when its modifier is released: its ordinary bindings, or nothing.
std::string RestoreLineOf(const BindingPass& pass, const std::string& key, const std::string& modifier) {
    std::string restore;
    const std::string trigger = UpperCaseAscii("+hk_" + modifier);
    for (const ScriptFile& script : pass.categoryScripts) {
        for (const std::string& line : script.Lines()) {
            if (!IsBindingLine(line) || BindingKeyOf(line) != key) continue;
            const std::string command = QuotedCommandOf(line);
            if (UpperCaseAscii(command).find(trigger) != std::string::npos) continue;
            if (restore.empty()) restore = "BIND " + key + " \"" + command + "\"";
            else if (restore.find(command) == std::string::npos) AppendCommand(restore, command);
        }
    }
    return restore.empty() ? "UNBIND " + key : restore;
}

class HotkeyWriter {
public:
    HotkeyWriter(Reporter& report, const CompileJob& job, const BindingPass& pass)
        : report_(report), job_(job), pass_(pass) {}

    MessageCode Run() {
        ScriptFile shared(JoinPath(job_.outputDir, "Shared Bindings and Hotkeys.CFG"));
        for (const std::string& line : MergedBindingLines(pass_.categoryScripts, pass_.repeatedKeys))
            WriteMergedBinding(job_, shared, line);

        std::vector<std::string> chords = pass_.chords;
        while (!chords.empty()) {
            const std::string modifier = ChordModifierOf(chords.front());
            std::vector<ChordAlias> aliases = ChordAliasesOf(chords, modifier);
            for (ChordAlias& alias : aliases) alias.name = "hk_" + modifier + std::to_string(++chordCount_);
            std::erase_if(chords, [&](const std::string& chord) { return ChordModifierOf(chord) == modifier; });
            WriteConfigLine(job_, shared, "alias +hk_" + modifier + " \"exec ../korvex/p_hk_" + modifier + ".cfg\"", false);
            WriteConfigLine(job_, shared, "alias -hk_" + modifier + " \"exec ../korvex/m_hk_" + modifier + ".cfg\"", false);
            if (!WriteModifierScripts(modifier, aliases)) return Err::CouldntCreateFile;
        }
        return SaveScript(report_, job_, shared) && SaveScript(report_, job_, init_) ? 0 : Err::CouldntCreateFile;
    }

private:
    bool WriteModifierScripts(const std::string& modifier, const std::vector<ChordAlias>& aliases) {
        ScriptFile press(JoinPath(job_.outputDir, "p_hk_" + modifier + ".cfg"));
        ScriptFile release(JoinPath(job_.outputDir, "m_hk_" + modifier + ".cfg"));
        for (const ChordAlias& alias : aliases) {
            const std::string pressAlias = "alias +" + alias.name + " \"" + alias.command + "\"";
            WriteConfigLine(job_, press, "BIND " + alias.key + " \"+" + alias.name + "\"", false);
            WriteConfigLine(job_, press, pressAlias, false);
            WriteConfigLine(job_, press, "alias -" + alias.name + " \"" + ReleaseListOf(pressAlias) + "\"", false);
            WriteConfigLine(job_, release, "-" + alias.name, false);
            init_.Add("alias -" + alias.name + " \"\"");
        }
        for (const ChordAlias& alias : aliases)
            WriteConfigLine(job_, release, RestoreLineOf(pass_, alias.key, modifier), false);
        for (const ChordAlias& alias : aliases) {
            WriteConfigLine(job_, release, "alias +" + alias.name + " \"\"", false);
            WriteConfigLine(job_, release, "alias -" + alias.name + " \"\"", false);
        }
        // A modifier with a path separator in its name cannot name a script of the output directory.
        if (RelativeTo(press.Path(), job_.outputDir) != FileName(press.Path())) {
            report_.ShowError(Err::CouldntCreateFile, press.Path());
            return false;
        }
        return SaveScript(report_, job_, press) && SaveScript(report_, job_, release);
    }

    Reporter& report_;
    const CompileJob& job_;
    const BindingPass& pass_;
    int chordCount_ = 0;
    ScriptFile init_{JoinPath(job_.outputDir, "Initialize Hotkeys.CFG")};
};

}  // namespace

std::vector<std::string> MergedBindingLines(const std::vector<ScriptFile>& scripts, const std::vector<std::string>& keys) {
    std::vector<std::string> mergedKeys;
    std::vector<std::string> lines;
    for (const ScriptFile& script : scripts) {
        for (const std::string& line : script.Lines()) {
            const std::string key = BindingKeyOf(line);
            if (key == line || !ContainsIgnoringCase(keys, key)) continue;
            const int known = IndexIgnoringCase(mergedKeys, key);
            if (known < 0) {
                mergedKeys.push_back(key);
                lines.push_back(line);
                continue;
            }
            std::string& merged = lines[known];
            if (merged.find(QuotedCommandOf(line)) != std::string::npos) continue;
            std::string command = line.substr(line.find('"') + 1);
            if (!command.empty() && command.back() == '"') command.pop_back();
            AppendCommand(merged, command);
        }
    }
    return lines;
}

std::vector<ChordAlias> ChordAliasesOf(const std::vector<std::string>& chords, const std::string& modifier) {
    std::vector<ChordAlias> aliases;
    for (const std::string& chord : chords) {
        if (ChordModifierOf(chord) != modifier) continue;
        const std::string key = ChordKeyOf(chord);
        const std::string command = QuotedCommandOf(chord);
        const auto same = std::find_if(aliases.begin(), aliases.end(),
                                       [&](const ChordAlias& alias) { return EqualsIgnoringCase(alias.key, key); });
        if (same != aliases.end()) same->command += "; " + command;
        else aliases.push_back({key, command, {}});
    }
    return aliases;
}

MessageCode WriteSharedAndHotkeyScripts(Reporter& report, const CompileJob& job, const BindingPass& pass) {
    return HotkeyWriter(report, job, pass).Run();
}

}  // namespace korvex
