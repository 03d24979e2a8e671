// An archive from a stranger, listed and classified as the installation does before it
// unpacks anything.
#include "FuzzSupport.h"
#include "install/ArchiveExtraction.h"

using namespace korvex;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = WriteFuzzInput("temp/fuzz.zip", data, size);
    std::vector<std::string> names;
    if (ListArchive(path, names))
        for (const std::string& name : names) IsSafeEntryName(name);
    IsPlainArchive(path);
    return 0;
}
