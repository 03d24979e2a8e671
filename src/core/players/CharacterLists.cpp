#include "players/CharacterLists.h"

#include "app/Korvex.h"
#include "platform/FileSystem.h"
#include "platform/ListOrder.h"
#include "platform/Path.h"
#include "platform/Text.h"

namespace korvex {
namespace {

std::string PlayerModelsDir(const Korvex& app) { return JoinPath(app.quakeDir, "BASEQ2/PLAYERS"); }

std::string ModelNameOf(const std::string& modelText) {
    const auto colon = modelText.find(": ");
    if (colon != std::string::npos) return modelText.substr(colon + 2);
    return modelText.empty() ? std::string() : modelText.substr(1);
}

}  // namespace

void FillModelList(Korvex& app) {
    PlayerCfgControls& controls = app.player.controls;
    controls.modelItems.clear();
    controls.skinItems.clear();
    for (const std::string& model : ListNames(PlayerModelsDir(app), EntryKind::Directory))
        controls.modelItems.push_back(kModelPrefix + model);
    SortAsListBox(controls.modelItems);
    app.host.PlayerCfgChanged();
}

void FillSkinList(Korvex& app, const std::string& modelText) {
    std::vector<std::string>& skins = app.player.controls.skinItems;
    skins.clear();
    const std::string modelDir = JoinPath(PlayerModelsDir(app), ModelNameOf(modelText));
    for (const DirEntry& entry : ListDirectory(modelDir))
        if (EndsWithIgnoringCase(entry.name, "_I.PCX"))
            skins.push_back(kSkinPrefix + entry.name.substr(0, entry.name.size() - 6));
    SortAsListBox(skins);
    app.host.PlayerCfgChanged();
}

void Character1Change(Korvex& app) {
    app.player.SetText(Option::Character2, kNoSkinText);
    app.host.PlayerCfgChanged();
}

void Character2Enter(Korvex& app) { FillSkinList(app, app.player.Text(Option::Character1)); }

}  // namespace korvex
