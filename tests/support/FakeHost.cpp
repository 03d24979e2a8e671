#include "support/FakeHost.h"

#include <gtest/gtest.h>

namespace korvex {
namespace {

// What a box offers when nobody scripted an answer: the way out that changes least.
Button SafeAnswer(Buttons buttons) {
    switch (buttons) {
        case Buttons::Ok: return Button::Ok;
        case Buttons::Abort: return Button::Abort;
        case Buttons::CancelIgnore: return Button::Cancel;
        case Buttons::YesNo: return Button::No;
        case Buttons::YesNoCancel: return Button::Cancel;
        case Buttons::Cancel: return Button::Cancel;
        case Buttons::OkCancel: return Button::Cancel;
    }
    return Button::Cancel;
}

bool IsQuestion(Buttons buttons) { return buttons != Buttons::Ok && buttons != Buttons::Abort; }

template <typename Request, typename Answer>
Answer NextDialogAnswer(const Request& request, std::vector<Request>& requests, std::deque<Answer>& answers) {
    requests.push_back(request);
    if (answers.empty()) {
        ADD_FAILURE() << "unexpected dialog: " << request.caption;
        return {};
    }
    Answer answer = answers.front();
    answers.pop_front();
    return answer;
}

}  // namespace

FakeHost::~FakeHost() {
    for (const auto& left : expected_) ADD_FAILURE() << "question never asked: " << left.text;
    if (!playerListAnswers.empty()) ADD_FAILURE() << "Player-CFG list dialog never shown";
    if (!playerNameAnswers.empty()) ADD_FAILURE() << "Player-CFG name dialog never shown";
    for (const auto& key : keyAnswers) ADD_FAILURE() << "key never asked for: " << key;
    if (!includedChoices.empty()) ADD_FAILURE() << "\"Macro Already Included\" never asked";
}

void FakeHost::Expect(Icon icon, std::string text, Button answer) {
    expected_.push_back({icon, std::move(text), answer});
}

void FakeHost::RunPosted() {
    while (!posted.empty()) {
        Step step = std::move(posted.front());
        posted.pop_front();
        step();
    }
}

std::vector<std::string> FakeHost::BoxTexts() const {
    std::vector<std::string> texts;
    for (const auto& box : boxes) texts.push_back(box.text);
    return texts;
}

Button FakeHost::ShowMessage(Icon icon, const std::string& text, Buttons buttons) {
    boxes.push_back({icon, text, buttons});
    if (!expected_.empty() && expected_.front().text == text) {
        const Expectation next = expected_.front();
        expected_.pop_front();
        EXPECT_EQ(static_cast<int>(next.icon), static_cast<int>(icon)) << text;
        return next.answer;
    }
    if (IsQuestion(buttons)) ADD_FAILURE() << "unexpected question: " << text;
    return SafeAnswer(buttons);
}

void FakeHost::ShowStatus(StatusWindow, const std::string& text) {
    if (statusTexts.empty() || statusTexts.back() != text) statusTexts.push_back(text);
    statusOpen = true;
}

void FakeHost::CloseStatus(StatusWindow) { statusOpen = false; }

PlayerListAnswer FakeHost::ChoosePlayers(const PlayerListRequest& request) {
    return NextDialogAnswer(request, playerListRequests, playerListAnswers);
}

PlayerNameAnswer FakeHost::AskPlayerName(const PlayerNameRequest& request) {
    return NextDialogAnswer(request, playerNameRequests, playerNameAnswers);
}

bool FakeHost::AskDisclaimer() {
    ++disclaimerShown;
    return disclaimerAccepted;
}

std::string FakeHost::AskForKey() {
    keyRequests.push_back(keyPrompt);
    if (keyAnswers.empty()) {
        ADD_FAILURE() << "unexpected key request: " << keyPrompt;
        return {};
    }
    std::string key = keyAnswers.front();
    keyAnswers.pop_front();
    return key;
}

IncludedMacroChoice FakeHost::AskMacroAlreadyIncluded(const std::string& description) {
    includedQuestions.push_back(description);
    if (includedChoices.empty()) {
        ADD_FAILURE() << "unexpected \"Macro Already Included\": " << description;
        return IncludedMacroChoice::Cancel;
    }
    const IncludedMacroChoice choice = includedChoices.front();
    includedChoices.pop_front();
    return choice;
}

void FakeHost::ShowBindingOverview(MacroOutput& overview) {
    ++overviewsShown;
    if (onOverview) onOverview(overview);
}

bool FakeHost::ShowBindingEditor(BindingEditor& editor) { return onEditor && onEditor(editor); }

}  // namespace korvex
