// An AutoMOD detection file tried against a small game directory, as the MOD scan and the
// identification of a single directory try it.
#include "FuzzSupport.h"
#include "mods/AutoModDetection.h"

#include <filesystem>
#include <fstream>

using namespace korvex;

namespace {

// A MOD directory with a game library, a pak file, a config and a map folder.
std::string GameDirectory() {
    const std::string dir = FuzzDir() + "game/ctf";
    std::filesystem::create_directories(dir + "/maps");
    std::ofstream(dir + "/gamex86.dll") << "MZ sample game library";
    std::ofstream(dir + "/pak0.pak") << "PACK" << std::string(100, '\0');
    std::ofstream(dir + "/server.cfg") << "set deathmatch 1\r\n";
    std::ofstream(dir + "/maps/q2ctf1.bsp") << "IBSP";
    return dir;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string game = GameDirectory();
    WriteFuzzInput("automod/Capture The Flag", data, size);
    for (const bool forModScan : {true, false}) {
        FuzzHost host;
        Korvex app(host);
        UseFuzzDir(app);
        DetectModByAutoModFiles(app, game, forModScan);
    }
    return 0;
}
