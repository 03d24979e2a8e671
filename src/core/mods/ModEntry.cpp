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

bool WriteModEntry(const std::string& path, const ModEntry& entry, const std::string& temporarySuffix) {
    AtomicTextWriter writer(path, temporarySuffix);
    writer.WriteLine(entry.treeText);
    writer.WriteLine(std::to_string(entry.playerCfgs.size()));
    for (const std::string& name : entry.playerCfgs) writer.WriteLine(name);
    writer.WriteLine(BoolToText(entry.disableDemo));
    writer.WriteLine(BoolToText(entry.deathmatch));
    writer.WriteLine(entry.mapName);
    writer.WriteLine(entry.commandLineParameters);
    writer.WriteLine(std::to_string(entry.menuOnStartup));
    if (!entry.configLines.empty()) {
        writer.WriteLine(std::to_string(entry.configLines.size()));
        for (const std::string& line : entry.configLines) writer.WriteLine(line);
    }
    return writer.Commit();
}

}  // namespace korvex
