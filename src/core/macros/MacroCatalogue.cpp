#include "macros/MacroCatalogue.h"

#include <algorithm>

#include "app/Host.h"
#include "app/Messages.h"
#include "app/Reporter.h"
#include "macros/MacroDescriptions.h"
#include "macros/MacroErrors.h"
#include "platform/FileSystem.h"
#include "platform/ListLookup.h"
#include "platform/Path.h"
#include "platform/Text.h"
#include "players/PlayerCfg.h"

namespace korvex {
namespace {

void ReportDuplicates(Reporter& report, MacroCatalogue& macroCatalogue, const std::string& description,
                      const std::string& fileName) {
    for (const MacroCatalogueEntry& entry : macroCatalogue.entries)
        if (entry.MacroDesc == description)
            report.MacroLanguageError(0, entry.MacroDesc + ": " + fileName, MacroErr::DescriptionFoundTwice);
}

void FillCategories(MacroCatalogue& macroCatalogue, MacroBindingsView& macroLists) {
    std::vector<std::string>& categories = macroLists.categories;
    categories.clear();
    for (const MacroCatalogueEntry& entry : macroCatalogue.entries) {
        if (!ContainsIgnoringCase(categories, entry.MacroCat)) categories.push_back(entry.MacroCat);
    }
}

}  // namespace

std::vector<std::string> ListMacroFiles(const std::string& directory) {
    std::vector<std::string> names;
    for (std::string& name : ListNames(directory, EntryKind::File))
        if (EndsWithIgnoringCase(name, ".MAC")) names.push_back(std::move(name));
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const std::string lowerA = LowerCaseAscii(a), lowerB = LowerCaseAscii(b);
        return lowerA != lowerB ? lowerA < lowerB : a < b;
    });
    return names;
}

void LoadMacroCatalogue(Reporter& report, MacroCatalogue& macroCatalogue, MacroBindingsView& macroLists,
                        const std::string& directory) {
    // A second load replaces the catalogue; it never finds each macro twice.
    macroCatalogue.entries.clear();
    std::vector<std::string> names = ListMacroFiles(directory);
    if (names.size() > kMaxCatalogueEntries) {
        names.resize(kMaxCatalogueEntries);
        report.host.ShowMessage(Icon::Warning,
                                "There are more than 500 macro files. Only the first 500 in alphabetical order "
                                "were added; the others were left out.",
                                Buttons::Ok);
    }
    for (const std::string& name : names) {
        const std::string path = JoinPath(directory, name);
        const MacroDescriptions read = ReadMacroDescriptions(path);
        ReportDescriptionErrors(report, path, read);
        ReportDuplicates(report, macroCatalogue, read.MacroDesc, name);
        macroCatalogue.entries.push_back({path, read.MacroCat, read.MacroDesc, read.MacroDetailDesc});
    }
    FillCategories(macroCatalogue, macroLists);
}

void ShowMacrosOfCategory(MacroCatalogue& macroCatalogue, MacroBindingsView& lists, const std::string& category) {
    lists.categoryText = category;
    lists.availMacros.clear();
    for (const MacroCatalogueEntry& entry : macroCatalogue.entries)
        if (entry.MacroCat == category) lists.availMacros.push_back(entry.MacroDesc);
    lists.availSelected.assign(lists.availMacros.size(), false);
}

void ShowMacroInformation(Reporter& report, MacroCatalogue& macroCatalogue, MacroBindingsView& lists) {
    lists.availSelected.resize(lists.availMacros.size());
    for (std::size_t i = 0; i < lists.availMacros.size(); ++i) {
        if (!lists.availSelected[i]) continue;
        for (const MacroCatalogueEntry& entry : macroCatalogue.entries)
            if (entry.MacroDesc == lists.availMacros[i])
                report.host.ShowMessage(Icon::Information, entry.MacroDesc + ": " + entry.MacroDetailDesc, Buttons::Ok);
    }
}

void AvailMacrosEnter(PlayerCfg& player, MacroBindingsView& macroLists) {
    macroLists.includedSelected.assign(player.includedMacros.size(), false);
}

void IncludedMacrosEnter(MacroBindingsView& macroLists) {
    macroLists.availSelected.assign(macroLists.availMacros.size(), false);
}

void DeselectFirstAvailMacro(MacroBindingsView& macroLists) {
    auto& selected = macroLists.availSelected;
    const auto first = std::find(selected.begin(), selected.end(), true);
    if (first != selected.end()) *first = false;
}

const MacroCatalogueEntry* FindMacroByDescription(const MacroCatalogue& macroCatalogue,
                                                  const std::string& description) {
    const auto& entries = macroCatalogue.entries;
    const auto found = std::find_if(entries.rbegin(), entries.rend(),
                                    [&](const MacroCatalogueEntry& entry) { return entry.MacroDesc == description; });
    return found == entries.rend() ? nullptr : &*found;
}

}  // namespace korvex
