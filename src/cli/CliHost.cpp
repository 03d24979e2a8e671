#include "cli/CliHost.h"

#include <iostream>

#include "platform/Text.h"

namespace korvex {
namespace {

const char* ButtonName(Button button) {
    switch (button) {
        case Button::Ok: return "OK";
        case Button::Cancel: return "Cancel";
        case Button::Abort: return "Abort";
        case Button::Ignore: return "Ignore";
        case Button::Yes: return "Yes";
        case Button::No: return "No";
    }
    return "";
}

}  // namespace

void CliHost::RunPosted() {
    while (!posted_.empty() && !closeRequested_) {
        Step step = std::move(posted_.front());
        posted_.pop_front();
        step();
    }
}

Button CliHost::Answer(Buttons buttons) const {
    switch (buttons) {
        case Buttons::Ok: return Button::Ok;
        case Buttons::Abort: return Button::Abort;
        case Buttons::CancelIgnore: return answerYes_ ? Button::Ignore : Button::Cancel;
        case Buttons::YesNo: return answerYes_ ? Button::Yes : Button::No;
        case Buttons::YesNoCancel: return answerYes_ ? Button::Yes : Button::Cancel;
        case Buttons::Cancel: return Button::Cancel;
        case Buttons::OkCancel: return answerYes_ ? Button::Ok : Button::Cancel;
    }
    return Button::Cancel;
}

Button CliHost::ShowMessage(Icon icon, const std::string& text, Buttons buttons) {
    if (icon == Icon::Error) errorReported_ = true;
    std::cerr << Cp1252ToUtf8(text) << '\n';
    const Button answer = Answer(buttons);
    if (buttons != Buttons::Ok && buttons != Buttons::Abort) std::cerr << "  -> " << ButtonName(answer) << '\n';
    return answer;
}

std::string CliHost::AskForKey() {
    if (keys_.empty()) {
        std::cerr << "korvex-cli: no key given for: " << Cp1252ToUtf8(keyPrompt_) << '\n';
        keyMissing_ = true;
        errorReported_ = true;
        return {};
    }
    std::string key = keys_.front();
    keys_.pop_front();
    return key;
}

IncludedMacroChoice CliHost::AskMacroAlreadyIncluded(const std::string& description) {
    includedAsked_ = true;
    if (includedChoice_ == IncludedMacroChoice::Cancel)
        std::cerr << "The macro is already included: " << Cp1252ToUtf8(description)
                  << " (--add-key adds keys, --overwrite adds it afresh)\n";
    return includedChoice_;
}

}  // namespace korvex
