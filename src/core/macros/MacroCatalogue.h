// Every macro of the macros directory, read once at start-up, and the macro lists of the
// Bindings tab that show it: the category combo box, AvailMacros and IncludedMacros.
#pragma once

#include <string>
#include <vector>

namespace korvex {

struct Reporter;
struct PlayerCfg;

inline constexpr std::size_t kMaxCatalogueEntries = 500;
inline constexpr const char* kChooseCategoryText = "Choose a macro category";

struct MacroCatalogueEntry {
    std::string Path;
    std::string MacroCat;
    std::string MacroDesc;
    std::string MacroDetailDesc;
};

// In load order, which is the alphabetical order of the file names.
struct MacroCatalogue {
    std::vector<MacroCatalogueEntry> entries;
};

// The macro widgets of the Bindings tab as the core keeps them; the GUI mirrors them.
// IncludedMacros' items are the current Player-CFG's includedMacros.
struct MacroBindingsView {
    std::vector<std::string> categories;  // the MacroCat combo box's list
    std::string categoryText = kChooseCategoryText;
    std::vector<std::string> availMacros;
    std::vector<bool> availSelected;
    std::vector<bool> includedSelected;
};

// The macro files of a directory, sorted by name without regard to case.
std::vector<std::string> ListMacroFiles(const std::string& directory);
void LoadMacroCatalogue(Reporter& report, MacroCatalogue& macroCatalogue, MacroBindingsView& macroLists,
                        const std::string& directory);

// MacroCatChange: AvailMacros shows the macros whose category is written exactly so.
void ShowMacrosOfCategory(MacroCatalogue& macroCatalogue, MacroBindingsView& lists, const std::string& category);
// One box per selected macro, in list order; the selection stays, so that "Add to Config" can follow.
void ShowMacroInformation(Reporter& report, MacroCatalogue& macroCatalogue, MacroBindingsView& lists);
// At most one of the two lists has a selection.
void AvailMacrosEnter(PlayerCfg& player, MacroBindingsView& macroLists);
void IncludedMacrosEnter(MacroBindingsView& macroLists);
// After a resumed run: the first selected macro of AvailMacros is deselected.
void DeselectFirstAvailMacro(MacroBindingsView& macroLists);

// The entry with this description (the last one when several have it), or none.
const MacroCatalogueEntry* FindMacroByDescription(const MacroCatalogue& macroCatalogue, const std::string& description);

}  // namespace korvex
