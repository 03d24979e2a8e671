#include "app/Messages.h"

#include <array>

#include "app/Host.h"

namespace korvex {
namespace {

struct CatalogueEntry {
    MessageCode code;
    const char* text;
};

constexpr std::array<CatalogueEntry, 48> kCatalogue = {{
    {1, "Couldn't save file."},
    {2, "Programmer: the macro you wish to delete does not exist."},
    {3, "Couldn't delete file."},
    {4, "Couldn't load file."},
    {5, "Player already exists."},
    {6, "Couldn't create new player."},
    {7, "Player-Name contains invalid characters."},
    {8, "Couldn't remove directory."},
    {9, "Cannot delete current player."},
    {10, "Copying file was not successful."},
    {11, "Quake II path not available."},
    {12, "Programmer: macro-file not found."},
    {13, "Macro already included."},
    {14, "Programmer: Player inherits options although this was previously checked."},
    {15, "There are currently no players available of which you can inherit options."},
    {16, "The player you inherited options from is no longer available, perhaps because of deletion, etc."},
    {17, "Couldn't rename player."},
    {18, "Options-file not found."},
    {19, "Programmer: end of file not reached, check file format."},
    {20, "Special-file not found."},
    {21, "Bindings-file not found."},
    {22, "Couldn't create file."},
    {23, "Invalid input."},
    {24, "Couldn't open file."},
    {25, "Programmer: no or wrong category in output."},
    {27, "Invalid Auto-MOD file."},
    {28, "Couldn't create directory."},
    {29, "Couldn't extract archive correctly."},
    {30, "Couldn't find extracted files."},
    {31, "Couldn't auto-detect any modification."},
    {32, "Error during copying files."},
    {33, "Modification already in available mods list."},
    {34, "Couldn't append to file."},
    {35, "No Player selected to inherit from."},
    {36, "Couldn't rename file."},
    {37, "Command already bound to that key."},
    {38, "You want to bind too many keys to one command."},
    {39, "You can't perform this action without having selected anything."},
    {40, "Couldn't find macro file. Maybe the existing macro has another description. The macro will be "
         "removed from the included macros list."},
    {41, "No viewer configured for this filetype."},
    {42, "Directory already exists."},
    {43, "Couldn't rename directory."},
    {44, "Macro already included in config by an predecessor.\n"},
    {45, "One function was added at least twice because of inheritance."},
    {46, "No free slots for more AutoMOD detection files."},
    {47, "Invalid path."},
    {48, "Couldn't exec file."},
    {49, "Initialization failed."},
}};

}  // namespace

std::string MessageText(MessageCode code) {
    for (const auto& entry : kCatalogue)
        if (entry.code == code) return entry.text;
    return {};
}

std::string ComposeError(MessageCode code, const std::string& detail) {
    return MessageText(code) + " (" + detail + ")";
}

std::string ComposeMacroLanguageError(int line, const std::string& source, const std::string& text) {
    std::string composed = "MacroLanguage Error (" + source + "): " + text;
    if (line != 0) composed += " at line " + std::to_string(line);
    return composed + ".";
}

bool AskYesNo(Host& host, const std::string& question) {
    return host.ShowMessage(Icon::Question, question, Buttons::YesNo) == Button::Yes;
}

}  // namespace korvex
