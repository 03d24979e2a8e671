// The three data files of a Player-CFG (bindings.dat, options.dat, special.dat) read from the
// same bytes, then written back and read again: what was read must survive the round trip.
#include "FuzzSupport.h"
#include "platform/TextFile.h"
#include "players/PlayerDataFiles.h"

#include <cstdlib>

using namespace korvex;

namespace {

std::string WriteLines(const std::vector<std::string>& lines) {
    const std::string path = FuzzDir() + "players/written.dat";
    if (!WriteLinesAtomically(path, lines)) std::abort();
    return path;
}

bool SameEntries(const std::vector<BindingsEntry>& a, const std::vector<BindingsEntry>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].fileName != b[i].fileName || a[i].description != b[i].description || a[i].category != b[i].category)
            return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = WriteFuzzInput("players/fuzz.dat", data, size);
    const auto bindings = ReadBindingsFile(path);
    const auto options = ReadOptionsFile(path);
    const auto special = ReadSpecialFile(path);
    if (!bindings || !options || !special) std::abort();

    const auto bindingsAgain = ReadBindingsFile(WriteLines(BindingsFileLines(bindings->entries)));
    if (!bindingsAgain || !SameEntries(bindings->entries, bindingsAgain->entries)) std::abort();
    const auto optionsAgain = ReadOptionsFile(WriteLines(OptionsFileLines(options->values)));
    if (!optionsAgain || OptionsFileLines(optionsAgain->values) != OptionsFileLines(options->values)) std::abort();
    const auto specialAgain = ReadSpecialFile(WriteLines(SpecialFileLines(*special)));
    if (!specialAgain || SpecialFileLines(*specialAgain) != SpecialFileLines(*special)) std::abort();
    return 0;
}
