#include "compiler/OptionsCfg.h"

#include "compiler/CompileJob.h"
#include "compiler/NativeEngineCvars.h"
#include "compiler/OptionControls.h"

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
    // "set <variable> <value>" with the option's own variable; SetQuoted puts the text between quotes.
    void SetVariable(Option option, const std::string& value) { Add("set " + ControlOf(option).cvar + " " + value); }
    void SetQuoted(Option option) { SetVariable(option, "\"" + job_.Text(option) + "\""); }
    // "set <name> \"1\"" when the check box is on, "\"0\"" when off.
    void Switch(const std::string& name, Option option, bool on = true) {
        Add("set " + name + (job_.Flag(option) == on ? " \"1\"" : " \"0\""));
    }
    void Switch(Option option, bool on = true) { Switch(ControlOf(option).cvar, option, on); }

    void General() {
        Add("// General");
        Switch(Option::General1);
        Switch("view_weapons", Option::General1);
        Switch(Option::General2);
        SetQuoted(Option::General3);
        if (job_.Flag(Option::General4)) SetVariable(Option::General4, "\"0\"");
        SetVariable(Option::General5, job_.Text(Option::General5));
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
            Switch(Option::Video7);
            Switch(Option::Video8);
            Switch(Option::Video9);
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
        Switch(Option::Sound4, false);
        Add("snd_restart");
        Add("");
    }

    void Mouse() {
        Add("// Mouse");
        Set(Option::Mouse1);
        SetVariable(Option::Mouse2, job_.Text(Option::Mouse2));
        SetVariable(Option::Mouse3, job_.Text(Option::Mouse3));
        for (Option option : {Option::Mouse5, Option::Mouse6, Option::Mouse7, Option::Mouse8}) Switch(option);
        Add("");
    }

    void Character() {
        Add("// Character");
        SetQuoted(Option::Character8);
        SetVariable(Option::Character1, job_.Text(Option::Character1) + "/" + job_.Text(Option::Character2));
        Set(Option::Character3);
        Set(Option::Character4);
        Switch(Option::Character5);
        Set(Option::Character6);
        Set(Option::Character7);
        Add("");
    }

    void Server() {
        Add("// Server");
        SetQuoted(Option::Server1);
        // A native client does not know the bare maxclients command while its autoexec runs.
        SetQuoted(Option::Server2);
        for (Option option : {Option::Server7, Option::Server3, Option::Server4, Option::Server5, Option::Server6})
            Switch(option);
    }

    const CompileJob& job_;
    std::vector<std::string> lines_;
};

}  // namespace

std::vector<std::string> OptionsCfgLines(const CompileJob& job) { return OptionsCfgBuilder(job).Build(); }

}  // namespace korvex
