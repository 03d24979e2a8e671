#include "CompilerTestData.h"

#include "platform/Path.h"
#include "platform/TextFile.h"

namespace korvex {

std::vector<std::string> CompleteOptionLines() {
    return {"TRUE", "TRUE", "6", "FALSE",
            "OpenGL", "640x480", "100% screen size", "Brightness", "GL Texture quality", "GL Light Intensity",
            "TRUE", "TRUE", "FALSE", "TRUE",
            "50% effects volume", "high sound quality", "max performance", "FALSE",
            "10% sensitivity", "100% pitch speed", "50% yaw speed", "FALSE", "FALSE", "FALSE", "TRUE", "TRUE",
            "Model: male", "Skin: grunt", "\"dot\"-crosshair", "male gender", "TRUE", "right-handed", "T1/LAN", "Bob",
            "", "24", "TRUE", "TRUE", "TRUE", "TRUE", "FALSE",
            "90"};
}

void WriteMacroFile(ProgramDirFixture& dir, const TestMacro& macro) {
    dir.WriteLines("macros/" + macro.file, {"MACRO_DESC \"" + macro.description + "\"",
                                            "MACRO_DETAILDESC \"" + macro.description + "\"",
                                            "MACRO_CAT \"" + macro.category + "\""});
}

std::vector<std::string> OutFileLines(const TestMacro& macro) {
    std::vector<std::string> lines{macro.category, std::to_string(static_cast<int>(macro.keyGroups.size() / 3) - 1)};
    lines.insert(lines.end(), macro.keyGroups.begin(), macro.keyGroups.end());
    lines.insert(lines.end(), macro.commands.begin(), macro.commands.end());
    return lines;
}

void WritePlayer(ProgramDirFixture& dir, const std::string& player, const std::vector<TestMacro>& macros,
                 const std::vector<std::string>& options, const std::vector<std::string>& special) {
    const std::string base = "players/" + player + "/";
    std::vector<std::string> bindings{std::to_string(macros.size())};
    for (const TestMacro& macro : macros) {
        bindings.insert(bindings.end(), {macro.file, macro.description, macro.category});
        dir.WriteLines(base + macro.file + ".out", OutFileLines(macro));
    }
    dir.WriteLines(base + "bindings.dat", bindings);
    dir.WriteLines(base + "options.dat", options);
    dir.WriteLines(base + "special.dat", special);
}

std::vector<std::string> LinesOf(const ProgramDirFixture& dir, const std::string& relative) {
    std::vector<std::string> lines;
    ReadAllLines(dir.Path(relative), lines);
    return lines;
}

}  // namespace korvex
