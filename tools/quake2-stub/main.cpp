// Stands in for the Quake II engine in tests and the demo. Started as QUAKE2.EXE it writes
// quake2-stub.log into its working directory: its arguments, the working directory, and
// every script the game would run at start, following exec lines from the game
// directory's autoexec.cfg. Nothing else happens; it ends at once, or, when the environment
// names a file in QUAKE2_STUB_HOLD, once that file exists (a game that is still running).
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int kMaxExecDepth = 16;

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// The engine tries the exact name first and then any letter case.
std::optional<fs::path> FindIgnoringCase(const fs::path& directory, const std::string& name) {
    if (fs::exists(directory / name)) return directory / name;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(directory, error))
        if (Lower(entry.path().filename().string()) == Lower(name)) return entry.path();
    return std::nullopt;
}

std::string GameOf(const std::vector<std::string>& args) {
    for (std::size_t i = 0; i + 2 < args.size(); ++i)
        if (args[i] == "+set" && args[i + 1] == "game") return args[i + 2];
    return "baseq2";
}

std::string Trim(const std::string& text) {
    const auto begin = text.find_first_not_of(" \t\r\"");
    const auto end = text.find_last_not_of(" \t\r\"");
    return begin == std::string::npos ? std::string() : text.substr(begin, end - begin + 1);
}

void RunScript(const fs::path& script, const std::vector<fs::path>& searchDirs, std::ofstream& log, int depth) {
    std::ifstream in(script, std::ios::binary);
    log << "exec: " << script.lexically_normal().string() << '\n';
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        log << "  " << line << '\n';
        const std::string command = Trim(line);
        if (depth >= kMaxExecDepth || Lower(command.substr(0, 5)) != "exec ") continue;
        const std::string name = Trim(command.substr(5));
        for (const fs::path& dir : searchDirs) {
            if (fs::exists(dir / name)) {
                RunScript(dir / name, searchDirs, log, depth + 1);
                break;
            }
        }
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const fs::path cwd = fs::current_path();
    std::ofstream log(cwd / "quake2-stub.log", std::ios::app);
    if (!log) {
        std::cerr << "quake2-stub: cannot write quake2-stub.log in " << cwd << '\n';
        return 1;
    }
    log << "args:";
    for (const auto& arg : args) log << ' ' << arg;
    log << "\ncwd: " << cwd.string() << '\n';

    const fs::path gameDir = cwd / GameOf(args);
    const std::vector<fs::path> searchDirs = {gameDir, cwd / "baseq2"};
    for (const fs::path& dir : searchDirs) {
        if (const auto autoexec = FindIgnoringCase(dir, "autoexec.cfg")) {
            RunScript(*autoexec, searchDirs, log, 0);
            break;
        }
    }
    log << "quit\n";
    log.flush();
    if (const char* hold = std::getenv("QUAKE2_STUB_HOLD"))
        while (!fs::exists(hold)) std::this_thread::sleep_for(std::chrono::milliseconds(50));
    return 0;
}
