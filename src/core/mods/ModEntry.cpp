#include "mods/ModEntry.h"

#include "platform/Text.h"
#include "platform/TextFile.h"

namespace korvex {

bool ReadModEntry(const std::string& path, ModEntry& entry, bool& atEnd) {
    LineReader reader;
    if (!reader.Open(path)) return false;
    entry.treeText = reader.ReadLine();
    entry.playerCfgs = ReadCountedLines(reader);
    entry.disableDemo = TextToBool(reader.ReadLine());
    entry.deathmatch = TextToBool(reader.ReadLine());
    entry.mapName = reader.ReadLine();
    entry.commandLineParameters = reader.ReadLine();
    entry.menuOnStartup = TextToIntDef(reader.ReadLine());
    entry.configLines = ReadCountedLines(reader);
    atEnd = reader.AtEnd();
    return true;
}

std::vector<std::string> ModEntryLines(const ModEntry& entry) {
    std::vector<std::string> lines = {entry.treeText, std::to_string(entry.playerCfgs.size())};
    lines.insert(lines.end(), entry.playerCfgs.begin(), entry.playerCfgs.end());
    lines.insert(lines.end(), {BoolToText(entry.disableDemo), BoolToText(entry.deathmatch), entry.mapName,
                               entry.commandLineParameters, std::to_string(entry.menuOnStartup)});
    if (!entry.configLines.empty()) {
        lines.push_back(std::to_string(entry.configLines.size()));
        lines.insert(lines.end(), entry.configLines.begin(), entry.configLines.end());
    }
    return lines;
}

bool WriteModEntry(const std::string& path, const ModEntry& entry, AtomicFile::ExistingTarget existing) {
    AtomicTextWriter writer(path, existing);
    for (const std::string& line : ModEntryLines(entry)) writer.WriteLine(line);
    return writer.Commit();
}

}  // namespace korvex
