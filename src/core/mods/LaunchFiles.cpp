#include "mods/LaunchFiles.h"

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>

#include "app/CfgBackup.h"
#include "app/Korvex.h"
#include "app/Messages.h"
#include "install/ExecFile.h"
#include "mods/ModCatalogue.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"
#include "platform/Text.h"
#include "platform/TextFile.h"

namespace korvex {
namespace {

const char* MenuOption(long long menu) {
    switch (menu) {
        case 1: return " +menu_main";
        case 2: return " +menu_game";
        case 3: return " +menu_loadgame";
        case 4: return " +menu_multiplayer";
        case 5: return " +menu_joinserver";
        case 6: return " +menu_startserver";
        default: return "";
    }
}

bool IsNativeExecutable(const std::string& path) {
    return RegularFileExists(path) && ::access(path.c_str(), X_OK) == 0;
}

// Every entry of directory named name in any letter case; the lower-case name when none exists.
std::vector<std::string> SpellingsOf(const std::string& directory, const std::string& name) {
    std::vector<std::string> paths;
    for (const std::string& file : ListNames(directory, EntryKind::File))
        if (EqualsIgnoringCase(file, name)) paths.push_back(JoinPath(directory, file));
    if (paths.empty()) paths.push_back(JoinPath(directory, LowerCaseAscii(name)));
    return paths;
}

// True when no entry has path's own name but one in another letter case does.
bool FindsAnotherSpelling(const std::string& path) {
    return FileExists(path) && FileName(ResolveCase(path)) != FileName(path);
}

void Append(std::vector<std::string>& to, const std::vector<std::string>& more) { to.insert(to.end(), more.begin(), more.end()); }

bool ConfirmDeletion(Reporter& report, const std::string& text) {
    return report.host.ShowMessage(Icon::Warning, text, Buttons::OkCancel) == Button::Ok;
}

// False when the file could not be backed up and the person did not accept losing it.
bool BackUpOrConfirm(Korvex& app, const std::string& path, const std::string& refusal) {
    if (BackupCfgFile(app.report, app.paths, path) || ConfirmDeletion(app.report, "The existing " + path + refusal))
        return true;
    RestoreCfgBackup(app, false);
    return false;
}

void RemoveGameFile(Reporter& report, const std::string& path) {
    if (!FileExists(path)) return;
    ClearReadOnly(path);
    if (!RemoveFile(path)) report.ShowError(Err::CouldntDeleteFile, path);
}

}  // namespace

bool IsWindowsProgram(const std::string& path) {
    if (!RegularFileExists(path)) return false;
    std::ifstream stream(NativePath(ResolveCase(path)), std::ios::binary);
    char magic[2] = {};
    return stream.read(magic, sizeof magic) && magic[0] == 'M' && magic[1] == 'Z';
}

std::string DefaultUserDataDir() {
    const std::string home = HomeDirectory();
    if (home.empty()) return {};
    const std::string yq2 = JoinPath(home, ".yq2");
    if (DirectoryExists(yq2)) return yq2;
    const char* data = std::getenv("XDG_DATA_HOME");
    return JoinPath(data && *data ? Utf8ToCp1252(data) : JoinPath(home, ".local/share"), "YamagiQ2");
}

void SetQuakeProgram(TExecFile& game, const std::string& quakeDir) {
    const std::string native = JoinPath(quakeDir, "quake2");
    const std::string windows = ResolveCase(JoinPath(quakeDir, "QUAKE2.EXE"));
    const bool isNative = IsNativeExecutable(native);
    game.CommandLine = isNative ? native : windows;
    game.Interpreter = !isNative && IsWindowsProgram(windows) ? "wine" : "";
}

std::string GameDirectorySpelling(const std::string& quakeDir, const std::string& directory) {
    const std::string resolved = ResolveCase(JoinPath(quakeDir, directory));
    return DirectoryExists(resolved) ? FileName(resolved) : directory;
}

std::string QuakeParameters(const std::string& gameDirectory, const ModEntry& entry) {
    std::string line = "+set game " + gameDirectory + " +set gamedir " + gameDirectory;
    line += entry.deathmatch ? " +set deathmatch 1" : " +set deathmatch 0";
    const auto mapStart = entry.mapName.find_first_not_of(" \t");
    if (mapStart != std::string::npos) line += " +map " + entry.mapName.substr(mapStart);
    line += " " + entry.commandLineParameters;
    line += MenuOption(entry.menuOnStartup);
    if (line.size() > kMaxParameters) line.resize(kMaxParameters);
    return line;
}

std::vector<std::string> AutoexecLines(const ModEntry* entry, const std::vector<std::string>& additionalCommands) {
    std::vector<std::string> lines = {kGeneratedMarker, "", "exec ../korvex/main.cfg"};
    if (entry && entry->disableDemo) lines.push_back("alias d1 \"toggleconsole\"");
    if (entry && !entry->configLines.empty()) {
        lines.push_back("");
        lines.push_back("// Addtional Commands From MOD-Launcher");
        Append(lines, entry->configLines);
    }
    Append(lines, additionalCommands);
    return lines;
}

std::vector<std::string> LaunchConfigFiles(const ProgramPaths& paths, const LaunchState& launch,
                                           const std::string& modDirPath, const std::string& gameDirectory) {
    std::vector<std::string> files;
    Append(files, SpellingsOf(modDirPath, "CONFIG.CFG"));
    Append(files, SpellingsOf(paths.quakeDir, "CONFIG.CFG"));
    Append(files, SpellingsOf(ResolveCase(JoinPath(paths.quakeDir, "BASEQ2")), "CONFIG.CFG"));
    const std::string userDir = launch.userDataDir;
    if (userDir.empty()) return files;
    for (const std::string& game : {gameDirectory, std::string("baseq2")}) {
        files.push_back(JoinPath(JoinPath(userDir, game), "config.cfg"));
        files.push_back(JoinPath(JoinPath(userDir, game), "autoexec.cfg"));
    }
    return files;
}

std::string AutoexecPath(const std::string& modDirPath) { return JoinPath(modDirPath, "autoexec.cfg"); }

std::vector<std::string> AutoexecFiles(const std::string& modDirPath) {
    std::vector<std::string> files = SpellingsOf(modDirPath, "AUTOEXEC.CFG");
    if (std::find(files.begin(), files.end(), AutoexecPath(modDirPath)) == files.end())
        files.push_back(AutoexecPath(modDirPath));
    return files;
}

std::string AdditionalCommandsFile(const ProgramPaths& paths) { return JoinPath(paths.temp, "addcomm.tmp"); }

bool BuildAutoexec(Reporter& report, const ProgramPaths& paths, const std::string& modDirectory,
                   std::vector<std::string>& lines) {
    const std::string entryPath = JoinPath(paths.mods, modDirectory);
    ModEntry entry;
    bool atEnd = false;
    const bool haveEntry = ReadModEntry(ModEntryPath(paths, modDirectory), entry, atEnd);
    if (!haveEntry) report.ShowError(Err::CouldntOpenFile, entryPath);
    if (haveEntry && !atEnd) {
        report.FatalError(Err::EndOfFileNotReached, entryPath);
        return false;
    }
    std::vector<std::string> additional;
    if (!ReadAllLines(AdditionalCommandsFile(paths), additional)) return false;
    lines = AutoexecLines(haveEntry ? &entry : nullptr, additional);
    return true;
}

bool PrepareLaunchFiles(Korvex& app, const std::string& modDirPath, const std::string& modDirectory) {
    const std::string game = FileName(modDirPath);
    for (const std::string& file : LaunchConfigFiles(app.paths, app.launch, modDirPath, game)) {
        if (!BackUpOrConfirm(app, file, " could not be backuped. If you choose OK this file will be deleted."))
            return false;
        RemoveGameFile(app.report, file);
    }
    // An AUTOEXEC.CFG in another spelling would never run in a native engine; it is put
    // away like the config files and comes back with them. Where it could not be removed,
    // the lower-case name finds it again: it is backed up under its own name already and
    // must not come back under the other one.
    for (const std::string& file : AutoexecFiles(modDirPath)) {
        if (FindsAnotherSpelling(file)) continue;
        if (!BackUpOrConfirm(app, file,
                             " was not created by Korvex and could not be backuped. If you choose OK this file will "
                             "be deleted."))
            return false;
        RemoveGameFile(app.report, file);
    }
    std::vector<std::string> lines;
    if (!BuildAutoexec(app.report, app.paths, modDirectory, lines)) return false;
    return WriteLinesAtomically(AutoexecPath(modDirPath), lines);
}

}  // namespace korvex
