#include "compiler/OptionControls.h"

#include <array>
#include <type_traits>

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

std::vector<std::string> VideoDriverItems() {
    std::vector<std::string> items;
    for (const VideoDriverRow& row : VideoDrivers()) items.push_back(row.item);
    return items;
}

// Each pair holds an item and what goes with it, so the two lists cannot drift apart.
struct ItemValue {
    const char* item;
    const char* value;
};

OptionRow WithItems(OptionRow row, std::vector<std::string> OptionRow::*values,
                    std::initializer_list<ItemValue> pairs) {
    for (const ItemValue& pair : pairs) {
        row.items.push_back(pair.item);
        (row.*values).push_back(pair.value);
    }
    return row;
}

using O = Option;
using G = InheritPart;
constexpr ControlKind kCheck = ControlKind::CheckBox;
constexpr ControlKind kEdit = ControlKind::Edit;
constexpr ControlKind kCombo = ControlKind::ComboBox;

std::vector<OptionRow> BuildRows() {
    const OptionRow rows[] = {
        {.option = O::General1, .name = "General1", .group = G::General, .kind = kCheck,
         .caption = "Enable visible weapons", .defaultValue = "TRUE",
         .hint = "show the weapon each player carries (visible weapons)", .cvar = "cl_vwep",
         .printedLabel = "visible weapons"},
        {.option = O::General2, .name = "General2", .group = G::General, .kind = kCheck,
         .caption = "Allow switching to empty weapon", .defaultValue = "TRUE",
         .hint = "let Quake II switch to a weapon that has no ammunition left", .cvar = "g_select_empty",
         .printedLabel = "allow switching to empty weapon"},
        {.option = O::General3, .name = "General3", .group = G::General, .kind = kEdit,
         .caption = "Message-Display-Time", .defaultValue = "6",
         .hint = "how many seconds messages stay at the top of the screen", .cvar = "con_notify",
         .invalidDetail = "message-display-time", .printedLabel = "message display time"},
        {.option = O::General4, .name = "General4", .group = G::General, .kind = kCheck,
         .caption = "Disable Alt+Tab (Task-Switching)", .defaultValue = "FALSE",
         .hint = "keep Alt+Tab from switching away from the game", .cvar = "win_noalttab",
         .printedLabel = "disable Alt+Tab"},
        // The field of view came last to options.dat and travels with the Server options.
        {.option = O::General5, .name = "General5", .group = G::General, .kind = kCombo,
         .caption = "Field Of View (Degree)", .items = {"70", "80", "90", "100", "110", "120", "130", "140"},
         .defaultValue = "90", .hint = "how wide the view is, in degrees", .cvar = "fov",
         .invalidDetail = "field of view", .printedLabel = "field of view", .inheritedWith = G::Server},
        // The driver decides the variables of the renderer, the mode and the textures.
        {.option = O::Video1, .name = "Video1", .group = G::Video, .kind = kCombo, .prompt = kVideoDriverPrompt,
         .items = VideoDriverItems(), .hint = "the renderer Quake II draws with: software or OpenGL",
         .invalidDetail = "video mode", .printedLabel = "video driver"},
        WithItems({.option = O::Video2, .name = "Video2", .group = G::Video, .kind = kCombo, .prompt = "Video mode",
                   .hint = "the screen resolution of the game", .invalidDetail = "video resolution",
                   .printedLabel = "resolution"},
                  &OptionRow::nativeValues,
                  {{"320x240", "0"}, {"400x300", "1"}, {"512x384", "2"}, {"640x480", "4"}, {"800x600", "6"},
                   {"960x720", "7"}, {"1024x768", "10"}, {"1152x864", "12"}, {"1280x960", "15"},
                   {"1600x1200", "19"}}),
        {.option = O::Video3, .name = "Video3", .group = G::Video, .kind = kCombo, .prompt = "Screen size",
         .items = PercentItems(40, 100, 10, "screen size"), .hint = "how much of the screen the game view fills",
         .cvar = "viewsize", .invalidDetail = "screen size", .printedLabel = "video values"},
        {.option = O::Video4, .name = "Video4", .group = G::Video, .kind = kCombo, .prompt = "Brightness",
         .items = PercentItems(20, 100, 10, "brightness"), .hint = "how bright the game is drawn",
         .cvar = "vid_gamma", .invalidDetail = "brightness"},
        {.option = O::Video5, .name = "Video5", .group = G::Video, .kind = kCombo, .prompt = "GL Texture quality",
         .items = VideoTextureItems(false),
         .hint = "here you can choose the quality of the textures used while playing Quake II"},
        {.option = O::Video6, .name = "Video6", .group = G::Video, .kind = kCombo, .prompt = "GL Light Intensity",
         .items = PercentItems(20, 100, 20, "GL light intensity"),
         .hint = "how strongly the OpenGL renderer lights the textures", .cvar = "gl_modulate",
         .invalidDetail = "GL light intensity"},
        {.option = O::Video7, .name = "Video7", .group = G::Video, .kind = kCheck, .caption = "Shadows",
         .defaultValue = "TRUE", .hint = "draw the shadows of players and monsters (OpenGL)", .cvar = "gl_shadows",
         .printedLabel = "shadows"},
        {.option = O::Video8, .name = "Video8", .group = G::Video, .kind = kCheck, .caption = "8-bit textures",
         .defaultValue = "TRUE",
         .hint = "use 8-bit paletted textures where the graphics card supports them (OpenGL)",
         .cvar = "gl_ext_palettedtexture", .printedLabel = "8-bit textures"},
        {.option = O::Video9, .name = "Video9", .group = G::Video, .kind = kCheck, .caption = "Sync every frame",
         .defaultValue = "FALSE",
         .hint = "wait for the graphics card after every frame: smoother on some cards, slower on most",
         .cvar = "gl_finish", .printedLabel = "sync every frame"},
        {.option = O::Video10, .name = "Video10", .group = G::Video, .kind = kCheck, .caption = "Sight improvement",
         .defaultValue = "TRUE",
         .hint = "brighter colours and no screen flashes, so enemies are easier to see; sets brightness, textures "
                 "and light itself",
         .printedLabel = "sight improvement"},
        {.option = O::Sound1, .name = "Sound1", .group = G::Sound, .kind = kCombo, .prompt = "Effects volume",
         .items = PercentItems(0, 100, 10, "effects volume"), .hint = "the loudness of the game's sounds",
         .cvar = "s_volume", .invalidDetail = "effects volume", .printedLabel = "sound values"},
        {.option = O::Sound2, .name = "Sound2", .group = G::Sound, .kind = kCombo, .prompt = "Sound quality",
         .items = {"low sound quality", "high sound quality"},
         .hint = "the sample rate of the game's sounds: low saves memory, high sounds better", .cvar = "s_khz",
         .invalidDetail = "sound quality", .printedLabel = "sound quality"},
        {.option = O::Sound3, .name = "Sound3", .group = G::Sound, .kind = kCombo, .prompt = "Sound compatibility",
         .items = {"max compatibility", "max performance"},
         .hint = "how Quake II talks to the sound card: max compatibility works everywhere, max performance is "
                 "faster",
         .cvar = "primary", .invalidDetail = "sound compatibility", .printedLabel = "sound compatibilty"},
        // The variable says whether there is no CD: on when the check box is off.
        {.option = O::Sound4, .name = "Sound4", .group = G::Sound, .kind = kCheck, .caption = "CD music",
         .defaultValue = "FALSE", .hint = "play the music of the game CD", .cvar = "cd_nocd",
         .printedLabel = "play cd-music"},
        {.option = O::Mouse1, .name = "Mouse1", .group = G::Mouse, .kind = kCombo, .prompt = "Sensitivity",
         .items = SensitivityItems(), .hint = "how far the view turns when you move the mouse", .cvar = "sensitivity",
         .invalidDetail = "mouse sensitivity", .printedLabel = "mouse values"},
        {.option = O::Mouse2, .name = "Mouse2", .group = G::Mouse, .kind = kCombo, .prompt = "Pitch Speed",
         .items = PercentItems(10, 100, 10, "pitch speed"),
         .hint = "how fast the view looks up and down with the mouse",
         .cvar = "m_pitch", .invalidDetail = "mouse pitch"},
        {.option = O::Mouse3, .name = "Mouse3", .group = G::Mouse, .kind = kCombo, .prompt = "Yaw Speed",
         .items = PercentItems(10, 100, 10, "yaw speed"),
         .hint = "how fast the view turns left and right with the mouse",
         .cvar = "m_yaw", .invalidDetail = "mouse yaw"},
        // Invert gives the pitch value its sign.
        {.option = O::Mouse4, .name = "Mouse4", .group = G::Mouse, .kind = kCheck, .caption = "Invert",
         .defaultValue = "FALSE", .hint = "turn the mouse's up and down around", .printedLabel = "invert"},
        {.option = O::Mouse5, .name = "Mouse5", .group = G::Mouse, .kind = kCheck, .caption = "Lookspring",
         .defaultValue = "FALSE", .hint = "the view springs back to the middle when you release the mouse-look key",
         .cvar = "lookspring", .printedLabel = "lookspring"},
        {.option = O::Mouse6, .name = "Mouse6", .group = G::Mouse, .kind = kCheck, .caption = "Lookstrafe",
         .defaultValue = "FALSE",
         .hint = "the mouse moves you sideways instead of turning while the strafe key is held",
         .cvar = "lookstrafe", .printedLabel = "lookstrafe"},
        {.option = O::Mouse7, .name = "Mouse7", .group = G::Mouse, .kind = kCheck, .caption = "Freelook",
         .defaultValue = "TRUE", .hint = "the mouse always looks around, up and down included", .cvar = "freelook",
         .printedLabel = "freelook"},
        {.option = O::Mouse8, .name = "Mouse8", .group = G::Mouse, .kind = kCheck, .caption = "Filter",
         .defaultValue = "TRUE", .hint = "smooth the mouse movement", .cvar = "m_filter", .printedLabel = "filter"},
        {.option = O::Character8, .name = "Character8", .group = G::Character, .kind = kEdit,
         .caption = "Playername", .hint = "the name other players see", .cvar = "name", .printedLabel = "playername"},
        // The model and skin lists come from the game directory, not from this table.
        {.option = O::Character1, .name = "Character1", .group = G::Character, .kind = kCombo, .prompt = "Model",
         .hint = "the model other players see you as", .cvar = "skin", .invalidDetail = "model",
         .printedLabel = "model"},
        {.option = O::Character2, .name = "Character2", .group = G::Character, .kind = kCombo, .prompt = "Skin",
         .hint = "the skin of the chosen model", .cvar = "skin", .invalidDetail = "skin", .printedLabel = "skin"},
        {.option = O::Character3, .name = "Character3", .group = G::Character, .kind = kCombo, .prompt = "Crosshair",
         .items = {"no crosshair", "\"cross\"-crosshair", "\"dot\"-crosshair", "\"angle\"-crosshair"},
         .hint = "the crosshair in the middle of the screen", .cvar = "crosshair", .invalidDetail = "crosshair",
         .printedLabel = "character properties"},
        WithItems({.option = O::Character4, .name = "Character4", .group = G::Character, .kind = kCombo,
                   .prompt = "Gender", .hint = "whether your character sounds male or female", .cvar = "gender",
                   .invalidDetail = "gender"},
                  &OptionRow::values, {{"no gender", "none"}, {"male gender", "male"}, {"female gender", "female"}}),
        {.option = O::Character5, .name = "Character5", .group = G::Character, .kind = kCheck,
         .caption = "Always run", .defaultValue = "TRUE", .hint = "run all the time; the run key then walks",
         .cvar = "cl_run", .printedLabel = "always run"},
        {.option = O::Character6, .name = "Character6", .group = G::Character, .kind = kCombo, .prompt = "Handedness",
         .items = {"right-handed", "left-handed", "center-handed"}, .hint = "which hand holds the weapon",
         .cvar = "hand", .invalidDetail = "handedness"},
        WithItems({.option = O::Character7, .name = "Character7", .group = G::Character, .kind = kCombo,
                   .prompt = "Connect Speed", .hint = "the speed of your connection to the game server", .cvar = "rate",
                   .invalidDetail = "connect speed"},
                  &OptionRow::values,
                  {{"28.8kbit/s", "2500"}, {"33.6kbit/s", "3200"}, {"Single ISDN", "5000"},
                   {"Dual ISDN/Cable", "10000"}, {"T1/LAN", "25000"}}),
        {.option = O::Server1, .name = "Server1", .group = G::Server, .kind = kEdit, .caption = "Hostname",
         .hint = "the name of the server you start", .cvar = "hostname", .printedLabel = "hostname"},
        {.option = O::Server2, .name = "Server2", .group = G::Server, .kind = kEdit,
         .caption = "Maximum number of Players on Server", .defaultValue = "24",
         .hint = "how many players may join the server you start", .cvar = "maxclients",
         .invalidDetail = "maximum number of players", .printedLabel = "max number of players"},
        {.option = O::Server7, .name = "Server7", .group = G::Server, .kind = kCheck,
         .caption = "Allow others to download files from your computer", .defaultValue = "FALSE",
         .hint = "let players on the server you start fetch files from your computer", .cvar = "allow_download",
         .printedLabel = "allow other to download files from you"},
        {.option = O::Server3, .name = "Server3", .group = G::Server, .kind = kCheck,
         .caption = "Try to download unknown maps", .defaultValue = "TRUE",
         .hint = "fetch maps the server has and you do not", .cvar = "allow_download_maps",
         .printedLabel = "try to download unknown maps"},
        {.option = O::Server4, .name = "Server4", .group = G::Server, .kind = kCheck,
         .caption = "Try to download unknown player models/skins", .defaultValue = "TRUE",
         .hint = "fetch player models and skins the server has and you do not", .cvar = "allow_download_players",
         .printedLabel = "try to download unknown player models/skins"},
        {.option = O::Server5, .name = "Server5", .group = G::Server, .kind = kCheck,
         .caption = "Try to download unknown models", .defaultValue = "TRUE",
         .hint = "fetch models the server has and you do not", .cvar = "allow_download_models",
         .printedLabel = "try to download unknown player models"},
        {.option = O::Server6, .name = "Server6", .group = G::Server, .kind = kCheck,
         .caption = "Try to download unknown sounds", .defaultValue = "TRUE",
         .hint = "fetch sounds the server has and you do not", .cvar = "allow_download_sounds",
         .printedLabel = "try to download unknown sounds"},
    };
    static_assert(std::extent_v<decltype(rows)> == kOptionCount, "every option needs its row");
    return {std::begin(rows), std::end(rows)};
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

std::span<const OptionRow> OptionRows() {
    static const std::vector<OptionRow> rows = BuildRows();
    return rows;
}

const OptionRow& ControlOf(Option option) {
    static const std::array<const OptionRow*, kOptionCount> rowOfOption = [] {
        std::array<const OptionRow*, kOptionCount> index{};
        for (const OptionRow& row : OptionRows()) index[static_cast<int>(row.option)] = &row;
        return index;
    }();
    return *rowOfOption[static_cast<int>(option)];
}

std::string GroupCaption(InheritPart group) {
    switch (group) {
        case InheritPart::General: return "Gerenal";
        case InheritPart::Video: return "Video";
        case InheritPart::Sound: return "Sound";
        case InheritPart::Mouse: return "Mouse";
        case InheritPart::Character: return "Character";
        case InheritPart::Server: return "Server";
        case InheritPart::KeyBindings: break;
    }
    return "";
}

InheritPart InheritedGroup(Option option) {
    const OptionRow& row = ControlOf(option);
    return row.inheritedWith.value_or(row.group);
}

std::string OptionLabel(Option option) {
    const OptionRow& row = ControlOf(option);
    return row.caption.empty() ? row.prompt : row.caption;
}

bool ShowsPrompt(Option option, const std::string& text) {
    const OptionRow& row = ControlOf(option);
    if (row.kind != ControlKind::ComboBox) return false;
    if (option == Option::Video5 &&
        (EqualsIgnoringCase(text, kSoftwareTexturePrompt) || EqualsIgnoringCase(text, kGlTexturePrompt)))
        return true;
    return EqualsIgnoringCase(text, row.prompt);
}

bool FindOptionByLabel(const std::string& label, Option& option) {
    for (int index = 0; index < kOptionCount; ++index) {
        if (!EqualsIgnoringCase(OptionLabel(static_cast<Option>(index)), label)) continue;
        option = static_cast<Option>(index);
        return true;
    }
    return false;
}

}  // namespace korvex
