#include "players/ExchangeFile.h"

#include "app/DirectoryTools.h"
#include "app/Korvex.h"
#include "app/Messages.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"
#include "platform/Text.h"
#include "platform/TextFile.h"
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

// The files of a Player-CFG directory that an exchange file carries; false after a fatal report.
bool CollectExportedFiles(Korvex& app, const std::string& directory, std::vector<ExportedFile>& files) {
    for (const std::string& file : ListNames(directory, EntryKind::File)) {
        if (file.starts_with('.')) continue;
        const long long lines = CountLines(app, JoinPath(directory, file));
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

bool WriteBlock(Korvex& app, const std::string& name, AtomicTextWriter& writer) {
    const std::string directory = ResolveCase(JoinPath(app.dirs.players, name));
    std::vector<ExportedFile> files;
    if (!CollectExportedFiles(app, directory, files)) return false;
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
bool ReadBlockFiles(LineReader& reader, long long blockLines, std::vector<ImportedFile>& files,
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

// Every file is written completely beside the Player-CFG before the Player-CFG changes: a
// new one appears by renaming the finished directory, an existing one receives each
// finished file by a rename. A file that cannot be written is reported and left out.
bool WriteStagedFiles(Korvex& app, const std::string& staging, const std::string& target,
                      const std::vector<ImportedFile>& files, std::vector<std::string>& written) {
    for (const ImportedFile& file : files) {
        if (WriteLinesAtomically(JoinPath(staging, file.name), file.lines)) {
            written.push_back(file.name);
        } else {
            ShowError(app, Err::CouldntCreateFile, JoinPath(target, file.name));
        }
        if (app.shuttingDown) return false;
    }
    return true;
}

void MoveStagedFiles(Korvex& app, const std::string& staging, const std::string& target,
                     const std::vector<std::string>& written) {
    for (const std::string& name : written) {
        const std::string path = JoinPath(target, name);
        if (IsReadOnlyFile(path) || !RenamePath(JoinPath(staging, name), ResolveCase(path)))
            ShowError(app, Err::CouldntCreateFile, path);
    }
}

bool WriteImportedFiles(Korvex& app, const std::string& target, bool targetExists,
                        const std::vector<ImportedFile>& files) {
    if (!DirectoryExists(app.dirs.temp)) MakeDirectory(app.dirs.temp);
    // What an interrupted import left behind goes first.
    const std::string staging = JoinPath(app.dirs.temp, "import");
    if (!RemoveDirectoryTree(app, staging)) return false;
    if (!CreateOneDirectory(staging)) {
        ShowError(app, Err::CouldntCreateDirectory, target);
        return false;
    }
    std::vector<std::string> written;
    bool done = WriteStagedFiles(app, staging, target, files, written);
    if (done && targetExists) {
        MoveStagedFiles(app, staging, target, written);
    } else if (done && !RenamePath(staging, target)) {
        ShowError(app, Err::CouldntCreateDirectory, target);
        done = false;
    }
    if (DirectoryExists(staging)) RemoveDirectoryTree(app, staging);
    return done;
}

void ReportDamagedBlock(Korvex& app, const std::string& path, const std::string& name, const std::string& problem) {
    app.host.ShowMessage(Icon::Error,
                         "The Player-CFG " + name + " in " + path + " is damaged: " + problem +
                             ". Nothing of it has been imported.",
                         Buttons::Ok);
}

}  // namespace

long long CountLines(Korvex& app, const std::string& path) {
    LineReader reader;
    if (!reader.Open(path)) {
        FatalError(app, Err::CouldntOpenFile, path);
        return -1;
    }
    long long count = 0;
    for (; !reader.AtEnd(); ++count) reader.ReadLine();
    return count;
}

void WriteExchangeFile(Korvex& app, const std::vector<std::string>& list, const std::string& path,
                       std::vector<std::string>& names) {
    if (PathExists(path) &&
        app.host.ShowMessage(Icon::Question, "The file " + path + " already exists. Do you want to overwrite it?",
                             Buttons::YesNo) != Button::Yes)
        return;
    // Written beside and renamed into place at the end: a stopped export leaves no half file.
    AtomicTextWriter writer(path);
    if (!writer.IsOpen()) {
        ShowError(app, Err::CouldntCreateFile, path);
        return;
    }
    std::vector<std::string> exported;
    for (const std::string& name : list) {
        if (!WriteBlock(app, name, writer)) return;
        exported.push_back(name);
    }
    if (!writer.Commit()) {
        ShowError(app, Err::CouldntCreateFile, path);
        return;
    }
    names.insert(names.end(), exported.begin(), exported.end());
}

std::vector<ExchangeBlock> IndexExchangeFile(const std::string& path) {
    std::vector<ExchangeBlock> blocks;
    LineReader reader;
    if (!reader.Open(path)) return blocks;
    for (long long line = 0; !reader.AtEnd();) {
        const Header header = ParseHeader(reader.ReadLine());
        // An empty line, as an editor may leave at the end, is no block.
        if (!header.name.empty() || header.count != 0) blocks.push_back({header.name, line});
        ++line;
        // A count below one skips nothing: the next line is read as the next header.
        for (long long skip = header.count - 1; skip > 0 && !reader.AtEnd(); --skip, ++line) reader.ReadLine();
    }
    return blocks;
}

void ImportExchangeBlock(Korvex& app, const std::string& path, long long startLine, const std::string& targetDir,
                         std::vector<std::string>& names) {
    LineReader reader;
    if (!reader.Open(path)) {
        FatalError(app, Err::CouldntOpenFile, path);
        return;
    }
    for (long long i = 0; i < startLine && !reader.AtEnd(); ++i) reader.ReadLine();
    const Header header = ParseHeader(reader.ReadLine());
    // Player-CFG names are directory names, which Korvex compares without regard to case.
    if (EqualsIgnoringCase(header.name, app.currentPlayerName)) {
        app.host.ShowMessage(Icon::Error, "Can't overwrite active Player-CFG.", Buttons::Ok);
        return;
    }
    // The name comes from someone else's file: it must name a directory right below ours.
    const std::string targetName = FileName(targetDir);
    if (!IsPortablePlayerName(header.name) || !IsPortablePlayerName(targetName)) {
        ShowError(app, Err::InvalidPlayerName, IsPortablePlayerName(header.name) ? targetName : header.name);
        return;
    }
    std::vector<ImportedFile> files;
    std::string problem;
    if (!ReadBlockFiles(reader, header.count, files, problem)) {
        ReportDamagedBlock(app, path, header.name, problem);
        return;
    }
    const std::string target = ResolveCase(targetDir);
    const bool targetExists = DirectoryExists(target);
    if (targetExists && app.host.ShowMessage(Icon::Question,
                                             "Player-CFG " + header.name +
                                                 " already exists. Do you want to overwrite it?",
                                             Buttons::YesNo) != Button::Yes)
        return;
    if (WriteImportedFiles(app, target, targetExists, files)) names.push_back(targetName);
}

}  // namespace korvex
