// The numbered messages Korvex shows when something fails.
#pragma once

#include <cstdint>
#include <string>

namespace korvex {

class Host;

using MessageCode = std::uint8_t;

namespace Err {
inline constexpr MessageCode CouldntSaveFile = 1;
inline constexpr MessageCode MacroToDeleteMissing = 2;
inline constexpr MessageCode CouldntDeleteFile = 3;
inline constexpr MessageCode CouldntLoadFile = 4;
inline constexpr MessageCode PlayerAlreadyExists = 5;
inline constexpr MessageCode CouldntCreatePlayer = 6;
inline constexpr MessageCode InvalidPlayerName = 7;
inline constexpr MessageCode CouldntRemoveDirectory = 8;
inline constexpr MessageCode CannotDeleteCurrentPlayer = 9;
inline constexpr MessageCode CopyingFileFailed = 10;
inline constexpr MessageCode QuakePathNotAvailable = 11;
inline constexpr MessageCode MacroFileNotFound = 12;
inline constexpr MessageCode MacroAlreadyIncluded = 13;
inline constexpr MessageCode InheritsAlthoughChecked = 14;
inline constexpr MessageCode NoPlayersToInheritFrom = 15;
inline constexpr MessageCode InheritedPlayerGone = 16;
inline constexpr MessageCode CouldntRenamePlayer = 17;
inline constexpr MessageCode OptionsFileNotFound = 18;
inline constexpr MessageCode EndOfFileNotReached = 19;
inline constexpr MessageCode SpecialFileNotFound = 20;
inline constexpr MessageCode BindingsFileNotFound = 21;
inline constexpr MessageCode CouldntCreateFile = 22;
inline constexpr MessageCode InvalidInput = 23;
inline constexpr MessageCode CouldntOpenFile = 24;
inline constexpr MessageCode WrongCategoryInOutput = 25;
inline constexpr MessageCode InvalidAutoModFile = 27;
inline constexpr MessageCode CouldntCreateDirectory = 28;
inline constexpr MessageCode CouldntExtractArchive = 29;
inline constexpr MessageCode CouldntFindExtractedFiles = 30;
inline constexpr MessageCode CouldntAutoDetectMod = 31;
inline constexpr MessageCode ErrorCopyingFiles = 32;
inline constexpr MessageCode ModAlreadyAvailable = 33;
inline constexpr MessageCode CouldntAppendToFile = 34;
inline constexpr MessageCode NoPlayerToInheritFrom = 35;
inline constexpr MessageCode CouldntRenameFile = 36;
inline constexpr MessageCode CommandAlreadyBound = 37;
inline constexpr MessageCode TooManyKeysForCommand = 38;
inline constexpr MessageCode NothingSelected = 39;
inline constexpr MessageCode MacroFileMissing = 40;
inline constexpr MessageCode NoViewerConfigured = 41;
inline constexpr MessageCode DirectoryAlreadyExists = 42;
inline constexpr MessageCode CouldntRenameDirectory = 43;
inline constexpr MessageCode MacroIncludedByPredecessor = 44;
inline constexpr MessageCode FunctionAddedTwiceByInheritance = 45;
inline constexpr MessageCode NoFreeAutoModSlots = 46;
inline constexpr MessageCode InvalidPath = 47;
inline constexpr MessageCode CouldntExecFile = 48;
inline constexpr MessageCode InitializationFailed = 49;
}  // namespace Err

// The catalogue text of a code; empty text for a code the catalogue does not have.
std::string MessageText(MessageCode code);

// "<text> (<detail>)": the parentheses stand even when the detail is empty.
std::string ComposeError(MessageCode code, const std::string& detail);
std::string ComposeMacroLanguageError(int line, const std::string& source, const std::string& text);

// A question with the buttons Yes and No; true when the answer is Yes.
bool AskYesNo(Host& host, const std::string& question);

}  // namespace korvex
