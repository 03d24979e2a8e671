// A temporary program directory in which a test writes macro files and runs them.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/AppMacroRun.h"
#include "app/Korvex.h"
#include "app/Messages.h"
#include "macros/MacroErrors.h"
#include "macros/MacroInterpreter.h"
#include "support/ProgramDirFixture.h"

namespace korvex {

inline const std::vector<std::string> kDescriptions = {
    "MACRO_DESC \"Test\"", "MACRO_DETAILDESC \"A test macro\"", "MACRO_CAT \"Tests\""};

class MacroTest : public ::testing::Test {
protected:
    MacroTest() {
        app().currentPlayerName = "Player";
        app().currentPlayerDir = dir.Path("players/Player");
    }

    Korvex& app() { return dir.app(); }
    MacroRun run() { return MacroRunOf(app()); }
    FakeHost& host() { return dir.host(); }
    std::string PathOf(const std::string& name) { return dir.Path("macros/" + name); }

    // Writes T.MAC with the three descriptions first, then body, and runs it.
    void Run(const std::vector<std::string>& body, bool descriptionsOnly = false) {
        std::vector<std::string> lines = kDescriptions;
        lines.insert(lines.end(), body.begin(), body.end());
        RunLines(lines, descriptionsOnly);
    }
    void RunLines(const std::vector<std::string>& lines, bool descriptionsOnly = false) {
        dir.WriteLines("macros/T.MAC", lines);
        RunMacro(run(), PathOf("T.MAC"), descriptionsOnly);
    }

    // The text of a macro-language error of T.MAC.
    std::string Error(std::uint8_t code, int line) {
        return ComposeMacroLanguageError(line, PathOf("T.MAC"), MacroErrorText(code));
    }
    std::vector<std::string> Boxes() { return host().BoxTexts(); }

    // Runs each body in turn and expects exactly its macro-language errors, in order, and
    // its commands; a run without errors closes every block it opened. Variables carry over
    // from one body to the next, as between two macros.
    struct Fault {
        std::uint8_t code;
        int line;
    };
    struct RunCase {
        std::vector<std::string> body;
        std::vector<Fault> faults;
        std::vector<std::string> commands = {};
    };
    void ExpectRuns(const std::vector<RunCase>& cases) {
        for (const RunCase& c : cases) {
            host().boxes.clear();
            Run(c.body);
            std::vector<std::string> expected;
            for (const Fault& fault : c.faults) expected.push_back(Error(fault.code, fault.line));
            EXPECT_EQ(Boxes(), expected) << c.body[0];
            EXPECT_EQ(Commands(), c.commands) << c.body[0];
            if (c.faults.empty()) {
                EXPECT_EQ(app().interpreter.IfDepth, -1) << c.body[0];
            }
        }
    }
    std::vector<std::string> Commands() {
        const TMacroResults& r = app().macroResults;
        return {r.Commands.begin(), r.Commands.begin() + (r.LastCommand + 1)};
    }
    std::string& Variable(int n) { return app().interpreter.MacroVariables[n]; }

    ProgramDirFixture dir;
};

}  // namespace korvex
