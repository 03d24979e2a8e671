#include "compiler/InheritanceResolution.h"

#include <algorithm>

#include "app/Messages.h"
#include "app/ProgramPaths.h"
#include "app/Reporter.h"
#include "compiler/CompileInputs.h"
#include "compiler/CompileJob.h"
#include "compiler/OptionControls.h"
#include "platform/FileSystem.h"
#include "platform/ListLookup.h"
#include "platform/Path.h"
#include "platform/Text.h"
#include "players/PlayerCfg.h"
#include "players/PlayerDataFiles.h"
#include "players/PlayerDirs.h"

namespace korvex {
namespace {

class InheritanceResolver {
public:
    InheritanceResolver(Reporter& report, const ProgramPaths& paths, CompileJob& job)
        : report_(report), paths_(paths), job_(job), visited_{job.playerName} {}

    bool Resolve(const std::string& ancestor) {
        const std::string dir = JoinPath(paths_.players, ancestor);
        if (!StaysInPlayersDir(ancestor) || !DirectoryExists(dir))
            return Error(Err::NoPlayerToInheritFrom, "Inherit although checked");
        // The chain was checked when it was chosen; the disk may have changed since.
        if (ContainsIgnoringCase(visited_, ancestor)) return Error(Err::InheritsAlthoughChecked, ancestor);
        visited_.push_back(ancestor);
        return TakeOptions(dir, ancestor) && TakeBindings(dir, ancestor) && FollowChain(dir, ancestor);
    }

private:
    bool Error(MessageCode code, const std::string& detail) {
        if (!job_.quiet) report_.ShowError(code, detail);
        return false;
    }

    bool Fatal(MessageCode code, const std::string& detail) {
        if (!job_.quiet) report_.FatalError(code, detail);
        return false;
    }

    bool TakeOptions(const std::string& dir, const std::string& ancestor) {
        const auto options = ReadOptionsFile(JoinPath(dir, "options.dat"));
        if (!options) return Fatal(Err::OptionsFileNotFound, ancestor);
        for (int line = 0; line < kOptionCount; ++line) {
            if (!job_.Inherits(InheritedGroup(static_cast<Option>(line)))) continue;
            job_.player.options[line] = options->values[line];
            job_.optionSources[line] = ancestor;
        }
        return options->complete || Fatal(Err::EndOfFileNotReached, "Inherit Options");
    }

    bool TakeBindings(const std::string& dir, const std::string& ancestor) {
        if (!job_.Inherits(InheritPart::KeyBindings)) return true;
        const auto bindings = ReadBindingsFile(JoinPath(dir, "bindings.dat"));
        if (!bindings) return Fatal(Err::BindingsFileNotFound, ancestor);
        for (const BindingsEntry& entry : bindings->entries)
            if (!TakeMacro(entry, dir, ancestor)) return false;
        return bindings->complete || Fatal(Err::EndOfFileNotReached, "Inherit Bindings");
    }

    bool TakeMacro(const BindingsEntry& entry, const std::string& dir, const std::string& ancestor) {
        const std::string& file = entry.fileName;
        const std::string outFile = file + ".out";
        std::vector<KeyEntry> entries = CollectKeyEntries(report_, ancestor, JoinPath(dir, outFile));
        const std::string description = MacroDescOf(report_, paths_, file);
        if (report_.shuttingDown || !AddMacroEntry(description, ancestor)) return false;

        bool leftOut = false;
        if (job_.warnSharedKeysByInheritance) {
            const auto conflicts = FindKeyConflicts(entries, job_.keyEntries, ancestor, job_.warnSharedKeysWithinCfg);
            if (!conflicts.empty()) {
                const Button answer =
                    AskSharedKeys(report_, "Because of the inheritance process two macros share the same keys:\n\n",
                                  conflicts, ancestor);
                if (answer == Button::Yes) entries.clear();
                leftOut = answer == Button::Yes;
                if (answer == Button::Cancel) {
                    job_.keyEntries.insert(job_.keyEntries.end(), entries.begin(), entries.end());
                    return false;
                }
            }
        }
        job_.keyEntries.insert(job_.keyEntries.end(), entries.begin(), entries.end());

        if (!AddAncestorMacro(entry.description, ancestor)) return false;
        if (leftOut || IsTaken(outFile)) return true;
        InsertOutFile(job_, WithTrailingSeparator(dir), outFile, {entry.description, ancestor});
        AddCategory(job_, entry.category);
        return true;
    }

    bool AddMacroEntry(const std::string& description, const std::string& ancestor) {
        const auto twice = std::find_if(job_.macroEntries.begin(), job_.macroEntries.end(),
                                        [&](const MacroEntry& entry) { return entry.description == description; });
        if (twice == job_.macroEntries.end()) {
            job_.macroEntries.push_back({description, ancestor});
            return true;
        }
        report_.host.ShowMessage(Icon::Error,
                                 "You cannot add the macro " + description +
                                     " twice. This is not allowed neither within a single player-cfg nor through a "
                                     "series of inheritance. The conflicting player-cfgs are " +
                                     twice->player + " and " + ancestor + ".",
                                 Buttons::Cancel);
        return false;
    }

    bool AddAncestorMacro(const std::string& description, const std::string& ancestor) {
        std::string predecessors;
        for (const MacroEntry& entry : job_.ancestorMacros)
            if (entry.description == description) predecessors += (predecessors.empty() ? "" : ", ") + entry.player;
        if (predecessors.empty()) {
            job_.ancestorMacros.push_back({description, ancestor});
            return true;
        }
        report_.ShowError(Err::MacroIncludedByPredecessor, "Macro " + description + " is included in [" + ancestor +
                                                               "] (ancestor) and  [" + predecessors +
                                                               "] (predecessor).");
        return false;
    }

    // A macro file taken from the compiled Player-CFG or a nearer ancestor is not taken again.
    bool IsTaken(const std::string& outFile) const {
        return std::any_of(job_.outFiles.begin(), job_.outFiles.end(),
                           [&](const std::string& path) { return EqualsIgnoringCase(FileName(path), outFile); });
    }

    bool FollowChain(const std::string& dir, const std::string& ancestor) {
        const auto special = ReadSpecialFile(JoinPath(dir, "special.dat"));
        if (!special) return Fatal(Err::SpecialFileNotFound, ancestor);
        bool result = true;
        if (special->special1) {
            // A group comes from further up only when every link of the chain takes it.
            for (int part = 0; part < kInheritPartCount; ++part)
                if (!special->inherit[part]) job_.inherit[part] = false;
            result = Resolve(special->inherit1);
            if (report_.shuttingDown) return false;
        }
        return (special->complete || Fatal(Err::EndOfFileNotReached, "Inherit Specials")) && result;
    }

    Reporter& report_;
    const ProgramPaths& paths_;
    CompileJob& job_;
    std::vector<std::string> visited_;
};

}  // namespace

bool ResolveInheritance(Reporter& report, const ProgramPaths& paths, CompileJob& job, const std::string& ancestorName) {
    return InheritanceResolver(report, paths, job).Resolve(ancestorName);
}

}  // namespace korvex
