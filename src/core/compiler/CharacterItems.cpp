#include "compiler/CharacterItems.h"

#include "app/Korvex.h"
#include "platform/Path.h"
#include "platform/Text.h"

namespace korvex {
namespace {

std::string PlayersModelDir(const Korvex& app) { return JoinPath(JoinPath(app.quakeDir, "BASEQ2"), "PLAYERS"); }

}  // namespace

std::vector<std::string> ModelItems(const Korvex& app) {
    std::vector<std::string> items;
    for (const DirEntry& entry : ListDirectory(PlayersModelDir(app)).value_or(std::vector<DirEntry>{}))
        if (entry.isDirectory) items.push_back("Model: " + entry.name);
    return items;
}

std::vector<std::string> SkinItems(const Korvex& app, const std::string& modelText) {
    const auto colon = modelText.find(": ");
    const std::string model = colon != std::string::npos ? modelText.substr(colon + 2)
                              : modelText.empty()       ? modelText
                                                        : modelText.substr(1);
    std::vector<std::string> items;
    if (model.empty() || model.find(kPathSeparator) != std::string::npos || model == "..") return items;
    constexpr std::string_view kSkinSuffix = "_I.PCX";
    for (const DirEntry& entry : ListDirectory(JoinPath(PlayersModelDir(app), model)).value_or(std::vector<DirEntry>{}))
        if (EndsWithIgnoringCase(entry.name, kSkinSuffix))
            items.push_back("Skin: " + entry.name.substr(0, entry.name.size() - kSkinSuffix.size()));
    return items;
}

}  // namespace korvex
