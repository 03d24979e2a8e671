// Installing a MOD from a ZIP of many files (unpacking, identification, the move into the game
// with its manifest) against bsdtar -xf of the same archive.
#include <archive.h>
#include <archive_entry.h>

#include <unistd.h>

#include <filesystem>

#include "BenchData.h"
#include "BenchPlan.h"

#include "install/ModInstallation.h"
#include "support/RunProgram.h"

namespace korvex::bench {
namespace fs = std::filesystem;
namespace {

constexpr std::size_t kFileSize = 57'500;  // 2 000 files make a MOD of 115 MB

// A stored ZIP, as large MODs of pak files are: unpacking it costs the writing, not inflating.
void WriteModZip(const std::string& path, int files) {
    archive* zip = archive_write_new();
    archive_write_set_format_zip(zip);
    archive_write_set_options(zip, "zip:compression=store");
    archive_write_open_filename(zip, path.c_str());
    std::string content(kFileSize, '\0');
    for (std::size_t i = 0; i < content.size(); ++i) content[i] = static_cast<char>((i * 7919) >> 3);
    const auto add = [zip](const std::string& name, const std::string& bytes) {
        archive_entry* entry = archive_entry_new();
        archive_entry_set_pathname(entry, name.c_str());
        archive_entry_set_filetype(entry, AE_IFREG);
        archive_entry_set_perm(entry, 0644);
        archive_entry_set_size(entry, static_cast<la_int64_t>(bytes.size()));
        archive_write_header(zip, entry);
        archive_write_data(zip, bytes.data(), bytes.size());
        archive_entry_free(entry);
    };
    add("benchmod/pak0.pak", "PACK");
    for (int f = 1; f < files; ++f) {
        content.replace(0, 8, std::to_string(10000000 + f));
        add("benchmod/" + std::string(f % 2 ? "maps/" : "") + "file" + std::to_string(f) + ".dat", content);
    }
    archive_write_close(zip);
    archive_write_free(zip);
}

struct InstallData {
    explicit InstallData(int files) {
        WriteModZip(zip(), files);
        dir.WriteLines("automod/Bench Install", {"benchmod", "pak0.pak=4"});
    }
    std::string zip() const { return dir.root() + "/benchmod.zip"; }
    std::string unpacked() const { return dir.root() + "/bsdtar"; }
    ProgramDirFixture dir;
};

// What an installation leaves goes before the next one, untimed.
void RemoveInstalled(const InstallData& data) {
    for (const std::string& path : {data.dir.quakeDir() + "/benchmod", data.dir.Path("manifests"),
                                    data.dir.Path("mods/benchmod"), data.dir.Path("temp")})
        fs::remove_all(path);
}

}  // namespace

void AddInstallScenario(BenchPlan& plan) {
    Scenario s;
    s.name = "installing a MOD from a stored ZIP, 57.5 kB a file";
    s.baselineName = "bsdtar -xf of the archive";
    s.sizeUnit = "files";
    s.sizes = {1000, 2000, 8000, 16000};
    s.targetSize = 2000;
    s.maxRatio = 1.3;
    s.linear = true;
    s.iterations = 1;
    s.measure = [](int files) {
        Lazy<InstallData> data([files] { return std::make_unique<InstallData>(files); });
        Measurements m;
        m.prepare = [data] { *data; };
        m.figure = [data, files](benchmark::State& state) {
            BenchApp bench(data->dir);
            for (auto _ : state) {
                state.PauseTiming();
                RemoveInstalled(*data);
                ::sync();
                state.ResumeTiming();
                bench.app.install.fileList = {data->zip()};
                StartInstallation(bench.app);
                bench.host.RunPosted();
            }
            const fs::recursive_directory_iterator installed(data->dir.quakeDir() + "/benchmod");
            if (std::distance(begin(installed), end(installed)) != files + 1)  // and the maps folder
                state.SkipWithError("the installation did not install every file");
            NoErrors(state, bench.host);
        };
        m.baseline = [data](benchmark::State& state) {
            const std::string command = "bsdtar -xf '" + data->zip() + "'";
            for (auto _ : state) {
                state.PauseTiming();
                fs::remove_all(data->unpacked());
                fs::create_directories(data->unpacked());
                ::sync();
                state.ResumeTiming();
                if (RunProgram(command, data->unpacked()).exitStatus != 0) state.SkipWithError("bsdtar failed");
            }
        };
        return m;
    };
    plan.scenarios.push_back(std::move(s));
}

}  // namespace korvex::bench
