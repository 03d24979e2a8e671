#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>

#include "compiler/CompileJob.h"
#include "compiler/NativeEngineCvars.h"
#include "compiler/OptionControls.h"
#include "compiler/OptionSettings.h"
#include "compiler/OptionsCfg.h"
#include "support/CompilerTestData.h"
#include "support/ProgramDirTest.h"

namespace korvex {
namespace {

// The compiler tests' complete Player-CFG with the sight improvement off, so that brightness,
// texture quality and light intensity count.
PlayerCfg CompletePlayer() {
    PlayerCfg player = DefaultPlayerCfg();
    const std::vector<std::string> lines = CompleteOptionLines();
    std::copy(lines.begin(), lines.end(), player.options.begin());
    const std::pair<Option, const char*> choices[] = {
        {Option::Video4, "20% brightness"}, {Option::Video5, "100% texture quality"},
        {Option::Video6, "100% GL light intensity"}, {Option::Video10, "FALSE"},
        {Option::Mouse3, "10% yaw speed"}, {Option::Character6, "left-handed"}};
    for (const auto& [option, text] : choices) player.SetText(option, text);
    return player;
}

struct Compiled {
    MessageCode result;
    std::vector<std::string> lines;
    bool Has(const std::string& line) const { return std::find(lines.begin(), lines.end(), line) != lines.end(); }
    bool HasPrefix(const std::string& prefix) const {
        return std::any_of(lines.begin(), lines.end(), [&](const std::string& l) { return l.rfind(prefix, 0) == 0; });
    }
};

class OptionSettings : public ProgramDirTest {
protected:
    Compiled Convert() {
        app.paths.quakeDir = dir.quakeDir();
        CompileJob job;
        job.player = player;
        job.nativeEngine = nativeEngine;
        const MessageCode result = ConvertOptionsToCvars(app.report, app.paths, job, true);
        return {result, OptionsCfgLines(job)};
    }
    std::vector<std::string> Boxes() { return host.BoxTexts(); }

    PlayerCfg player = CompletePlayer();
    bool nativeEngine = false;
};

TEST_F(OptionSettings, MouseBrightnessAndTextureValues) {
    player.SetFlag(Option::Mouse4, true);
    Compiled cfg = Convert();
    ASSERT_EQ(cfg.result, 0) << testing::PrintToString(Boxes());
    EXPECT_TRUE(cfg.Has("set m_pitch \"-0.02700\""));

    player.SetFlag(Option::Mouse4, false);
    player.SetText(Option::Mouse2, "10% pitch speed");
    player.SetText(Option::Video5, "25% texture quality");
    cfg = Convert();
    EXPECT_TRUE(cfg.Has("set m_pitch \"0.00000\""));
    EXPECT_TRUE(cfg.Has("set gl_picmip \"3\""));
    EXPECT_TRUE(cfg.Has("set gl_playermip \"3\""));

    player.SetFlag(Option::Video10, true);
    player.SetText(Option::Video4, "Brightness");
    cfg = Convert();
    EXPECT_EQ(cfg.result, 0);
    EXPECT_FALSE(cfg.Has("set vid_gamma \"1.3\""));
    EXPECT_TRUE(cfg.Has("set vid_gamma \"1.0\""));
    EXPECT_TRUE(cfg.Has("set gl_polyblend \"0\""));
    EXPECT_EQ(Boxes(), std::vector<std::string>{});
}

TEST_F(OptionSettings, SoftwareDriverWritesNoGlLines) {
    player.SetText(Option::Video1, "software");
    player.SetText(Option::Video5, "software texturing: stipple alpha");
    const Compiled cfg = Convert();
    ASSERT_EQ(cfg.result, 0);
    for (const char* prefix : {"set gl_shadows", "set gl_ext_palettedtexture", "set gl_finish", "set gl_modulate",
                               "set gl_playermip"})
        EXPECT_FALSE(cfg.HasPrefix(prefix)) << prefix;
    for (const char* line : {"set vid_ref \"soft\"", "set sw_allow_modex \"1\"", "set sw_mode \"3\"",
                             "set sw_stipplealpha \"1\"", "set cl_blend \"1\""})
        EXPECT_TRUE(cfg.Has(line)) << line;
}

TEST_F(OptionSettings, FieldOfViewAltTabAndInvalidTextsOfEitherDriverFamily) {
    player.SetText(Option::General5, "95");
    player.SetFlag(Option::General4, true);
    Compiled cfg = Convert();
    EXPECT_EQ(cfg.result, 0);
    EXPECT_TRUE(cfg.Has("set fov 95"));
    EXPECT_TRUE(cfg.Has("set win_noalttab \"0\""));

    player.SetText(Option::General5, "95.5");
    player.SetText(Option::Sound2, "Sound quality");
    cfg = Convert();
    EXPECT_EQ(cfg.result, Err::InvalidInput);
    EXPECT_EQ(Boxes(), (std::vector<std::string>{"Invalid input. (field of view)", "Invalid input. (sound quality)"}));

    // A texture text of the other driver family counts only while the sight improvement is off.
    player = CompletePlayer();
    player.SetText(Option::Video1, "software");
    player.SetText(Option::Video5, "25% texture quality");
    EXPECT_EQ(Convert().result, Err::InvalidInput);
    EXPECT_EQ(Boxes().back(), "Invalid input. (software texturing)");
    player.SetFlag(Option::Video10, true);
    EXPECT_EQ(Convert().result, 0);
    EXPECT_EQ(host.boxes.size(), 3u);
}

TEST_F(OptionSettings, OptionsCfgLayoutOfACompletePlayer) {
    const Compiled cfg = Convert();
    const std::vector<std::string> expected{
        "// General", "set cl_vwep \"1\"", "set view_weapons \"1\"", "set g_select_empty \"1\"",
        "set con_notify \"6\"", "set fov 90", "set in_mouse 0", "set in_joy 0", "",
        "// Video", "set vid_ref \"gl\"", "set gl_driver \"opengl32\"", "set gl_mode \"3\"", "set viewsize \"100\"",
        "set vid_gamma \"1.3\"", "set gl_picmip \"0\"", "set gl_playermip \"0\"", "set gl_modulate \"5\"",
        "set gl_shadows \"1\"", "set gl_ext_palettedtexture \"1\"", "set gl_finish \"0\"", "set gl_polyblend \"1\"", "",
        "// Sound", "set s_volume \"0.5\"", "set s_khz \"22\"", "set s_loadas8bit \"0\"", "set primary \"1\"",
        "set cd_nocd \"1\"", "snd_restart", "",
        "// Mouse", "set sensitivity \"2.0\"", "set m_pitch \"0.02700\"", "set m_yaw \"0.00000\"",
        "set lookspring \"0\"", "set lookstrafe \"0\"", "set freelook \"1\"", "set m_filter \"1\"", "",
        "// Character", "set name \"Bob\"", "set skin \"male/grunt\"", "set crosshair \"2\"", "set gender \"male\"",
        "set cl_run \"1\"", "set hand \"1\"", "set rate \"25000\"", "",
        "// Server", "set hostname \"\"", "set maxclients \"24\"", "set allow_download \"0\"",
        "set allow_download_maps \"1\"", "set allow_download_players \"1\"", "set allow_download_models \"1\"",
        "set allow_download_sounds \"1\"",
    };
    EXPECT_EQ(cfg.lines, expected);
}

// Each pair: the option's own line, then the line a native engine reads in its place.
TEST_F(OptionSettings, ANativeEngineGetsTheLineItReadsRightAfterTheOptionsOwn) {
    nativeEngine = true;
    const auto expectPairs = [&](const std::vector<std::pair<std::string, std::string>>& pairs) {
        const Compiled cfg = Convert();
        EXPECT_EQ(cfg.result, 0) << testing::PrintToString(Boxes());
        for (const auto& [own, native] : pairs) {
            const auto at = std::find(cfg.lines.begin(), cfg.lines.end(), own);
            const bool followed = at != cfg.lines.end() && at + 1 != cfg.lines.end() && *(at + 1) == native;
            EXPECT_TRUE(followed) << own << " is not followed by " << native;
        }
        return cfg.lines.size();
    };
    const std::size_t nativeLines = expectPairs({{"set con_notify \"6\"", "set con_notifytime \"6\""},
                                                 {"set vid_ref \"gl\"", "set vid_renderer \"gl1\""},
                                                 {"set gl_mode \"3\"", "set r_mode \"4\""},
                                                 {"set gl_ext_palettedtexture \"1\"", "set r_palettedtextures \"1\""},
                                                 {"set cd_nocd \"1\"", "set ogg_enable \"0\""}});
    nativeEngine = false;
    EXPECT_EQ(Convert().lines.size() + 5, nativeLines);

    nativeEngine = true;
    player.SetText(Option::Video1, "software with 3dnow!");
    player.SetText(Option::Video2, "1600x1200");
    player.SetText(Option::Video5, "software texturing: stipple alpha");
    player.SetFlag(Option::Sound4, true);
    expectPairs({{"set vid_ref \"swam\"", "set vid_renderer \"soft\""},
                 {"set sw_mode \"9\"", "set r_mode \"19\""},
                 {"set cd_nocd \"0\"", "set ogg_enable \"1\""}});
}

// Every part of Korvex finds an option by its row, and the tab draws a new group box wherever
// the group changes.
TEST(OptionRows, EachOptionHasOneRowAndEachGroupStandsTogether) {
    std::set<std::string> names;
    for (int index = 0; index < kOptionCount; ++index) {
        const Option option = static_cast<Option>(index);
        EXPECT_EQ(ControlOf(option).option, option);
        names.insert(ControlOf(option).name);
    }
    EXPECT_EQ(names.size(), static_cast<std::size_t>(kOptionCount));
    std::vector<InheritPart> groups;
    for (const OptionRow& row : OptionRows())
        if (groups.empty() || groups.back() != row.group) groups.push_back(row.group);
    using G = InheritPart;
    EXPECT_EQ(groups, (std::vector<G>{G::General, G::Video, G::Sound, G::Mouse, G::Character, G::Server}));
}

TEST_F(OptionSettings, TheGameIsANativeEngineUnlessItIsAWindowsProgram) {
    EXPECT_TRUE(HoldsNativeEngine(dir.quakeDir()));  // the stand-in game, a Linux program named QUAKE2.EXE
    WriteWholeFile(Quake("QUAKE2.EXE"), "MZ\x90");
    EXPECT_FALSE(HoldsNativeEngine(dir.quakeDir()));
    WriteWholeFile(Quake("quake2"), "#!/bin/sh\n");
    std::filesystem::permissions(Quake("quake2"), std::filesystem::perms::owner_exec, std::filesystem::perm_options::add);
    EXPECT_TRUE(HoldsNativeEngine(dir.quakeDir()));
}

}  // namespace
}  // namespace korvex
