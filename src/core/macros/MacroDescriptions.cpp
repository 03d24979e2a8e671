#include "macros/MacroDescriptions.h"

#include <string_view>

#include "app/Messages.h"
#include "app/Reporter.h"
#include "macros/MacroErrors.h"
#include "macros/MacroLineReader.h"
#include "platform/Text.h"

namespace korvex {

std::uint8_t OpenMacroFile(MacroFile& file, const std::string& path) {
    switch (file.Open(path)) {
        case MacroFile::OpenResult::Opened: return 0;
        case MacroFile::OpenResult::TooLarge: return MacroErr::FileTooLarge;
        case MacroFile::OpenResult::NotFound: break;
    }
    return MacroErr::FileNotFound;
}

MacroDescriptions ReadMacroDescriptions(const std::string& path) {
    MacroDescriptions read;
    MacroFile file;
    if (const std::uint8_t code = OpenMacroFile(file, path)) {
        read.errors.push_back({0, code});
        return read;
    }
    const std::pair<std::string_view, std::string MacroDescriptions::*> keywords[] = {
        {"MACRO_DESC ", &MacroDescriptions::MacroDesc},
        {"MACRO_DETAILDESC ", &MacroDescriptions::MacroDetailDesc},
        {"MACRO_CAT ", &MacroDescriptions::MacroCat},
    };
    for (int lineNumber = 1; !file.AtEnd(); ++lineNumber) {
        const std::string line = StatementText(file.ReadLine());
        const std::string upper = UpperCaseAscii(line);
        for (const auto& [keyword, field] : keywords) {
            if (upper.compare(0, keyword.size(), keyword) != 0) continue;
            MacroParams params;
            if (const std::uint8_t code = ParseParameterText(line, "S", keyword.size(), params))
                read.errors.push_back({lineNumber, code});
            else
                read.*field = params[0].Text;
            break;
        }
    }
    if (read.MacroDesc.empty() || read.MacroDetailDesc.empty() || read.MacroCat.empty())
        read.errors.push_back({0, MacroErr::NoMacroDescription});
    return read;
}

void ReportDescriptionErrors(Reporter& report, const std::string& path, const MacroDescriptions& descriptions) {
    for (const auto& [line, code] : descriptions.errors) report.MacroLanguageError(line, path, code);
}

}  // namespace korvex
