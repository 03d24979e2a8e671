#include "BenchData.h"

#include <array>
#include <filesystem>
#include <fstream>

#include "app/StartUp.h"

namespace korvex::bench {
namespace fs = std::filesystem;

Button BenchHost::ShowMessage(Icon icon, const std::string& text, Buttons buttons) {
    if (icon == Icon::Error) {
        ++errors;
        lastError = text;
    }
    return GoAheadAnswer(buttons);
}

BenchApp::BenchApp(const ProgramDirFixture& dir) {
    app.executablePath = dir.programDir() + "korvex";
    app.quakeSearchRoots = {dir.root()};
    SetProgramDirs(app.paths, dir.programDir());
    app.paths.quakeDir = dir.quakeDir();
}

bool NoErrors(benchmark::State& state, const BenchHost& host) {
    if (host.errors == 0) return true;
    state.SkipWithError(host.lastError.c_str());
    return false;
}

TestMacro BenchMacro(int index) {
    // 61 keys for 3 requests a macro: from the 21st macro on, keys are shared.
    static const std::array<std::string, 61> kKeys = [] {
        std::array<std::string, 61> keys;
        std::size_t next = 0;
        for (char c = 'a'; c <= 'z'; ++c) keys[next++] = std::string(1, c);
        for (char c = '0'; c <= '9'; ++c) keys[next++] = std::string(1, c);
        for (int f = 1; f <= 12; ++f) keys[next++] = "F" + std::to_string(f);
        for (const char* key : {"SPACE", "TAB", "ENTER", "INS", "DEL", "HOME", "END", "PGUP", "PGDN", "UPARROW",
                                "DOWNARROW", "LEFTARROW", "RIGHTARROW"})
            keys[next++] = key;
        return keys;
    }();
    const std::string id = std::to_string(index);
    TestMacro macro{"BENCH" + id + ".MAC", "Bench macro " + id, "Category " + std::to_string(index % 12), {}, {}};
    for (int request = 0; request < 3; ++request) {
        std::string keys = kKeys[static_cast<std::size_t>(index * 3 + request) % kKeys.size()];
        if (request == 2) keys += index % 2 ? "|SHIFT" : "|CTRL";  // a chord
        if (request == 1) keys += "\xB0" + kKeys[static_cast<std::size_t>(index * 7 + 5) % kKeys.size()];
        const std::string command = "bench_" + id + "_" + std::to_string(request);
        macro.keyGroups.insert(macro.keyGroups.end(), {"+" + command, "Request " + std::to_string(request), keys});
        macro.commands.push_back("alias +" + command + " \"+attack; wait; weapnext\"");
        macro.commands.push_back("BIND " + keys + " \"+" + command + "\"");
    }
    return macro;
}

std::vector<std::string> MacroFileLines(const TestMacro& macro) {
    std::vector<std::string> lines{"MACRO_DESC \"" + macro.description + "\"",
                                   "MACRO_DETAILDESC \"" + macro.description + ", generated for the benchmarks\"",
                                   "MACRO_CAT \"" + macro.category + "\""};
    for (std::size_t group = 0; group + 2 < macro.keyGroups.size(); group += 3)
        lines.push_back("NECESSARY_KEY \"" + macro.keyGroups[group] + "\" \"" + macro.keyGroups[group + 1] + "\"");
    for (int line = 0; line < 20; ++line)
        lines.push_back("QUAKE_COMMAND \"echo bench step " + std::to_string(line) + "\"");
    return lines;
}

void WriteCatalogueMacro(ProgramDirFixture& dir, const TestMacro& macro) {
    dir.WriteLines("macros/" + macro.file, MacroFileLines(macro));
}

std::vector<std::string> FilesBelow(const std::vector<std::string>& directories) {
    std::vector<std::string> files;
    for (const std::string& directory : directories)
        for (const auto& entry : fs::recursive_directory_iterator(directory))
            if (entry.is_regular_file()) files.push_back(entry.path().string());
    return files;
}

std::size_t ReadFiles(const std::vector<std::string>& files) {
    std::size_t total = 0;
    std::vector<char> buffer(64 * 1024);
    for (const std::string& file : files) {
        std::ifstream in(file, std::ios::binary);
        while (in.read(buffer.data(), static_cast<std::streamsize>(buffer.size())) || in.gcount() > 0)
            total += static_cast<std::size_t>(in.gcount());
    }
    return total;
}

void CopyTree(const std::string& from, const std::string& to) {
    fs::remove_all(to);
    fs::copy(from, to, fs::copy_options::recursive);
}

}  // namespace korvex::bench
