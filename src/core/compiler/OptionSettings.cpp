#include "compiler/OptionSettings.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "app/ProgramPaths.h"
#include "app/Reporter.h"
#include "compiler/CompileJob.h"
#include "compiler/OptionControls.h"
#include "platform/ListLookup.h"
#include "players/CharacterLists.h"

namespace korvex {
namespace {

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

// Walks the values in their fixed order; every invalid one is reported on the spot. A
// conversion that only looks for them collects them instead of reporting them.
class Conversion {
public:
    Conversion(Reporter& report, const ProgramPaths& paths, CompileJob& job, bool convert)
        : report_(report), paths_(paths), job_(job), convert_(convert) {}
    Conversion(Reporter& report, const ProgramPaths& paths, CompileJob& job, std::vector<InvalidOption>& found)
        : report_(report), paths_(paths), job_(job), convert_(false), found_(&found) {}

    MessageCode Run() {
        CheckWhole(Option::General3);
        CheckWhole(Option::General5);
        ConvertVideo();
        ConvertSound();
        ConvertMouse();
        ConvertCharacter();
        CheckWhole(Option::Server2);
        return result_;
    }

private:
    void Report(Option option, const std::string& detail) {
        if (found_) {
            found_->push_back({option, detail});
            return;
        }
        report_.ShowError(Err::InvalidInput, detail);
        result_ = Err::InvalidInput;
    }

    void Set(Option option, const std::string& value) {
        if (convert_) job_.player.SetText(option, value);
    }

    // The position of the stored text, or -1 after reporting it (when report is set).
    int Position(Option option, const std::vector<std::string>& items, bool report = true) {
        const int position = IndexIgnoringCase(items, job_.Text(option));
        if (position < 0 && report) Report(option, ControlOf(option).invalidDetail);
        return position;
    }
    int Position(Option option, bool report = true) { return Position(option, ControlOf(option).items, report); }

    // "<variable> \"<value>\"" with the option's own variable.
    void SetVariable(Option option, const std::string& value) {
        Set(option, ControlOf(option).cvar + " " + Quoted(value));
    }

    void SetValueOfItem(Option option) {
        const int position = Position(option);
        if (position >= 0) SetVariable(option, ControlOf(option).values[position]);
    }

    void CheckWhole(Option option) {
        if (!IsWholeNumber(job_.Text(option))) Report(option, ControlOf(option).invalidDetail);
    }

    void ConvertVideo() {
        const bool sightImprovement = job_.Flag(Option::Video10);
        std::string modePrefix = "gl_mode ";
        const int driver = Position(Option::Video1);
        if (driver >= 0) {
            const VideoDriverRow& row = VideoDrivers()[driver];
            modePrefix = row.modePrefix;
            job_.glDriverText = row.glDriver;
            Set(Option::Video1, row.renderer);
        }
        job_.softwareDriver = modePrefix.front() == 's';
        if (const int mode = Position(Option::Video2); mode >= 0)
            Set(Option::Video2, modePrefix + Quoted(std::to_string(mode)));
        if (const int size = Position(Option::Video3); size >= 0)
            SetVariable(Option::Video3, std::to_string((size + 4) * 10));
        if (const int brightness = Position(Option::Video4, !sightImprovement); brightness >= 0)
            SetVariable(Option::Video4, FixedDecimals((13 - brightness) / 10.0, 1));
        ConvertTexture(driver >= 0, sightImprovement);
        if (job_.softwareDriver) {
            Set(Option::Video6, "");
        } else if (const int light = Position(Option::Video6, !sightImprovement); light >= 0) {
            SetVariable(Option::Video6, std::to_string(light + 1));
        }
    }

    void ConvertTexture(bool driverValid, bool sightImprovement) {
        const bool software = job_.softwareDriver;
        const int position = IndexIgnoringCase(VideoTextureItems(software), job_.Text(Option::Video5));
        if (position < 0) {
            if (!driverValid) Report(Option::Video5, "GL texture quality/software texturing");
            else if (!sightImprovement) Report(Option::Video5, software ? "software texturing" : "GL texture quality");
            return;
        }
        if (software) {
            Set(Option::Video5, "sw_stipplealpha " + Quoted(std::to_string(position)));
            if (convert_) job_.playerMipText.clear();
            return;
        }
        Set(Option::Video5, "gl_picmip " + Quoted(std::to_string(3 - position)));
        if (convert_) job_.playerMipText = "gl_playermip " + Quoted(std::to_string(3 - position));
    }

    void ConvertSound() {
        if (const int volume = Position(Option::Sound1); volume >= 0)
            SetVariable(Option::Sound1, FixedDecimals(volume / 10.0, 1));
        if (const int quality = Position(Option::Sound2); quality >= 0) {
            SetVariable(Option::Sound2, quality == 0 ? "11" : "22");
            if (convert_) job_.soundBitsText = quality == 0 ? "s_loadas8bit \"1\"" : "s_loadas8bit \"0\"";
        }
        if (const int compatibility = Position(Option::Sound3); compatibility >= 0)
            SetVariable(Option::Sound3, std::to_string(compatibility));
    }

    void ConvertMouse() {
        if (const int sensitivity = Position(Option::Mouse1); sensitivity >= 0)
            SetVariable(Option::Mouse1, FixedDecimals(1.0 + sensitivity * 0.5, 1));
        const std::string sign = job_.Flag(Option::Mouse4) ? "-" : "";
        if (const int pitch = Position(Option::Mouse2); pitch >= 0)
            Set(Option::Mouse2, Quoted(sign + FixedDecimals(pitch / 10.0 * 0.03, 5)));
        if (const int yaw = Position(Option::Mouse3); yaw >= 0)
            Set(Option::Mouse3, Quoted(FixedDecimals(yaw / 10.0 * 0.03, 5)));
    }

    void ConvertCharacter() {
        const std::string modelText = job_.Text(Option::Character1);
        if (Position(Option::Character1, ModelItems(paths_)) >= 0)
            Set(Option::Character1, "\"" + TextAfterColon(modelText));
        if (Position(Option::Character2, SkinItems(paths_, modelText)) >= 0)
            Set(Option::Character2, TextAfterColon(job_.Text(Option::Character2)) + "\"");
        if (const int crosshair = Position(Option::Character3); crosshair >= 0)
            SetVariable(Option::Character3, std::to_string(crosshair));
        SetValueOfItem(Option::Character4);
        if (const int hand = Position(Option::Character6); hand >= 0)
            SetVariable(Option::Character6, std::to_string(hand));
        SetValueOfItem(Option::Character7);
    }

    static std::string TextAfterColon(const std::string& text) {
        const auto colon = text.find(": ");
        return colon == std::string::npos ? text : text.substr(colon + 2);
    }

    Reporter& report_;
    const ProgramPaths& paths_;
    CompileJob& job_;
    bool convert_;
    MessageCode result_ = 0;
    std::vector<InvalidOption>* found_ = nullptr;
};

}  // namespace

bool IsWholeNumber(const std::string& text) {
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    return !text.empty() && error == std::errc() && stop == end && std::isfinite(value) && std::trunc(value) == value;
}

VideoDriver ValidateVideoDriver(const std::string& text) {
    const int position = IndexIgnoringCase(ControlOf(Option::Video1).items, text);
    if (position < 0) return {};
    return {true, std::string(VideoDrivers()[position].modePrefix).front() == 's'};
}

std::string FixedDecimals(double value, int decimals) {
    if (value == 0) value = 0;  // a negative zero prints as "-0.0"
    const int length = std::snprintf(nullptr, 0, "%.*f", decimals, value);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    std::snprintf(text.data(), text.size(), "%.*f", decimals, value);
    text.resize(static_cast<std::size_t>(length));
    return text;
}

MessageCode ConvertOptionsToCvars(Reporter& report, const ProgramPaths& paths, CompileJob& job, bool convert) {
    return Conversion(report, paths, job, convert).Run();
}

std::string InvalidOptionDetail(Reporter& report, const ProgramPaths& paths, const PlayerCfg& player, Option option) {
    if (IsFlagOption(option)) {
        const std::string& text = player.Text(option);
        return text == "TRUE" || text == "FALSE" ? "" : "TRUE or FALSE";
    }
    for (const InvalidOption& invalid : FindInvalidOptions(report, paths, player))
        if (invalid.option == option) return invalid.detail;
    return "";
}

std::vector<InvalidOption> FindInvalidOptions(Reporter& report, const ProgramPaths& paths, const PlayerCfg& player) {
    CompileJob job;
    job.player = player;
    std::vector<InvalidOption> found;
    Conversion(report, paths, job, found).Run();
    return found;
}

}  // namespace korvex
