#include "compiler/OptionsView.h"

#include "app/Messages.h"
#include "app/Reporter.h"
#include "compiler/OptionControls.h"
#include "compiler/OptionSettings.h"
#include "platform/ListLookup.h"
#include "platform/Text.h"

namespace korvex {
namespace {

void Show(OptionsView& view, Option option, bool shown) {
    if (shown) view.hidden.erase(option);
    else view.hidden.insert(option);
}

void ShowVideoFamily(OptionsView& view, PlayerCfg& player, bool software) {
    for (Option option : {Option::Video7, Option::Video8, Option::Video9}) Show(view, option, !software);
    view.video5Items = VideoTextureItems(software);
    const bool textIsItem = ContainsIgnoringCase(view.video5Items, player.Text(Option::Video5));
    if (software) {
        view.video5Hint = "here you can choose the display-quality of the transparent textures";
        if (!textIsItem) {
            player.SetText(Option::Video5, kSoftwareTexturePrompt);
            player.SetText(Option::Video6, ControlOf(Option::Video6).prompt);
        }
    } else {
        view.video5Hint = ControlOf(Option::Video5).hint;
        if (!textIsItem) player.SetText(Option::Video5, kGlTexturePrompt);
    }
    Show(view, Option::Video5, true);
    Show(view, Option::Video6, !software);
}

}  // namespace

OptionsView DefaultOptionsView() {
    OptionsView view;
    view.video5Items = VideoTextureItems(false);
    return view;
}

void UpdateVideoControls(Reporter& report, PlayerCfg& player, OptionsView& optionsView, bool quiet) {
    const VideoDriver driver = ValidateVideoDriver(player.Text(Option::Video1));
    if (!driver.valid) {
        // Without a driver there is no texture or light choice to offer, whatever the
        // sight improvement says; the brightness still follows the sight improvement.
        player.SetText(Option::Video1, kVideoDriverPrompt);
        Show(optionsView, Option::Video4, !player.Flag(Option::Video10));
        Show(optionsView, Option::Video5, false);
        Show(optionsView, Option::Video6, false);
        if (!quiet) report.ShowError(Err::InvalidInput, "video driver");
        return;
    }
    ShowVideoFamily(optionsView, player, driver.software);
    ApplySightImprovement(player, optionsView, player.Flag(Option::Video10));
}

void ApplySightImprovement(PlayerCfg& player, OptionsView& view, bool checked) {
    Show(view, Option::Video4, !checked);
    Show(view, Option::Video5, !checked);
    if (UpperCaseAscii(player.Text(Option::Video1)).find("SOFTWARE") == std::string::npos)
        Show(view, Option::Video6, !checked);
}

void Video1Change(Reporter& report, PlayerCfg& player, OptionsView& optionsView) {
    UpdateVideoControls(report, player, optionsView, false);
}

}  // namespace korvex
