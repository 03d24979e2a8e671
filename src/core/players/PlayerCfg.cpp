#include "players/PlayerCfg.h"


#include "platform/Text.h"

namespace korvex {

bool PlayerCfg::Flag(Option option) const { return TextToBool(Text(option)); }

void PlayerCfg::SetFlag(Option option, bool on) { SetText(option, BoolToText(on)); }

bool IsFlagOption(Option option) {
    switch (option) {
        case Option::General1: case Option::General2: case Option::General4:
        case Option::Video7: case Option::Video8: case Option::Video9: case Option::Video10:
        case Option::Sound4:
        case Option::Mouse4: case Option::Mouse5: case Option::Mouse6: case Option::Mouse7: case Option::Mouse8:
        case Option::Character5:
        case Option::Server3: case Option::Server4: case Option::Server5: case Option::Server6: case Option::Server7:
            return true;
        default:
            return false;
    }
}

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

}  // namespace korvex
