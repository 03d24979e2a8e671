#include "players/ExchangeFile.h"

#include <algorithm>
#include <map>
#include <optional>

#include "app/DirectoryTools.h"
#include "app/Korvex.h"
#include "app/Messages.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"
#include "platform/Text.h"
#include "platform/TextFile.h"
#include "players/PlayerDataFiles.h"
#include "players/PlayerDirs.h"

namespace korvex {
namespace {

// "<name>\\<count>": a block's or a file's header line.
struct Header {
    std::string name;
    long long count = 0;
};

Header ParseHeader(const std::string& line) {
    const auto separator = line.find(kExchangeSeparator);
    if (separator == std::string::npos) return {line, 0};
    return {line.substr(0, separator), TextToIntDef(line.substr(separator + 2))};
}

std::string HeaderLine(const std::string& name, long long count) {
    return name + kExchangeSeparator + std::to_string(count);
}

struct ExportedFile {
    std::string name;
    long long lines = 0;
};

struct ImportedFile {
    std::string name;
    std::vector<std::string> lines;
};

// A line reader that counts the lines it has read: blocks are found by their header's line.
struct CountingReader {
    LineReader reader;
    long long line = 0;

    std::string ReadLine() {
        ++line;
        return reader.ReadLine();
    }
    bool AtEnd() { return reader.AtEnd(); }
};

// A block as the file holds it; problem says why it cannot be imported.
struct BlockContent {
    std::string name;
    std::vector<ImportedFile> files;
    std::string problem;
};

// The Player-CFG directories by name, letter case ignored, listed once for a whole import:
// looking up a name that is not there lists the players directory again each time.
class PlayerDirNames {
public:
    explicit PlayerDirNames(const std::string& players) {
        for (const std::string& name : ListNames(players, EntryKind::Directory)) Add(name);
    }
    // The directory's own spelling of name; none when there is no such directory.
    std::optional<std::string> Find(const std::string& name) const {
        const auto found = names_.find(UpperCaseAscii(name));
        if (found == names_.end()) return std::nullopt;
        return found->second;
    }
    void Add(const std::string& name) { names_.emplace(UpperCaseAscii(name), name); }

private:
    std::map<std::string, std::string> names_;
};

// The files of a Player-CFG directory that an exchange file carries; false after a fatal report.
bool CollectExportedFiles(Reporter& report, const std::string& directory, std::vector<ExportedFile>& files) {
    for (const std::string& file : ListNames(directory, EntryKind::File)) {
        if (file.starts_with('.')) continue;
        const long long lines = CountLines(report, JoinPath(directory, file));
        if (lines < 0) return false;
        files.push_back({file, lines});
    }
    return true;
}

// Exactly count lines; a file that has shrunk meanwhile gives empty lines, so the counts hold.
void CopyLines(const std::string& path, long long count, AtomicTextWriter& writer) {
    LineReader reader;
    reader.Open(path);
    for (long long i = 0; i < count; ++i) writer.WriteLine(reader.ReadLine());
}

bool WriteBlock(Reporter& report, const ProgramPaths& paths, const std::string& name, AtomicTextWriter& writer) {
    const std::string directory = ResolveCase(JoinPath(paths.players, name));
    std::vector<ExportedFile> files;
    if (!CollectExportedFiles(report, directory, files)) return false;
    long long blockLines = 1;
    for (const ExportedFile& file : files) blockLines += 1 + file.lines;
    writer.WriteLine(HeaderLine(name, blockLines));
    for (const ExportedFile& file : files) {
        writer.WriteLine(HeaderLine(file.name, file.lines));
        CopyLines(JoinPath(directory, file.name), file.lines, writer);
    }
    return true;
}

// Reads the files of a block whose header gave blockLines. Nothing past the block is taken
// for its content: a count that does not fit ends the reading with the reason in problem.
bool ReadBlockFiles(CountingReader& reader, long long blockLines, std::vector<ImportedFile>& files,
                    std::string& problem) {
    if (blockLines < 1) {
        problem = "its line count " + std::to_string(blockLines) + " is not valid";
        return false;
    }
    for (long long left = blockLines - 1; left > 0;) {
        if (reader.AtEnd()) {
            problem = "the file ends before the block does";
            return false;
        }
        const Header header = ParseHeader(reader.ReadLine());
        --left;
        if (!IsPortablePlayerName(header.name)) {
            problem = "it holds a file named \"" + header.name + "\", which may not be written";
            return false;
        }
        if (header.count < 0 || header.count > left) {
            problem = "the line count " + std::to_string(header.count) + " of " + header.name +
                      " does not fit the block";
            return false;
        }
        ImportedFile file{header.name, {}};
        for (long long i = 0; i < header.count; ++i) {
            if (reader.AtEnd()) {
                problem = "the file ends before the block does";
                return false;
            }
            file.lines.push_back(reader.ReadLine());
        }
        left -= header.count;
        files.push_back(std::move(file));
    }
    return true;
}

// The blocks that start at the listed lines, read in one pass through the file and kept until
// they are written: the import goes in list order, the file in its own.
std::map<long long, BlockContent> ReadBlocks(CountingReader& reader, std::vector<ExchangeBlock> blocks) {
    std::sort(blocks.begin(), blocks.end(),
              [](const ExchangeBlock& a, const ExchangeBlock& b) { return a.startLine < b.startLine; });
    std::map<long long, BlockContent> contents;
    for (const ExchangeBlock& block : blocks) {
        if (contents.contains(block.startLine)) continue;
        while (reader.line < block.startLine && !reader.AtEnd()) reader.ReadLine();
        const bool reached = reader.line == block.startLine;
        const Header header = ParseHeader(reader.ReadLine());
        BlockContent& content = contents[block.startLine];
        content.name = block.name;
        if (!reached || header.name != block.name)
            content.problem = "the file has changed since its Player-CFGs were listed";
        else
            ReadBlockFiles(reader, header.count, content.files, content.problem);
    }
    return contents;
}

// Why the data files in directory would not load, or nothing. Korvex reads each only as far
// as its layout goes, and a Player-CFG whose file goes on past that cannot be opened or
// inherited from.
std::string DataFileProblem(const std::string& directory) {
    const auto bindings = ReadBindingsFile(JoinPath(directory, "bindings.dat"));
    const auto options = ReadOptionsFile(JoinPath(directory, "options.dat"));
    const auto special = ReadSpecialFile(JoinPath(directory, "special.dat"));
    const std::pair<const char*, bool> files[] = {{"bindings.dat", !bindings || bindings->complete},
                                                  {"options.dat", !options || options->complete},
                                                  {"special.dat", !special || special->complete}};
    for (const auto& [name, loads] : files)
        if (!loads) return std::string("its ") + name + " holds more lines than Korvex reads";
    return "";
}

void ReportDamagedBlock(Reporter& report, const std::string& path, const std::string& name,
                        const std::string& problem) {
    report.host.ShowMessage(
        Icon::Error,
        "The Player-CFG " + name + " in " + path + " is damaged: " + problem + ". Nothing of it has been imported.",
        Buttons::Ok);
}

// Once the files are staged: a block whose data files would not load is refused, and an
// existing Player-CFG is replaced only after Yes.
bool AcceptStagedFiles(Reporter& report, const std::string& path, const std::string& name, const std::string& staging,
                       bool targetExists) {
    if (const std::string problem = DataFileProblem(staging); !problem.empty()) {
        ReportDamagedBlock(report, path, name, problem);
        return false;
    }
    return !targetExists || report.host.ShowMessage(
                                Icon::Question, "Player-CFG " + name + " already exists. Do you want to overwrite it?",
                                Buttons::YesNo) == Button::Yes;
}

// A read-only file of the Player-CFG is not replaced behind the player's back: the block is
// refused then, and reported.
bool ReplacesReadOnlyFile(Reporter& report, const std::string& target, const std::vector<ImportedFile>& files) {
    for (const ImportedFile& file : files) {
        const std::string path = JoinPath(target, file.name);
        if (!IsReadOnlyFile(path)) continue;
        report.ShowError(Err::CouldntCreateFile, path);
        return true;
    }
    return false;
}

// The files of the Player-CFG that the block does not carry stay with it; the next save cleans
// away what it does not use.
bool CopyKeptFiles(Reporter& report, const std::string& target, const std::string& staging) {
    for (const std::string& file : ListNames(target, EntryKind::File)) {
        const std::string source = JoinPath(ResolveCase(target), file);
        if (CopyFileOver(source, JoinPath(staging, file))) continue;
        report.ShowError(Err::CopyingFileFailed, source);
        return false;
    }
    return true;
}

// Every file is written completely into a directory beside the Player-CFGs; a file that
// cannot be written is reported and refuses the block.
bool WriteStagedFiles(Reporter& report, const std::string& staging, const std::string& target,
                      const std::vector<ImportedFile>& files) {
    for (const ImportedFile& file : files) {
        if (WriteLinesAtomically(JoinPath(staging, file.name), file.lines)) continue;
        report.ShowError(Err::CouldntCreateFile, JoinPath(target, file.name));
        return false;
    }
    return true;
}

// The checked block takes the place of the Player-CFG in one step: nothing of the old one
// mixes with the new, and a kill leaves one or the other.
bool WriteImportedFiles(Reporter& report, const ProgramPaths& paths, const std::string& path, const BlockContent& block,
                        const std::string& name, bool targetExists) {
    const std::string target = JoinPath(paths.players, name);
    if (targetExists && ReplacesReadOnlyFile(report, target, block.files)) return false;
    if (CreateBuildingPlayerDir(report, paths, name, targetExists) != kDirCreated) {
        report.ShowError(Err::CouldntCreateDirectory, target);
        return false;
    }
    const std::string staging = BuildingPlayerDir(paths, name);
    if ((!targetExists || CopyKeptFiles(report, target, staging)) &&
        WriteStagedFiles(report, staging, target, block.files) &&
        AcceptStagedFiles(report, path, block.name, staging, targetExists))
        return MovePlayerDirIntoPlace(report, paths, name);
    RemoveDirectoryTree(report, staging);
    return false;
}

void ImportExchangeBlock(Reporter& report, const ProgramPaths& paths, const std::string& currentPlayerName,
                         const std::string& path, const BlockContent& block, PlayerDirNames& existing,
                         std::vector<std::string>& names) {
    // Player-CFG names are directory names, which Korvex compares without regard to case.
    if (EqualsIgnoringCase(block.name, currentPlayerName)) {
        report.host.ShowMessage(Icon::Error, "Can't overwrite active Player-CFG.", Buttons::Ok);
        return;
    }
    // The name comes from someone else's file: it must name a directory right below ours.
    if (!IsPortablePlayerName(block.name)) {
        report.ShowError(Err::InvalidPlayerName, block.name);
        return;
    }
    if (!block.problem.empty()) {
        ReportDamagedBlock(report, path, block.name, block.problem);
        return;
    }
    const std::optional<std::string> existingName = existing.Find(block.name);
    if (!WriteImportedFiles(report, paths, path, block, existingName.value_or(block.name), existingName.has_value()))
        return;
    existing.Add(block.name);
    names.push_back(block.name);
}

}  // namespace

long long CountLines(Reporter& report, const std::string& path) {
    LineReader reader;
    if (!reader.Open(path)) {
        report.FatalError(Err::CouldntOpenFile, path);
        return -1;
    }
    long long count = 0;
    for (; !reader.AtEnd(); ++count) reader.ReadLine();
    return count;
}

void WriteExchangeFile(Reporter& report, const ProgramPaths& paths, const std::vector<std::string>& list,
                       const std::string& path, std::vector<std::string>& names) {
    if (PathExists(path) &&
        report.host.ShowMessage(Icon::Question, "The file " + path + " already exists. Do you want to overwrite it?",
                                Buttons::YesNo) != Button::Yes)
        return;
    // Written beside and renamed into place at the end: a stopped export leaves no half file.
    AtomicTextWriter writer(path);
    if (!writer.IsOpen()) {
        report.ShowError(Err::CouldntCreateFile, path);
        return;
    }
    std::vector<std::string> exported;
    for (const std::string& name : list) {
        if (!WriteBlock(report, paths, name, writer)) return;
        exported.push_back(name);
    }
    if (!writer.Commit()) {
        report.ShowError(Err::CouldntCreateFile, path);
        return;
    }
    names.insert(names.end(), exported.begin(), exported.end());
}

std::vector<ExchangeBlock> IndexExchangeFile(const std::string& path) {
    std::vector<ExchangeBlock> blocks;
    CountingReader reader;
    if (!reader.reader.Open(path)) return blocks;
    while (!reader.AtEnd()) {
        const long long start = reader.line;
        const Header header = ParseHeader(reader.ReadLine());
        // An empty line, as an editor may leave at the end, is no block.
        if (!header.name.empty() || header.count != 0) blocks.push_back({header.name, start});
        // A count below one skips nothing: the next line is read as the next header.
        for (long long skip = header.count - 1; skip > 0 && !reader.AtEnd(); --skip) reader.ReadLine();
    }
    return blocks;
}

void ImportExchangeBlocks(Reporter& report, const ProgramPaths& paths, const std::string& currentPlayerName,
                          const std::string& path, const std::vector<ExchangeBlock>& blocks,
                          std::vector<std::string>& names) {
    CountingReader reader;
    if (!reader.reader.Open(path)) {
        report.FatalError(Err::CouldntOpenFile, path);
        return;
    }
    const std::map<long long, BlockContent> contents = ReadBlocks(reader, blocks);
    PlayerDirNames existing(paths.players);
    for (const ExchangeBlock& block : blocks) {
        ImportExchangeBlock(report, paths, currentPlayerName, path, contents.at(block.startLine), existing, names);
        if (report.shuttingDown) return;
    }
}

}  // namespace korvex
