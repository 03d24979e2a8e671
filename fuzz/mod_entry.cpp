// A MOD catalogue entry file: read, written back and read again unchanged.
#include "FuzzSupport.h"
#include "mods/ModEntry.h"

#include <cstdlib>

using namespace korvex;

namespace {

bool SameEntry(const ModEntry& a, const ModEntry& b) {
    return a.treeText == b.treeText && a.playerCfgs == b.playerCfgs && a.disableDemo == b.disableDemo &&
           a.deathmatch == b.deathmatch && a.mapName == b.mapName &&
           a.commandLineParameters == b.commandLineParameters && a.menuOnStartup == b.menuOnStartup &&
           a.configLines == b.configLines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ModEntry entry;
    bool atEnd = false;
    if (!ReadModEntry(WriteFuzzInput("mods/fuzz.mod", data, size), entry, atEnd)) std::abort();
    const std::string written = FuzzDir() + "mods/written.mod";
    if (!WriteModEntry(written, entry)) std::abort();
    ModEntry again;
    if (!ReadModEntry(written, again, atEnd) || !atEnd || !SameEntry(entry, again)) std::abort();
    return 0;
}
