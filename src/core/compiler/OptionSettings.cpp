#include "compiler/OptionSettings.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "app/Korvex.h"
#include "compiler/CompileJob.h"
#include "compiler/OptionControls.h"
#include "platform/ListLookup.h"
#include "players/CharacterLists.h"

namespace korvex {
namespace {

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

// Walks the values in their fixed order; every invalid one is reported on the spot.
class Conversion {
public:
    Conversion(Korvex& app, CompileJob& job, bool convert) : app_(app), job_(job), convert_(convert) {}

    MessageCode Run() {
        CheckWhole(Option::General3, "message-display-time");
        CheckWhole(Option::General5, "field of view");
        ConvertVideo();
        ConvertSound();
        ConvertMouse();
        ConvertCharacter();
        CheckWhole(Option::Server2, "maximum number of players");
        return result_;
    }

private:
    void Report(const std::string& detail) {
        ShowError(app_, Err::InvalidInput, detail);
        result_ = Err::InvalidInput;
    }

    void Set(Option option, const std::string& value) {
        if (convert_) job_.player.SetText(option, value);
    }

    // The position of the stored text, or -1 after reporting it (when report is set).
    int Position(Option option, const std::vector<std::string>& items, const std::string& detail, bool report = true) {
        const int position = IndexIgnoringCase(items, job_.Text(option));
        if (position < 0 && report) Report(detail);
        return position;
    }
    int Position(Option option, const std::string& detail) { return Position(option, ControlOf(option).items, detail); }

    void SetValueOfItem(Option option, const std::string& detail) {
        if (const int position = Position(option, detail); position >= 0) Set(option, ControlOf(option).values[position]);
    }

    void CheckWhole(Option option, const std::string& detail) {
        if (!IsWholeNumber(job_.Text(option))) Report(detail);
    }

    void ConvertVideo() {
        const bool sightImprovement = job_.Flag(Option::Video10);
        std::string modePrefix = "gl_mode ";
        const int driver = Position(Option::Video1, "video mode");
        if (driver >= 0) {
            const VideoDriverRow& row = VideoDrivers()[driver];
            modePrefix = row.modePrefix;
            job_.glDriverText = row.glDriver;
            Set(Option::Video1, row.renderer);
        }
        job_.softwareDriver = modePrefix.front() == 's';
        if (const int mode = Position(Option::Video2, "video resolution"); mode >= 0)
            Set(Option::Video2, modePrefix + Quoted(std::to_string(mode)));
        if (const int size = Position(Option::Video3, "screen size"); size >= 0)
            Set(Option::Video3, "viewsize " + Quoted(std::to_string((size + 4) * 10)));
        const int brightness = Position(Option::Video4, ControlOf(Option::Video4).items, "brightness", !sightImprovement);
        if (brightness >= 0) Set(Option::Video4, "vid_gamma " + Quoted(FixedDecimals((13 - brightness) / 10.0, 1)));
        ConvertTexture(driver >= 0, sightImprovement);
        if (job_.softwareDriver) {
            Set(Option::Video6, "");
        } else if (const int light = Position(Option::Video6, ControlOf(Option::Video6).items, "GL light intensity",
                                              !sightImprovement);
                   light >= 0) {
            Set(Option::Video6, "gl_modulate " + Quoted(std::to_string(light + 1)));
        }
    }

    void ConvertTexture(bool driverValid, bool sightImprovement) {
        const bool software = job_.softwareDriver;
        const int position = IndexIgnoringCase(VideoTextureItems(software), job_.Text(Option::Video5));
        if (position < 0) {
            if (!driverValid) Report("GL texture quality/software texturing");
            else if (!sightImprovement) Report(software ? "software texturing" : "GL texture quality");
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
        if (const int volume = Position(Option::Sound1, "effects volume"); volume >= 0)
            Set(Option::Sound1, "s_volume " + Quoted(FixedDecimals(volume / 10.0, 1)));
        if (const int quality = Position(Option::Sound2, "sound quality"); quality >= 0) {
            Set(Option::Sound2, quality == 0 ? "s_khz \"11\"" : "s_khz \"22\"");
            if (convert_) job_.soundBitsText = quality == 0 ? "s_loadas8bit \"1\"" : "s_loadas8bit \"0\"";
        }
        if (const int compatibility = Position(Option::Sound3, "sound compatibility"); compatibility >= 0)
            Set(Option::Sound3, "primary " + Quoted(std::to_string(compatibility)));
    }

    void ConvertMouse() {
        if (const int sensitivity = Position(Option::Mouse1, "mouse sensitivity"); sensitivity >= 0)
            Set(Option::Mouse1, "sensitivity " + Quoted(FixedDecimals(1.0 + sensitivity * 0.5, 1)));
        const std::string sign = job_.Flag(Option::Mouse4) ? "-" : "";
        if (const int pitch = Position(Option::Mouse2, "mouse pitch"); pitch >= 0)
            Set(Option::Mouse2, Quoted(sign + FixedDecimals(pitch / 10.0 * 0.03, 5)));
        if (const int yaw = Position(Option::Mouse3, "mouse yaw"); yaw >= 0)
            Set(Option::Mouse3, Quoted(FixedDecimals(yaw / 10.0 * 0.03, 5)));
    }

    void ConvertCharacter() {
        const std::string modelText = job_.Text(Option::Character1);
        FillModelList(app_);
        FillSkinList(app_, modelText);
        const PlayerCfgControls& lists = app_.player.controls;
        if (Position(Option::Character1, lists.modelItems, "model") >= 0)
            Set(Option::Character1, "\"" + TextAfterColon(modelText));
        if (Position(Option::Character2, lists.skinItems, "skin") >= 0)
            Set(Option::Character2, TextAfterColon(job_.Text(Option::Character2)) + "\"");
        if (const int crosshair = Position(Option::Character3, "crosshair"); crosshair >= 0)
            Set(Option::Character3, "crosshair " + Quoted(std::to_string(crosshair)));
        SetValueOfItem(Option::Character4, "gender");
        if (const int hand = Position(Option::Character6, "handedness"); hand >= 0)
            Set(Option::Character6, "hand " + Quoted(std::to_string(hand)));
        SetValueOfItem(Option::Character7, "connect speed");
    }

    static std::string TextAfterColon(const std::string& text) {
        const auto colon = text.find(": ");
        return colon == std::string::npos ? text : text.substr(colon + 2);
    }

    Korvex& app_;
    CompileJob& job_;
    bool convert_;
    MessageCode result_ = 0;
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

MessageCode ConvertOptionsToCvars(Korvex& app, CompileJob& job, bool convert) {
    return Conversion(app, job, convert).Run();
}

}  // namespace korvex
