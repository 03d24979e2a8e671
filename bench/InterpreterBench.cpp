// The macro interpreter on a long macro with a loop at its top, in statements per second,
// against reading the macro file's lines.
#include <fstream>

#include "BenchData.h"
#include "BenchPlan.h"

#include "app/AppMacroRun.h"
#include "macros/MacroInterpreter.h"

namespace korvex::bench {
namespace {

int LoopPasses(int lines) { return lines / 12; }

// The statements carried out: every line once, the loop's three lines again on each further
// pass. The lines a jump passes while it searches its label are not counted.
double StatementsOf(int lines) { return lines + 3.0 * (LoopPasses(lines) - 1); }

// Lines 1-11: the descriptions, the variables and the loop, whose jump searches lines 1-8
// again on every pass; then blocks of arithmetic, text and IF blocks, one pass each.
std::vector<std::string> LongMacro(int lines) {
    std::vector<std::string> text{"MACRO_DESC \"Long macro\"", "MACRO_DETAILDESC \"Arithmetic, text and blocks\"",
                                  "MACRO_CAT \"Benchmarks\"", "ASSIGN \"0\" 1", "ASSIGN \"1\" 9",
                                  "ASSIGN \"2.5\" 2", "ASSIGN \"bench\" 5", "LABEL \"loop\"", "ADD 1 9 1",
                                  "CONCAT 5 9 6",
                                  "GOTOIF \"loop\" \"&1&\" \"<>\" \"" + std::to_string(LoopPasses(lines)) + "\""};
    const std::vector<std::string> block{"ADD 1 2 3",      "MULT 3 2 4",     "DIV 4 9 7",
                                         "CONCAT 5 9 6",   "ASSIGN \"text &3&\" 5",
                                         "IF \"&1&\" \"<>\" \"10\"", "REAL2INT 4 8", "FI",
                                         "IF \"a\" \"=\" \"b\"",  "ADD 1 1 8",      "FI"};
    while (text.size() + block.size() <= static_cast<std::size_t>(lines)) text.insert(text.end(), block.begin(), block.end());
    while (text.size() < static_cast<std::size_t>(lines)) text.push_back("ASSIGN \"bench\" 5");
    return text;
}

struct InterpreterData {
    explicit InterpreterData(int lines) { dir.WriteLines("macros/LONG.MAC", LongMacro(lines)); }
    std::string path() const { return dir.Path("macros/LONG.MAC"); }
    ProgramDirFixture dir;
};

}  // namespace

void AddInterpreterScenario(BenchPlan& plan) {
    Scenario s;
    s.name = "macro interpreter, a loop at the top";
    s.baselineName = "reading the macro's lines";
    s.sizeUnit = "lines";
    s.sizes = {500, 5000};
    s.targetSize = 5000;
    s.minStatementsPerSecond = 2e6;
    s.statementsPerRun = StatementsOf;
    s.measure = [](int lines) {
        Lazy<InterpreterData> data([lines] { return std::make_unique<InterpreterData>(lines); });
        Measurements m;
        m.prepare = [data] { *data; };
        m.figure = [data](benchmark::State& state) {
            BenchApp bench(data->dir);
            bench.app.currentPlayerName = "Player";
            bench.app.currentPlayerDir = data->dir.Path("players/Player");
            for (auto _ : state) RunMacro(MacroRunOf(bench.app), data->path(), false);
            NoErrors(state, bench.host);
        };
        m.baseline = [data](benchmark::State& state) {
            for (auto _ : state) {
                std::ifstream in(data->path(), std::ios::binary);
                std::size_t count = 0;
                for (std::string line; std::getline(in, line);) count += line.size();
                benchmark::DoNotOptimize(count);
            }
        };
        return m;
    };
    plan.scenarios.push_back(std::move(s));
}

}  // namespace korvex::bench
