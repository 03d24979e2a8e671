// The error codes and texts of the macro language.
#pragma once

#include <cstdint>
#include <string>

namespace korvex {

namespace MacroErr {
inline constexpr std::uint8_t FileNotFound = 1;
inline constexpr std::uint8_t UndefinedError = 2;
inline constexpr std::uint8_t InterruptedForInput = 3;
inline constexpr std::uint8_t UnexpectedEndOfFile = 4;
inline constexpr std::uint8_t TooFewParameters = 5;
inline constexpr std::uint8_t NoMacroDescription = 6;
inline constexpr std::uint8_t NoValidOperator = 7;
inline constexpr std::uint8_t WrongType = 8;
inline constexpr std::uint8_t InvalidVariableReference = 9;
inline constexpr std::uint8_t FiWithoutIf = 10;
inline constexpr std::uint8_t UnknownCommand = 11;
inline constexpr std::uint8_t TooManyKeys = 12;
inline constexpr std::uint8_t TooManyCommands = 13;
inline constexpr std::uint8_t TooManyInputFields = 14;
inline constexpr std::uint8_t TooManyTexts = 15;
inline constexpr std::uint8_t TooManyInputCombos = 16;
inline constexpr std::uint8_t InvalidVariableNumber = 17;
inline constexpr std::uint8_t DivisionByZero = 18;
inline constexpr std::uint8_t InvalidInstallationDirectory = 19;
inline constexpr std::uint8_t DescriptionFoundTwice = 20;
inline constexpr std::uint8_t UnevenQuotes = 21;
// A run that jumps in circles is ended after a fixed number of lines.
inline constexpr std::uint8_t TooManyStatements = 22;
// A macro file larger than any macro needs is not read.
inline constexpr std::uint8_t FileTooLarge = 23;
inline constexpr std::uint8_t TooManyParametersExpected = 255;
}  // namespace MacroErr

std::string MacroErrorText(std::uint8_t code);

}  // namespace korvex
