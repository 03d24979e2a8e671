#include "compiler/NativeEngineCvars.h"

#include <array>

#include "compiler/OptionControls.h"
#include "mods/LaunchFiles.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"
#include "platform/Text.h"

namespace korvex {
namespace {

// The native engine numbers its video modes anew; Video2's row holds its number of each
// resolution.
std::optional<std::string> NativeMode(const std::string& mode) {
    const std::vector<std::string>& modes = ControlOf(Option::Video2).nativeValues;
    const long long position = TextToIntDef(mode);
    if (position < 0 || position >= static_cast<long long>(modes.size())) return std::nullopt;
    return modes[position];
}

// The original game's renderer libraries become the native engine's renderers.
std::optional<std::string> NativeRenderer(const std::string& renderer) {
    if (renderer == "soft" || renderer == "swam") return "soft";
    if (renderer == "gl" || renderer == "glam") return "gl1";
    return std::nullopt;
}

std::optional<std::string> SameValue(const std::string& value) { return value; }

// CD music gave way to music files, switched the other way round.
std::optional<std::string> MusicSwitch(const std::string& noCd) { return noCd == "1" ? "0" : "1"; }

struct Counterpart {
    const char* name;
    const char* nativeName;
    std::optional<std::string> (*value)(const std::string&);
};

constexpr std::array<Counterpart, 6> kCounterparts = {{
    {"con_notify", "con_notifytime", SameValue},
    {"vid_ref", "vid_renderer", NativeRenderer},
    {"sw_mode", "r_mode", NativeMode},
    // The engine takes gl_mode as r_mode by itself, but by its own numbers.
    {"gl_mode", "r_mode", NativeMode},
    {"gl_ext_palettedtexture", "r_palettedtextures", SameValue},
    {"cd_nocd", "ogg_enable", MusicSwitch},
}};

std::string Unquoted(const std::string& value) {
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') return value.substr(1, value.size() - 2);
    return value;
}

}  // namespace

bool HoldsNativeEngine(const std::string& quakeDir) {
    if (IsExecutableFile(JoinPath(quakeDir, "quake2"))) return true;
    const std::string game = ResolveCase(JoinPath(quakeDir, "QUAKE2.EXE"));
    return RegularFileExists(game) && !IsWindowsProgram(game);
}

std::optional<std::string> NativeEngineLine(const std::string& line) {
    if (line.rfind("set ", 0) != 0) return std::nullopt;
    const auto blank = line.find(' ', 4);
    if (blank == std::string::npos) return std::nullopt;
    const std::string name = line.substr(4, blank - 4);
    for (const Counterpart& counterpart : kCounterparts) {
        if (name != counterpart.name) continue;
        const auto value = counterpart.value(Unquoted(line.substr(blank + 1)));
        if (!value) return std::nullopt;
        return "set " + std::string(counterpart.nativeName) + " \"" + *value + "\"";
    }
    return std::nullopt;
}

}  // namespace korvex
