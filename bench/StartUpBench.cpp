// Start-up loading: a fresh application object through every loading step, against reading
// the bytes of the macros, MOD entries and Player-CFGs it loads from.
#include "BenchData.h"
#include "BenchPlan.h"

#include "app/StartUp.h"
#include "mods/ModEntry.h"
#include "mods/ModTree.h"
#include "platform/Path.h"
#include "platform/Text.h"

namespace korvex::bench {
namespace {

constexpr int kMacros = 500;
constexpr int kPlayers = 50;
constexpr int kMacrosPerPlayer = 10;

struct StartUpData {
    ProgramDirFixture dir;
    int mods = 0;
};

std::unique_ptr<StartUpData> MakeStartUpData(int mods) {
    auto data = std::make_unique<StartUpData>();
    ProgramDirFixture& dir = data->dir;
    data->mods = mods;
    dir.Remove("macros");
    std::vector<TestMacro> macros;
    for (int i = 0; i < kMacros; ++i) {
        macros.push_back(BenchMacro(i));
        WriteCatalogueMacro(dir, macros.back());
    }
    for (int p = 0; p < kPlayers; ++p) {
        const auto first = macros.begin() + p * kMacrosPerPlayer;
        WritePlayer(dir, "Bench player " + std::to_string(p), {first, first + kMacrosPerPlayer});
    }
    for (int m = 0; m < mods; ++m) {
        const std::string directory = "BMOD" + std::to_string(m);
        ModEntry entry;
        entry.treeText = ModTreeText("Bench MOD " + std::to_string(m), directory);
        entry.playerCfgs = {"Bench player " + std::to_string(m % kPlayers), "Player"};
        entry.configLines = {"set deathmatch 1", "set fraglimit 20"};
        WriteModEntry(JoinPath(dir.app().paths.mods, LowerCaseAscii(directory)), entry);
    }
    return data;
}

}  // namespace

void AddStartUpScenario(BenchPlan& plan) {
    Scenario s;
    s.name = "start-up loading, 500 macros, 50 Player-CFGs";
    s.baselineName = "reading the files' bytes";
    s.sizeUnit = "MODs";
    s.sizes = {200, 2000};
    s.targetSize = 200;
    s.maxRatio = 3;
    s.maxMilliseconds = 100;
    s.measure = [](int mods) {
        Lazy<StartUpData> data([mods] { return MakeStartUpData(mods); });
        Measurements m;
        m.prepare = [data] { *data; };
        m.figure = [data](benchmark::State& state) {
            for (auto _ : state) {
                BenchApp bench(data->dir);
                StartUp(bench.app);
                if (!NoErrors(state, bench.host)) return;
                if (bench.app.modTree.mods.size() != static_cast<std::size_t>(data->mods) ||
                    bench.app.macroCatalogue.entries.size() != kMacros)
                    return state.SkipWithError("start-up loaded less than there is");
            }
        };
        m.baseline = [data](benchmark::State& state) {
            const ProgramPaths& dirs = data->dir.app().paths;
            for (auto _ : state)
                benchmark::DoNotOptimize(ReadFiles(FilesBelow({dirs.macros, dirs.mods, dirs.players})));
        };
        return m;
    };
    plan.scenarios.push_back(std::move(s));
}

}  // namespace korvex::bench
