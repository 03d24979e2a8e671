// A macro file read for its three descriptions only, as the catalogue reads every macro.
#include "FuzzSupport.h"
#include "app/AppMacroRun.h"
#include "macros/MacroInterpreter.h"

using namespace korvex;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzHost host;
    Korvex app(host);
    UseFuzzDir(app);
    RunMacro(MacroRunOf(app), WriteFuzzInput("macros/FUZZ.MAC", data, size), true);
    return 0;
}
