#include "mods/AutoModDetection.h"

#include <algorithm>
#include <array>
#include <fstream>

#include "app/Korvex.h"
#include "app/Messages.h"
#include "platform/FileSystem.h"
#include "platform/ListOrder.h"
#include "platform/Path.h"
#include "platform/Text.h"
#include "platform/TextFile.h"

namespace korvex {
namespace {

constexpr std::size_t kBlockSize = 8192;
constexpr std::size_t kMostBytesSearched = 32768;
constexpr std::size_t kLongestValue = 255;

std::string ConditionPath(const std::string& directory, const std::string& file) {
    return JoinPath(NormaliseAutoModDirectory(directory), WithPlatformSeparators(file));
}

const std::optional<DirEntry>& LookUpOnce(AutoModMatch& match, const std::string& path) {
    const auto known = match.entries.find(path);
    if (known != match.entries.end()) return known->second;
    return match.entries.emplace(path, LookUpEntry(path)).first->second;
}

void RecordMatchedFile(AutoModMatch& match, const std::string& path) {
    if (IsCfgOrAasFile(path)) return;
    const std::string lower = LowerCaseAscii(path);
    auto& files = match.matchedFiles;
    const auto at = std::lower_bound(files.begin(), files.end(), lower);
    if (at == files.end() || *at != lower) files.insert(at, lower);
}

bool ContainsAt(const std::vector<char>& buffer, std::size_t count, const std::string& text) {
    if (count < text.size()) return false;
    return std::search(buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(count), text.begin(),
                       text.end()) != buffer.begin() + static_cast<std::ptrdiff_t>(count);
}

struct Condition {
    std::string file;
    char op = 0;
    std::string value;
};

// The operator is the first "=" of the line, else the first ">", "<" or "#" in that order.
bool ParseCondition(const std::string& line, Condition& condition) {
    for (const char op : {'=', '>', '<', '#'}) {
        const auto at = line.find(op);
        if (at == std::string::npos) continue;
        condition = {line.substr(0, at), op, line.substr(at + 1, kLongestValue)};
        return true;
    }
    return false;
}

// One detection file against the directory; false when one of its lines fails.
bool TryDetectionFile(Reporter& report, const DetectionFile& file, const std::string& directory,
                      const std::vector<std::string>& directoryFiles, bool forModScan, AutoModMatch& match,
                      AutoModResult& result) {
    if (!file.lines) {
        report.FatalError(Err::CouldntOpenFile, file.fileName);
        return false;
    }
    const std::vector<std::string>& lines = *file.lines;
    match.matchedFiles.clear();
    bool nothingElse = false;
    result.usualDirectory = lines.empty() ? std::string() : lines.front();
    for (std::size_t next = 1; next < lines.size(); ++next) {
        const std::string& line = lines[next];
        if (EqualsIgnoringCase(line, "nothingelse")) {
            nothingElse = true;
        } else if (EqualsIgnoringCase(line, "noentry")) {
            result.noEntry = true;
        } else if (EqualsIgnoringCase(line, "onlyformodscan")) {
            if (!forModScan) return false;
        } else {
            Condition condition;
            if (!ParseCondition(line, condition)) {
                report.FatalError(Err::InvalidAutoModFile, file.fileName);
                return false;
            }
            const bool holds = condition.op == '#'
                                   ? CheckFileContains(report, match, directory, condition.file, condition.value)
                                   : CheckFileSize(report, match, directory, condition.file, condition.op,
                                                   TextToIntDef(condition.value));
            if (!holds) return false;
        }
    }
    return !nothingElse || match.matchedFiles == directoryFiles;
}

}  // namespace

bool IsCfgOrAasFile(const std::string& name) {
    return EndsWithIgnoringCase(name, ".cfg") || EndsWithIgnoringCase(name, ".aas");
}

std::string NormaliseAutoModDirectory(const std::string& directory) {
    std::string path = WithoutTrailingSeparator(directory);
    const std::string currentDir = std::string(1, kPathSeparator) + ".";
    if (path.size() > currentDir.size() && path.ends_with(currentDir)) path.resize(path.size() - currentDir.size());
    return path;
}

std::string ModNameOfDetectionFile(const std::string& fileName) {
    if (!fileName.starts_with('#')) return fileName;
    const auto second = fileName.find('#', 1);
    return second == std::string::npos ? fileName : fileName.substr(second + 1);
}

bool IsIgnoredModName(const std::string& modName) { return StartsWithIgnoringCase(modName, "IGNORE."); }

bool CheckFileSize(Reporter& report, AutoModMatch& match, const std::string& directory, const std::string& file,
                   char op, long long value) {
    const std::string path = ConditionPath(directory, file);
    const auto& entry = LookUpOnce(match, path);
    if (!entry) return op == '=' && value == -1;
    RecordMatchedFile(match, path);
    const long long size = entry->isDirectory ? 0 : static_cast<long long>(entry->size);
    switch (op) {
        case '<': return size < value;
        case '=': return size == value;
        case '>': return size > value;
        default:
            report.FatalError(Err::InvalidAutoModFile, "During AutoMOD");
            return false;
    }
}

bool CheckFileContains(Reporter& report, AutoModMatch& match, const std::string& directory, const std::string& file,
                       const std::string& text) {
    if (!CheckFileSize(report, match, directory, file, '>', -1) || text.empty()) return false;
    const std::string path = ResolveCase(ConditionPath(directory, file));
    std::ifstream stream;
    if (RegularFileExists(path)) stream.open(NativePath(path), std::ios::binary);
    if (!stream.is_open()) {
        report.ShowError(Err::CouldntOpenFile, file);
        return false;
    }
    std::vector<char> buffer(kBlockSize);
    std::size_t total = 0;
    bool found = false;
    while (!found && total < kMostBytesSearched) {
        stream.read(buffer.data(), kBlockSize);
        const auto count = static_cast<std::size_t>(stream.gcount());
        if (count == 0) break;
        total += count;
        found = ContainsAt(buffer, count, text);
        if (stream.eof() || stream.peek() == std::char_traits<char>::eof()) break;
        // A text cut by the block border is seen whole in the next block.
        stream.seekg(-static_cast<std::streamoff>(std::min(count, text.size() + 1)), std::ios::cur);
    }
    return found;
}

std::vector<std::string> DirectoryFiles(const std::string& directory) {
    const std::string normalised = NormaliseAutoModDirectory(directory);
    std::vector<std::string> files;
    for (const std::string& name : ListNames(normalised, EntryKind::File))
        if (!IsCfgOrAasFile(name)) files.push_back(LowerCaseAscii(JoinPath(normalised, name)));
    std::sort(files.begin(), files.end());
    return files;
}

std::vector<std::string> DetectionFilesInTrialOrder(const std::string& autoModDir) {
    std::vector<std::string> names = ListNames(autoModDir, EntryKind::File);
    SortAsListBox(names);
    std::reverse(names.begin(), names.end());
    return names;
}

std::vector<DetectionFile> ReadDetectionFiles(const std::string& autoModDir) {
    std::vector<DetectionFile> files;
    for (const std::string& fileName : DetectionFilesInTrialOrder(autoModDir)) {
        DetectionFile& file = files.emplace_back();
        file.fileName = fileName;
        if (std::vector<std::string> lines; ReadAllLines(JoinPath(autoModDir, fileName), lines)) file.lines = std::move(lines);
    }
    return files;
}

AutoModResult DetectModByAutoModFiles(Korvex& app, const std::string& directory, bool forModScan) {
    return DetectModByAutoModFiles(app, ReadDetectionFiles(app.paths.autoMod), directory, forModScan);
}

AutoModResult DetectModByAutoModFiles(Korvex& app, const std::vector<DetectionFile>& detectionFiles,
                                      const std::string& directory, bool forModScan) {
    const std::vector<std::string> directoryFiles = DirectoryFiles(directory);
    AutoModResult result;
    AutoModMatch match;
    for (const DetectionFile& file : detectionFiles) {
        AutoModResult attempt;
        const bool matches = TryDetectionFile(app.report, file, directory, directoryFiles, forModScan, match, attempt);
        result.noEntry = attempt.noEntry;
        if (app.report.shuttingDown) return result;
        if (matches) {
            result.found = true;
            result.modName = ModNameOfDetectionFile(file.fileName);
            result.usualDirectory = attempt.usualDirectory;
            return result;
        }
    }
    return result;
}

}  // namespace korvex
