#include "players/PlayerCfg.h"

#include <charconv>

#include "platform/Text.h"

namespace korvex {

bool PlayerCfg::Flag(Option option) const { return TextToBool(Text(option)); }

void PlayerCfg::SetFlag(Option option, bool on) { SetText(option, BoolToText(on)); }

PlayerCfg DefaultPlayerCfg() {
    PlayerCfg cfg;
    cfg.options = {
        "TRUE", "TRUE", "6", "FALSE",
        "Video driver", "Video mode", "Screen size", "Brightness", "GL Texture quality",
        "GL Light Intensity", "TRUE", "TRUE", "FALSE", "TRUE",
        "Effects volume", "Sound quality", "Sound compatibility", "FALSE",
        "Sensitivity", "Pitch Speed", "Yaw Speed", "FALSE", "FALSE", "FALSE", "TRUE", "TRUE",
        "Model", "Skin", "Crosshair", "Gender", "TRUE", "Handedness", "Connect Speed", "",
        "", "24", "TRUE", "TRUE", "TRUE", "TRUE", "FALSE",
        "90",
    };
    return cfg;
}

bool TextToBool(const std::string& text) { return UpperCaseAscii(text) == "TRUE"; }

std::string BoolToText(bool value) { return value ? "TRUE" : "FALSE"; }

long long TextToIntDef(const std::string& text) {
    long long value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    return (error == std::errc() && stop == end && !text.empty()) ? value : 0;
}

double TextToFloatDef(const std::string& text) {
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value, std::chars_format::fixed);
    return (error == std::errc() && stop == end && !text.empty()) ? value : 0;
}

}  // namespace korvex
