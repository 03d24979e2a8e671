// A generated Quake II script, collected in memory and written in one piece when it is
// complete, so that a failed compile never leaves half a script behind.
#pragma once

#include <string>
#include <unordered_set>
#include <vector>

namespace korvex {

struct Korvex;
struct Reporter;
struct CompileJob;

class ScriptFile {
public:
    explicit ScriptFile(std::string path) : path_(std::move(path)) {}

    const std::string& Path() const { return path_; }
    const std::vector<std::string>& Lines() const { return lines_; }
    void Add(const std::string& line);
    // Whether an equal line (letter case ignored) was written already.
    bool Contains(const std::string& line) const;
    // Writes the file as WriteGeneratedScript does.
    bool Save(Reporter& report) const;

private:
    std::string path_;
    std::vector<std::string> lines_;
    std::unordered_set<std::string> upperCaseLines_;
};

// Writes a script with the mark that tells Korvex's scripts from others as its first line;
// a failure is reported with message 22 and the path.
bool WriteGeneratedScript(Reporter& report, const std::string& path, const std::vector<std::string>& lines);

// Writes the script, unless the compile only maps the keys.
bool SaveScript(Reporter& report, const CompileJob& job, const ScriptFile& script);

// Expands the option placeholders and "BINDS", then adds the line; with onlyIfNew only
// when the script does not hold it yet.
void WriteConfigLine(const CompileJob& job, ScriptFile& file, const std::string& line, bool onlyIfNew);
std::string ExpandConfigLine(const CompileJob& job, std::string line);

}  // namespace korvex
