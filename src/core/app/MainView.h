// The main window as the core sees it: which page shows and what the caption says.
#pragma once

#include <string>

namespace korvex {

struct Korvex;

enum class Page { ConfigEditor = 0, ModLauncher = 1, DemoLauncher = 2, MacroDialog = 3, Options = 4, AboutAndCredits = 5 };

// The tabs of the Config-Editor.
enum class EditorTab { Bindings = 0, Options = 1, Special = 2 };

struct MainView {
    bool visible = false;  // set when start-up shows the main window; korvex-cli shows none
    Page page = Page::ConfigEditor;
    EditorTab editorTab = EditorTab::Bindings;
    std::string caption = "Korvex";
    // The description of the macro whose dialog page is shown.
    std::string macroDialogDescription;
};

inline constexpr const char* kCaptionPrefix = "Korvex v0.855\xDF - ";  // the sharp s of Windows-1252

std::string CaptionOf(const Korvex& app, Page page);
// Leaving the Config-Editor of the shown main window stores the current Player-CFG.
void ShowMainPage(Korvex& app, Page page);
// What a navigation button does: refused while a macro waits for its dialog to be finished.
bool NavigateTo(Korvex& app, Page page);

}  // namespace korvex
