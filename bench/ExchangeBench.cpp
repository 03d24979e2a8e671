// Exporting Player-CFGs into one exchange file and importing them back over themselves,
// against copying their directories.
#include <filesystem>

#include "BenchData.h"
#include "BenchPlan.h"

#include "players/ExchangeOperations.h"

namespace korvex::bench {
namespace {
namespace fs = std::filesystem;

constexpr int kMacrosPerPlayer = 20;

struct ExchangeData {
    explicit ExchangeData(int players) {
        for (int p = 0; p < players; ++p) {
            std::vector<TestMacro> macros;
            for (int i = 0; i < kMacrosPerPlayer; ++i) macros.push_back(BenchMacro(p * kMacrosPerPlayer + i));
            names.push_back("Bench player " + std::to_string(p));
            WritePlayer(dir, names.back(), macros);
        }
        fs::create_directories(copies());
    }
    std::string exchangeFile() const { return dir.root() + "/players.kxp"; }
    std::string copies() const { return dir.root() + "/copies"; }
    ProgramDirFixture dir;
    std::vector<std::string> names;
};

}  // namespace

void AddExchangeScenario(BenchPlan& plan) {
    Scenario s;
    s.name = "export and import, 20 macros a Player-CFG";
    s.baselineName = "copying their directories";
    s.sizeUnit = "Player-CFGs";
    s.sizes = {10, 50};
    s.targetSize = 50;
    s.measure = [](int players) {
        Lazy<ExchangeData> data([players] { return std::make_unique<ExchangeData>(players); });
        Measurements m;
        m.prepare = [data] { *data; };
        m.figure = [data](benchmark::State& state) {
            BenchApp bench(data->dir);
            for (auto _ : state) {
                fs::remove(data->exchangeFile());
                if (!ExportToFile(bench.app.report, bench.app.paths, data->names, data->exchangeFile()) ||
                    !ImportFromFile(bench.app, data->exchangeFile(), IndexExchangeFile(data->exchangeFile())))
                    return state.SkipWithError(("the exchange failed: " + bench.host.lastError).c_str());
            }
            NoErrors(state, bench.host);
        };
        m.baseline = [data](benchmark::State& state) {
            const std::string players = data->dir.app().paths.players;
            for (auto _ : state)
                for (const std::string& name : data->names)
                    fs::copy(players + "/" + name, data->copies() + "/" + name,
                             fs::copy_options::recursive | fs::copy_options::overwrite_existing);
        };
        return m;
    };
    plan.scenarios.push_back(std::move(s));
}

}  // namespace korvex::bench
