// What korvex-cli types into a macro's dialog: "--input N=TEXT" sets every control of
// variable N, and OK is pressed until the macro stops asking.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace korvex {

struct Korvex;

struct TypedInput {
    int variable;
    std::string text;
};

std::optional<TypedInput> ParseInput(const std::string& word);
// The keys of --key: each a Quake II key name, a chord or a list of them; false after a message.
bool CheckGivenKeys(const std::vector<std::string>& keys);
// Answers the dialogs of a suspended run; false when the macro kept asking or a value was refused.
bool AnswerMacroDialogs(Korvex& app, const std::vector<TypedInput>& inputs);

}  // namespace korvex
