// An exchange file (.kxp) from someone else, indexed and imported whole into the players
// directory, beside the active Player-CFG; every question to overwrite is answered Yes.
#include "FuzzSupport.h"
#include "players/ExchangeFile.h"
#include "players/ExchangeOperations.h"

#include <filesystem>
#include <fstream>
#include <set>

#include "platform/Path.h"

using namespace korvex;

namespace {

void LayOutPlayers() {
    ClearFuzzFolder("players");
    ClearFuzzFolder("temp");
    for (const char* name : {"Player", "Other"}) {
        const std::string dir = FuzzDir() + "players/" + name;
        std::filesystem::create_directories(dir);
        std::ofstream(dir + "/bindings.dat") << "0\r\n";
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    LayOutPlayers();
    FuzzHost host;
    Korvex app(host);
    UseFuzzDir(app);
    app.currentPlayerName = "Player";
    app.currentPlayerDir = JoinPath(app.paths.players, "Player");
    const std::string path = WriteFuzzInput("import.kxp", data, size);
    ImportFromFile(app, path, IndexExchangeFile(path));
    // Nothing may land outside the players directory.
    const std::set<std::string> expected = {"import.kxp", "macros", "players", "mods", "automod", "backup", "temp"};
    for (const auto& entry : std::filesystem::directory_iterator(FuzzDir()))
        if (!expected.count(entry.path().filename().string())) std::abort();
    return 0;
}
