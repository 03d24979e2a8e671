#include "compiler/OptionsCfg.h"

#include "compiler/CompileJob.h"
#include "compiler/NativeEngineCvars.h"

namespace korvex {
namespace {

class OptionsCfgBuilder {
public:
    explicit OptionsCfgBuilder(const CompileJob& job) : job_(job) {}

    std::vector<std::string> Build() {
        General();
        Video();
        Sound();
        Mouse();
        Character();
        Server();
        return std::move(lines_);
    }

private:
    // The option's own line stays for the original game; a native engine's follows it.
    void Add(std::string line) {
        const auto native = job_.nativeEngine ? NativeEngineLine(line) : std::nullopt;
        lines_.push_back(std::move(line));
        if (native) lines_.push_back(*native);
    }
    void Set(Option option) { Add("set " + job_.Text(option)); }
    // "set <name> \"1\"" when the check box is on, "\"0\"" when off.
    void Switch(const std::string& name, Option option, bool on = true) {
        Add("set " + name + (job_.Flag(option) == on ? " \"1\"" : " \"0\""));
    }

    void General() {
        Add("// General");
        Switch("cl_vwep", Option::General1);
        Switch("view_weapons", Option::General1);
        Switch("g_select_empty", Option::General2);
        Add("set con_notify \"" + job_.Text(Option::General3) + "\"");
        if (job_.Flag(Option::General4)) Add("set win_noalttab \"0\"");
        Add("set fov " + job_.Text(Option::General5));
        Add("set in_mouse 0");
        Add("set in_joy 0");
        Add("");
    }

    void Video() {
        const bool gl = !job_.softwareDriver;
        const bool sightImprovement = job_.Flag(Option::Video10);
        Add("// Video");
        Set(Option::Video1);
        Add("set " + job_.glDriverText);
        Set(Option::Video2);
        Set(Option::Video3);
        if (!sightImprovement) Set(Option::Video4);
        if (!sightImprovement) Set(Option::Video5);
        if (gl && !job_.playerMipText.empty()) Add("set " + job_.playerMipText);
        if (gl && !sightImprovement) Set(Option::Video6);
        if (gl) {
            Switch("gl_shadows", Option::Video7);
            Switch("gl_ext_palettedtexture", Option::Video8);
            Switch("gl_finish", Option::Video9);
        }
        if (sightImprovement && gl) {
            Add("set gl_polyblend \"0\"");
            Add("set gl_modulate \"5\"");
            Add("set vid_gamma \"1.0\"");
        } else if (sightImprovement) {
            Add("set cl_blend \"0\"");
            Add("set sw_stipplealpha \"0\"");
            Add("set vid_gamma \"0.6\"");
        } else {
            Add(gl ? "set gl_polyblend \"1\"" : "set cl_blend \"1\"");
        }
        Add("");
    }

    void Sound() {
        Add("// Sound");
        Set(Option::Sound1);
        Set(Option::Sound2);
        Add("set " + job_.soundBitsText);
        Set(Option::Sound3);
        Switch("cd_nocd", Option::Sound4, false);
        Add("snd_restart");
        Add("");
    }

    void Mouse() {
        Add("// Mouse");
        Set(Option::Mouse1);
        Add("set m_pitch " + job_.Text(Option::Mouse2));
        Add("set m_yaw " + job_.Text(Option::Mouse3));
        Switch("lookspring", Option::Mouse5);
        Switch("lookstrafe", Option::Mouse6);
        Switch("freelook", Option::Mouse7);
        Switch("m_filter", Option::Mouse8);
        Add("");
    }

    void Character() {
        Add("// Character");
        Add("set name \"" + job_.Text(Option::Character8) + "\"");
        Add("set skin " + job_.Text(Option::Character1) + "/" + job_.Text(Option::Character2));
        Set(Option::Character3);
        Set(Option::Character4);
        Switch("cl_run", Option::Character5);
        Set(Option::Character6);
        Set(Option::Character7);
        Add("");
    }

    void Server() {
        Add("// Server");
        Add("set hostname \"" + job_.Text(Option::Server1) + "\"");
        // A native client does not know the bare maxclients command while its autoexec runs.
        Add("set maxclients \"" + job_.Text(Option::Server2) + "\"");
        Switch("allow_download", Option::Server7);
        Switch("allow_download_maps", Option::Server3);
        Switch("allow_download_players", Option::Server4);
        Switch("allow_download_models", Option::Server5);
        Switch("allow_download_sounds", Option::Server6);
    }

    const CompileJob& job_;
    std::vector<std::string> lines_;
};

}  // namespace

std::vector<std::string> OptionsCfgLines(const CompileJob& job) { return OptionsCfgBuilder(job).Build(); }

}  // namespace korvex
