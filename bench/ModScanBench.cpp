// The complete MOD scan of a generated game tree against a plain recursive listing of it.
// Every MOD directory holds large pak files; the detection files test sizes and texts in them.
#include <filesystem>
#include <fstream>

#include "BenchData.h"
#include "BenchPlan.h"

#include "mods/ModIdentification.h"

namespace korvex::bench {
namespace fs = std::filesystem;
namespace {

constexpr int kFilesPerMod = 100;
constexpr int kTopLevelFiles = 20;  // the rest lie in maps/ and sound/
constexpr int kDetectionFiles = 20;
constexpr std::uintmax_t kPakSize = 64 * 1024 * 1024;  // sparse: large to the scan, small on disk
constexpr std::uintmax_t kMarkerOffset = 20000;

std::string DetectionMarker(int kind) { return "bench mod " + std::to_string(kind) + " data"; }
std::uintmax_t GameLibrarySize(int kind) { return 100000 + static_cast<std::uintmax_t>(kind); }

void WriteFile(const fs::path& path, const std::string& content) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << content;
}

// A pak file with its header at the start and the MOD's marker text inside the searched part.
void WritePak(const fs::path& path, const std::string& marker) {
    WriteFile(path, "PACK");
    std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
    file.seekp(static_cast<std::streamoff>(kMarkerOffset));
    file << marker;
    file.close();
    fs::resize_file(path, kPakSize);
}

// MOD directory index is of kind index % kDetectionFiles; every third one is unknown.
void WriteModDirectory(const fs::path& directory, int index) {
    const int kind = index % kDetectionFiles;
    const bool known = index % 3 != 0;
    WritePak(directory / "pak0.pak", known ? DetectionMarker(kind) : "an unknown MOD");
    WritePak(directory / "pak1.pak", "more maps");
    WriteFile(directory / "gamex86.dll", std::string(GameLibrarySize(kind), 'g'));
    WriteFile(directory / "readme.txt", "A generated MOD for the benchmarks.\n");
    WriteFile(directory / "mod.cfg", "set deathmatch 1\n");
    for (int f = 5; f < kTopLevelFiles; ++f) WriteFile(directory / ("extra" + std::to_string(f) + ".dat"), "data");
    for (int f = kTopLevelFiles; f < kFilesPerMod; ++f)
        WriteFile(directory / (f % 2 ? "maps" : "sound") / ("item" + std::to_string(f) + (f % 2 ? ".bsp" : ".wav")),
                  "IBSP");
}

// "Bench MOD <kind>": its usual directory, then a size test, a header test and a text test.
void WriteDetectionFile(const ProgramDirFixture& dir, int kind) {
    dir.WriteLines("automod/Bench MOD " + std::to_string(kind),
                   {"bmod" + std::to_string(kind), "gamex86.dll=" + std::to_string(GameLibrarySize(kind)),
                    "pak0.pak#PACK", "pak0.pak#" + DetectionMarker(kind)});
}

struct ScanData {
    explicit ScanData(int mods) {
        for (int m = 0; m < mods; ++m) WriteModDirectory(fs::path(tree()) / ("bmod" + std::to_string(m)), m);
        for (int kind = 0; kind < kDetectionFiles; ++kind) WriteDetectionFile(dir, kind);
    }
    std::string tree() const { return dir.root() + "/scan-quake2"; }
    ProgramDirFixture dir;
};

std::size_t ListRecursively(const std::string& root) {
    std::size_t names = 0;
    for (const auto& entry : fs::recursive_directory_iterator(root)) names += entry.path().filename().string().size();
    return names;
}

}  // namespace

void AddModScanScenario(BenchPlan& plan) {
    Scenario s;
    s.name = "complete MOD scan, 100 files and two 64 MiB paks a MOD, 20 detection files";
    s.baselineName = "plain recursive listing";
    s.sizeUnit = "MOD directories";
    s.sizes = {20, 200};
    s.targetSize = 200;
    s.maxRatio = 2;
    s.measure = [](int mods) {
        Lazy<ScanData> data([mods] { return std::make_unique<ScanData>(mods); });
        Measurements m;
        m.prepare = [data] { *data; };
        m.figure = [data, mods](benchmark::State& state) {
            BenchApp bench(data->dir);
            bench.app.paths.quakeDir = data->tree();
            for (auto _ : state) RunCompleteModScan(bench.app, false);
            // Every third directory is unknown and gets no entry.
            if (bench.app.modTree.mods.size() != static_cast<std::size_t>(mods - (mods + 2) / 3))
                state.SkipWithError("the scan found other MODs than there are");
            NoErrors(state, bench.host);
        };
        m.baseline = [data](benchmark::State& state) {
            for (auto _ : state) benchmark::DoNotOptimize(ListRecursively(data->tree()));
        };
        return m;
    };
    plan.scenarios.push_back(std::move(s));
}

}  // namespace korvex::bench
