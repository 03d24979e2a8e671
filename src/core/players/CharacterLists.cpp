#include "players/CharacterLists.h"

#include "app/Host.h"
#include "app/ProgramPaths.h"
#include "app/Reporter.h"
#include "platform/FileSystem.h"
#include "platform/ListOrder.h"
#include "platform/Path.h"
#include "platform/Text.h"
#include "players/PlayerCfg.h"

namespace korvex {
namespace {

std::string PlayerModelsDir(const ProgramPaths& paths) { return JoinPath(paths.quakeDir, "BASEQ2/PLAYERS"); }

std::string ModelNameOf(const std::string& modelText) {
    const auto colon = modelText.find(": ");
    if (colon != std::string::npos) return modelText.substr(colon + 2);
    return modelText.empty() ? std::string() : modelText.substr(1);
}

}  // namespace

std::vector<std::string> ModelItems(const ProgramPaths& paths) {
    std::vector<std::string> models;
    for (const std::string& model : ListNames(PlayerModelsDir(paths), EntryKind::Directory))
        models.push_back(kModelPrefix + model);
    SortAsListBox(models);
    return models;
}

std::vector<std::string> SkinItems(const ProgramPaths& paths, const std::string& modelText) {
    std::vector<std::string> skins;
    const std::string modelDir = JoinPath(PlayerModelsDir(paths), ModelNameOf(modelText));
    for (const DirEntry& entry : ListDirectory(modelDir))
        if (EndsWithIgnoringCase(entry.name, "_I.PCX"))
            skins.push_back(kSkinPrefix + entry.name.substr(0, entry.name.size() - 6));
    SortAsListBox(skins);
    return skins;
}

void FillModelList(Reporter& report, const ProgramPaths& paths, PlayerCfg& player) {
    player.controls.modelItems = ModelItems(paths);
    player.controls.skinItems.clear();
    report.host.PlayerCfgChanged();
}

void FillSkinList(Reporter& report, const ProgramPaths& paths, PlayerCfg& player, const std::string& modelText) {
    player.controls.skinItems = SkinItems(paths, modelText);
    report.host.PlayerCfgChanged();
}

void Character1Change(Reporter& report, PlayerCfg& player) {
    player.SetText(Option::Character2, kNoSkinText);
    report.host.PlayerCfgChanged();
}

void Character2Enter(Reporter& report, const ProgramPaths& paths, PlayerCfg& player) {
    FillSkinList(report, paths, player, player.Text(Option::Character1));
}

}  // namespace korvex
