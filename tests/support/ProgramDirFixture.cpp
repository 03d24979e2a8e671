#include "support/ProgramDirFixture.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/StartUp.h"
#include "platform/Path.h"

namespace korvex {
namespace fs = std::filesystem;

std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream content;
    content << in.rdbuf();
    return content.str();
}

void WriteWholeFile(const std::string& path, const std::string& content) {
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream(path, std::ios::binary | std::ios::trunc) << content;
}

void SetReadOnly(const std::string& path) {
    fs::permissions(path, fs::perms::owner_write, fs::perm_options::remove);
}

std::string JoinLines(const std::vector<std::string>& lines) {
    std::string joined;
    for (const auto& line : lines) joined += line + "\r\n";
    return joined;
}

std::vector<std::string> ModTreeTexts(const ModTree& tree) {
    std::vector<std::string> texts;
    for (const ModNode& mod : tree.mods) texts.push_back(mod.text);
    return texts;
}

ProgramDirFixture::ProgramDirFixture() {
    std::string pattern = (fs::temp_directory_path() / "korvex-test-XXXXXX").string();
    root_ = ::mkdtemp(pattern.data());
    fs::copy(KORVEX_DATA_DIR, programDir(), fs::copy_options::recursive);
    for (const char* dir : {"macros", "automod", "mods"}) fs::create_directories(programDir() + dir);
    fs::remove(programDir() + "korvex.ini");
    fs::copy(KORVEX_SAMPLE_QUAKE_DIR, quakeDir(), fs::copy_options::recursive);
    WriteLines("quakepath.dat", {quakeDir()});
    app_.executablePath = programDir() + "korvex";
    app_.quakeSearchRoots = {root_};
    SetProgramDirs(app_.paths, programDir());
}

ProgramDirFixture::~ProgramDirFixture() {
    std::error_code ignored;
    fs::permissions(root_, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(root_, ignored);
}

std::string ProgramDirFixture::Path(const std::string& relative) const { return JoinPath(programDir(), relative); }

void ProgramDirFixture::Write(const std::string& relative, const std::string& content) const {
    WriteWholeFile(Path(relative), content);
}

void ProgramDirFixture::WriteLines(const std::string& relative, const std::vector<std::string>& lines) const {
    Write(relative, JoinLines(lines));
}

void ProgramDirFixture::WriteMacro(const std::string& file, const std::string& description,
                                   const std::string& category, const std::vector<std::string>& body) const {
    std::vector<std::string> lines{"MACRO_DESC \"" + description + "\"", "MACRO_DETAILDESC \"help\"",
                                   "MACRO_CAT \"" + category + "\""};
    lines.insert(lines.end(), body.begin(), body.end());
    WriteLines("macros/" + file, lines);
}

std::string ProgramDirFixture::Read(const std::string& relative) const { return ReadWholeFile(Path(relative)); }

bool ProgramDirFixture::Exists(const std::string& relative) const { return fs::exists(Path(relative)); }

void ProgramDirFixture::Remove(const std::string& relative) const { fs::remove_all(Path(relative)); }

std::map<std::string, std::string> ProgramDirFixture::Snapshot() const {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(root_))
        if (entry.is_regular_file()) files[entry.path().string()] = ReadWholeFile(entry.path().string());
    return files;
}

}  // namespace korvex
