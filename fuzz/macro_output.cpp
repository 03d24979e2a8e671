// A macro's output file (.out) as key bindings read it: read, its bindings dropped and
// rebuilt from the key requests, written back and read again unchanged.
#include "FuzzSupport.h"
#include "bindings/MacroOutputFile.h"
#include "platform/TextFile.h"

#include <cstdlib>

using namespace korvex;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    MacroOutput output;
    if (!ReadMacroOutput(WriteFuzzInput("players/FUZZ.out", data, size), output)) std::abort();
    for (const std::string& line : output.commands) IsKeyBindingLine(line);
    DropKeyBindingLines(output);
    AppendBindLines(output);
    const std::vector<std::string> lines = MacroOutputLines(output);
    const std::string written = FuzzDir() + "players/WRITTEN.out";
    if (!WriteLinesAtomically(written, lines)) std::abort();
    MacroOutput again;
    if (!ReadMacroOutput(written, again) || MacroOutputLines(again) != lines) std::abort();
    return 0;
}
