#include "FuzzSupport.h"

#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include "app/StartUp.h"
#include "platform/Path.h"

namespace korvex {
namespace fs = std::filesystem;
namespace {

const char* const kProgramFolders[] = {"macros", "players", "mods", "automod", "backup", "temp"};

class TemporaryDir {
public:
    TemporaryDir() {
        std::string pattern = (fs::temp_directory_path() / "korvex-fuzz-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) std::abort();
        path = pattern + "/";
        for (const char* folder : kProgramFolders) fs::create_directories(path + folder);
    }
    ~TemporaryDir() {
        std::error_code ignored;
        fs::remove_all(path, ignored);
    }
    std::string path;
};

}  // namespace

Button FuzzHost::ShowMessage(Icon icon, const std::string& text, Buttons buttons) {
    boxes.push_back({icon, text, buttons});
    return GoAheadAnswer(buttons);
}

std::string FuzzHost::AskForKey() {
    keyRequests.push_back(keyPrompt);
    return keyRequests.size() % 2 ? "K" : "CTRL";
}

const std::string& FuzzDir() {
    static const TemporaryDir dir;
    return dir.path;
}

void UseFuzzDir(Korvex& app) { SetProgramDirs(app.paths, FuzzDir()); }

std::string WriteFuzzInput(const std::string& name, const std::uint8_t* data, std::size_t size) {
    const std::string path = JoinPath(FuzzDir(), name);
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data),
                                                                 static_cast<std::streamsize>(size));
    return path;
}

void ClearFuzzFolder(const std::string& name) {
    const std::string path = JoinPath(FuzzDir(), name);
    std::error_code ignored;
    fs::remove_all(path, ignored);
    fs::create_directories(path);
}

}  // namespace korvex
