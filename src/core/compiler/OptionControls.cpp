#include "compiler/OptionControls.h"

#include <array>

#include "platform/Text.h"

namespace korvex {
namespace {

// "<from>% <what>" up to "<to>% <what>".
std::vector<std::string> PercentItems(int from, int to, int step, const std::string& what) {
    std::vector<std::string> items;
    for (int percent = from; percent <= to; percent += step) items.push_back(std::to_string(percent) + "% " + what);
    return items;
}

std::vector<std::string> SensitivityItems() {
    std::vector<std::string> items{"1% sensitivity"};
    const auto rest = PercentItems(5, 100, 5, "sensitivity");
    items.insert(items.end(), rest.begin(), rest.end());
    return items;
}

OptionControl Check(Option option, std::string caption) { return {option, ControlKind::CheckBox, std::move(caption), {}, {}, {}, {}}; }

OptionControl Edit(Option option, std::string caption) { return {option, ControlKind::Edit, std::move(caption), {}, {}, {}, {}}; }

OptionControl Combo(Option option, std::string prompt, std::vector<std::string> items, std::string caption = {}) {
    return {option, ControlKind::ComboBox, std::move(caption), std::move(prompt), std::move(items), {}, {}};
}

// Each row holds an item and its console value, so the two lists cannot drift apart.
struct ItemValue {
    const char* item;
    const char* value;
};

OptionControl ValuedCombo(Option option, std::string prompt, std::initializer_list<ItemValue> rows) {
    OptionControl control = Combo(option, std::move(prompt), {});
    for (const ItemValue& row : rows) {
        control.items.push_back(row.item);
        control.values.push_back(row.value);
    }
    return control;
}

OptionControl VideoDriverCombo() {
    OptionControl control = Combo(Option::Video1, kVideoDriverPrompt, {});
    for (const VideoDriverRow& row : VideoDrivers()) control.items.push_back(row.item);
    return control;
}

// In the order of options.dat.
constexpr std::array<const char*, kOptionCount> kHints = {
    "show the weapon each player carries (visible weapons)",
    "let Quake II switch to a weapon that has no ammunition left",
    "how many seconds messages stay at the top of the screen",
    "keep Alt+Tab from switching away from the game",
    "the renderer Quake II draws with: software or OpenGL",
    "the screen resolution of the game",
    "how much of the screen the game view fills",
    "how bright the game is drawn",
    "here you can choose the quality of the textures used while playing Quake II",
    "how strongly the OpenGL renderer lights the textures",
    "draw the shadows of players and monsters (OpenGL)",
    "use 8-bit paletted textures where the graphics card supports them (OpenGL)",
    "wait for the graphics card after every frame: smoother on some cards, slower on most",
    "brighter colours and no screen flashes, so enemies are easier to see; sets brightness, textures and "
    "light itself",
    "the loudness of the game's sounds",
    "the sample rate of the game's sounds: low saves memory, high sounds better",
    "how Quake II talks to the sound card: max compatibility works everywhere, max performance is faster",
    "play the music of the game CD",
    "how far the view turns when you move the mouse",
    "how fast the view looks up and down with the mouse",
    "how fast the view turns left and right with the mouse",
    "turn the mouse's up and down around",
    "the view springs back to the middle when you release the mouse-look key",
    "the mouse moves you sideways instead of turning while the strafe key is held",
    "the mouse always looks around, up and down included",
    "smooth the mouse movement",
    "the model other players see you as",
    "the skin of the chosen model",
    "the crosshair in the middle of the screen",
    "whether your character sounds male or female",
    "run all the time; the run key then walks",
    "which hand holds the weapon",
    "the speed of your connection to the game server",
    "the name other players see",
    "the name of the server you start",
    "how many players may join the server you start",
    "fetch maps the server has and you do not",
    "fetch player models and skins the server has and you do not",
    "fetch models the server has and you do not",
    "fetch sounds the server has and you do not",
    "let players on the server you start fetch files from your computer",
    "how wide the view is, in degrees",
};

std::array<OptionControl, kOptionCount> BuildControls() {
    using O = Option;
    std::array<OptionControl, kOptionCount> c{
        Check(O::General1, "Enable visible weapons"),
        Check(O::General2, "Allow switching to empty weapon"),
        Edit(O::General3, "Message-Display-Time"),
        Check(O::General4, "Disable Alt+Tab (Task-Switching)"),
        VideoDriverCombo(),
        Combo(O::Video2, "Video mode",
              {"320x240", "400x300", "512x384", "640x480", "800x600", "960x720", "1024x768", "1152x864", "1280x960",
               "1600x1200"}),
        Combo(O::Video3, "Screen size", PercentItems(40, 100, 10, "screen size")),
        Combo(O::Video4, "Brightness", PercentItems(20, 100, 10, "brightness")),
        Combo(O::Video5, "GL Texture quality", VideoTextureItems(false)),
        Combo(O::Video6, "GL Light Intensity", PercentItems(20, 100, 20, "GL light intensity")),
        Check(O::Video7, "Shadows"),
        Check(O::Video8, "8-bit textures"),
        Check(O::Video9, "Sync every frame"),
        Check(O::Video10, "Sight improvement"),
        Combo(O::Sound1, "Effects volume", PercentItems(0, 100, 10, "effects volume")),
        Combo(O::Sound2, "Sound quality", {"low sound quality", "high sound quality"}),
        Combo(O::Sound3, "Sound compatibility", {"max compatibility", "max performance"}),
        Check(O::Sound4, "CD music"),
        Combo(O::Mouse1, "Sensitivity", SensitivityItems()),
        Combo(O::Mouse2, "Pitch Speed", PercentItems(10, 100, 10, "pitch speed")),
        Combo(O::Mouse3, "Yaw Speed", PercentItems(10, 100, 10, "yaw speed")),
        Check(O::Mouse4, "Invert"),
        Check(O::Mouse5, "Lookspring"),
        Check(O::Mouse6, "Lookstrafe"),
        Check(O::Mouse7, "Freelook"),
        Check(O::Mouse8, "Filter"),
        // The model and skin lists come from the game directory, not from this table.
        Combo(O::Character1, "Model", {}),
        Combo(O::Character2, "Skin", {}),
        Combo(O::Character3, "Crosshair",
              {"no crosshair", "\"cross\"-crosshair", "\"dot\"-crosshair", "\"angle\"-crosshair"}),
        ValuedCombo(O::Character4, "Gender",
                    {{"no gender", "gender \"none\""}, {"male gender", "gender \"male\""},
                     {"female gender", "gender \"female\""}}),
        Check(O::Character5, "Always run"),
        Combo(O::Character6, "Handedness", {"right-handed", "left-handed", "center-handed"}),
        ValuedCombo(O::Character7, "Connect Speed",
                    {{"28.8kbit/s", "rate \"2500\""}, {"33.6kbit/s", "rate \"3200\""}, {"Single ISDN", "rate \"5000\""},
                     {"Dual ISDN/Cable", "rate \"10000\""}, {"T1/LAN", "rate \"25000\""}}),
        Edit(O::Character8, "Playername"),
        Edit(O::Server1, "Hostname"),
        Edit(O::Server2, "Maximum number of Players on Server"),
        Check(O::Server3, "Try to download unknown maps"),
        Check(O::Server4, "Try to download unknown player models/skins"),
        Check(O::Server5, "Try to download unknown models"),
        Check(O::Server6, "Try to download unknown sounds"),
        Check(O::Server7, "Allow others to download files from your computer"),
        Combo(O::General5, "", {"70", "80", "90", "100", "110", "120", "130", "140"}, "Field Of View (Degree)"),
    };
    for (int option = 0; option < kOptionCount; ++option) c[option].hint = kHints[option];
    return c;
}

}  // namespace

const std::vector<VideoDriverRow>& VideoDrivers() {
    static const std::vector<VideoDriverRow> drivers{
        {"software", "vid_ref \"soft\"", "sw_allow_modex \"1\"", "sw_mode "},
        {"software with 3dnow!", "vid_ref \"swam\"", "sw_allow_modex \"1\"", "sw_mode "},
        {"OpenGL", "vid_ref \"gl\"", "gl_driver \"opengl32\"", "gl_mode "},
        {"OpenGL with 3dnow!", "vid_ref \"glam\"", "gl_driver \"opengl32\"", "gl_mode "},
        {"3dfx", "vid_ref \"gl\"", "gl_driver \"3dfxgl\"", "gl_mode "},
        {"3dfx with 3dnow!", "vid_ref \"glam\"", "gl_driver \"3dfxglam\"", "gl_mode "},
    };
    return drivers;
}

std::vector<std::string> VideoTextureItems(bool softwareFamily) {
    if (softwareFamily) return {"software texturing: no stipple alpha", "software texturing: stipple alpha"};
    return PercentItems(25, 100, 25, "texture quality");
}

const OptionControl& ControlOf(Option option) {
    static const std::array<OptionControl, kOptionCount> controls = BuildControls();
    return controls[static_cast<int>(option)];
}

std::string OptionLabel(Option option) {
    const OptionControl& control = ControlOf(option);
    return control.caption.empty() ? control.prompt : control.caption;
}

bool FindOptionByLabel(const std::string& label, Option& option) {
    for (int index = 0; index < kOptionCount; ++index) {
        if (!EqualsIgnoringCase(OptionLabel(static_cast<Option>(index)), label)) continue;
        option = static_cast<Option>(index);
        return true;
    }
    return false;
}

const std::vector<OptionGroup>& OptionGroups() {
    using O = Option;
    static const std::vector<OptionGroup> groups{
        {"Gerenal", {O::General1, O::General2, O::General3, O::General4, O::General5}},
        {"Video", {O::Video1, O::Video2, O::Video3, O::Video4, O::Video5, O::Video6, O::Video7, O::Video8, O::Video9,
                   O::Video10}},
        {"Sound", {O::Sound1, O::Sound2, O::Sound3, O::Sound4}},
        {"Mouse", {O::Mouse1, O::Mouse2, O::Mouse3, O::Mouse4, O::Mouse5, O::Mouse6, O::Mouse7, O::Mouse8}},
        {"Character", {O::Character8, O::Character1, O::Character2, O::Character3, O::Character4, O::Character5,
                       O::Character6, O::Character7}},
        {"Server", {O::Server1, O::Server2, O::Server7, O::Server3, O::Server4, O::Server5, O::Server6}},
    };
    return groups;
}

}  // namespace korvex
