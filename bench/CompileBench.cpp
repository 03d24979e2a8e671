// Compiling a Player-CFG at the end of a chain of five ancestors, against copying the files the
// compile reads; once through the core, once as the korvex-cli process.
#include <chrono>
#include <cstdlib>
#include <filesystem>

#include "BenchData.h"
#include "BenchPlan.h"

#include "compiler/ConfigCompiler.h"
#include "macros/MacroCatalogue.h"

namespace korvex::bench {
namespace {
namespace fs = std::filesystem;

constexpr int kAncestors = 5;
constexpr int kMacrosPerAncestor = 2;
const std::string kPlayer = "Bench player";

std::string AncestorName(int index) { return "Bench ancestor " + std::to_string(index); }

// special.dat of a Player-CFG that takes everything from ancestor.
std::vector<std::string> InheritingEverything(const std::string& ancestor) {
    return {"TRUE", ancestor, "TRUE", "TRUE", "TRUE", "TRUE", "TRUE", "TRUE", "TRUE", "FALSE", "0"};
}

// macros counts every macro the compile includes: the Player-CFG's own and its ancestors'.
struct CompileData {
    explicit CompileData(int macros) {
        dir.Remove("macros");
        std::vector<TestMacro> all;
        for (int i = 0; i < macros; ++i) {
            all.push_back(BenchMacro(i));
            WriteCatalogueMacro(dir, all.back());
            inputs.push_back(dir.Path("macros/" + all.back().file));
        }
        auto next = all.begin();
        for (int a = 0; a < kAncestors; ++a, next += kMacrosPerAncestor) {
            const bool last = a + 1 == kAncestors;
            WritePlayer(dir, AncestorName(a), {next, next + kMacrosPerAncestor}, CompleteOptionLines(),
                        last ? std::vector<std::string>{"FALSE", "Player to inherit settings from", "FALSE", "FALSE",
                                                        "FALSE", "FALSE", "FALSE", "FALSE", "FALSE", "FALSE", "0"}
                             : InheritingEverything(AncestorName(a + 1)));
        }
        WritePlayer(dir, kPlayer, {next, all.end()}, CompleteOptionLines(), InheritingEverything(AncestorName(0)));
        for (const std::string& file : FilesBelow({dir.Path("players/" + kPlayer)})) inputs.push_back(file);
        for (int a = 0; a < kAncestors; ++a)
            for (const std::string& file : FilesBelow({dir.Path("players/" + AncestorName(a))})) inputs.push_back(file);
        fs::create_directories(copies());
    }
    std::string output() const { return dir.root() + "/out"; }
    std::string copies() const { return dir.root() + "/copies"; }

    ProgramDirFixture dir;
    std::vector<std::string> inputs;  // every file the compile reads
};

void CopyInputs(const CompileData& data) {
    int index = 0;
    for (const std::string& file : data.inputs)
        fs::copy_file(file, data.copies() + "/" + std::to_string(index++), fs::copy_options::overwrite_existing);
}

Measurement CopyingInputs(const Lazy<CompileData>& data) {
    return [data](benchmark::State& state) {
        for (auto _ : state) CopyInputs(*data);
    };
}

Scenario CompileScenario(const std::string& name, std::vector<int> sizes) {
    Scenario s;
    s.name = name;
    s.baselineName = "copying the input files";
    s.sizeUnit = "macros";
    s.sizes = std::move(sizes);
    s.targetSize = 100;
    return s;
}

}  // namespace

void AddCompileScenario(BenchPlan& plan) {
    Scenario core = CompileScenario("compile, 3 key requests a macro, 5 ancestors", {50, 100, 500});
    core.maxRatio = 2;
    core.linear = true;
    core.measure = [](int macros) {
        Lazy<CompileData> data([macros] { return std::make_unique<CompileData>(macros); });
        Measurements m;
        m.prepare = [data] { *data; };
        m.figure = [data](benchmark::State& state) {
            BenchApp bench(data->dir);
            LoadMacroCatalogue(bench.app.report, bench.app.macroCatalogue, bench.app.macroLists,
                               bench.app.paths.macros);
            for (auto _ : state) {
                if (!CompileStoredPlayer(bench.app, kPlayer, data->output(), false))
                    return state.SkipWithError(("the compile failed: " + bench.host.lastError).c_str());
            }
            NoErrors(state, bench.host);
        };
        m.baseline = CopyingInputs(data);
        return m;
    };
    plan.scenarios.push_back(std::move(core));

    // The whole korvex-cli process: program start, options, macro catalogue, compile. With --yes
    // it leaves out the keys that macros share.
    Scenario cli = CompileScenario("korvex-cli compile (whole process)", {100, 500});
    cli.iterations = 5;
    cli.measure = [](int macros) {
        Lazy<CompileData> data([macros] { return std::make_unique<CompileData>(macros); });
        Measurements m;
        m.prepare = [data] { *data; };
        m.figure = [data](benchmark::State& state) {
            const std::string command = std::string("'") + KORVEX_CLI + "' --program-dir '" + data->dir.programDir() +
                                        "' --yes compile '" + kPlayer + "' '" + data->output() + "-cli' >/dev/null 2>&1";
            for (auto _ : state)
                if (std::system(command.c_str()) != 0) return state.SkipWithError("korvex-cli compile failed");
        };
        m.baseline = CopyingInputs(data);
        return m;
    };
    plan.scenarios.push_back(std::move(cli));
}

}  // namespace korvex::bench
