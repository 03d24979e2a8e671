// A temporary program directory laid out like an installed Korvex, with a sample Quake II
// tree beside it, and the application object and scripted host that work on it.
#pragma once

#include <map>
#include <string>

#include "app/Korvex.h"
#include "support/FakeHost.h"

namespace korvex {

class ProgramDirFixture {
public:
    // Lays out the delivered data, removes the first-run marker and stores the sample
    // Quake II tree as the game's location, so that start-up runs without questions.
    // The program directories are set as start-up sets them.
    ProgramDirFixture();
    ~ProgramDirFixture();
    ProgramDirFixture(const ProgramDirFixture&) = delete;
    ProgramDirFixture& operator=(const ProgramDirFixture&) = delete;

    Korvex& app() { return app_; }
    FakeHost& host() { return host_; }
    const std::string& root() const { return root_; }
    std::string programDir() const { return root_ + "/korvex/"; }
    std::string quakeDir() const { return root_ + "/quake2"; }

    // Path below the program directory.
    std::string Path(const std::string& relative) const;
    // Writes a file below the program directory; lines end with CR LF.
    void Write(const std::string& relative, const std::string& content) const;
    void WriteLines(const std::string& relative, const std::vector<std::string>& lines) const;
    // Writes macros/<file>: its description, a help text and its category, then body.
    void WriteMacro(const std::string& file, const std::string& description, const std::string& category,
                    const std::vector<std::string>& body = {}) const;
    std::string Read(const std::string& relative) const;
    bool Exists(const std::string& relative) const;
    void Remove(const std::string& relative) const;

    // Every file below the root with its content: what a test compares before and after.
    std::map<std::string, std::string> Snapshot() const;

private:
    std::string root_;
    FakeHost host_;
    Korvex app_{host_};
};

std::string ReadWholeFile(const std::string& path);
void WriteWholeFile(const std::string& path, const std::string& content);
// Takes away the owner's write permission, as a read-only file has it.
void SetReadOnly(const std::string& path);
std::string JoinLines(const std::vector<std::string>& lines);  // with CR LF after each
// The texts of the MOD tree's root nodes, in tree order.
std::vector<std::string> ModTreeTexts(const ModTree& tree);

}  // namespace korvex
