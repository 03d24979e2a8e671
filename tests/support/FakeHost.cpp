#include "support/FakeHost.h"

#include <gtest/gtest.h>

#include "compiler/KeyMap.h"

namespace korvex {
namespace {

// What a box offers when nobody scripted an answer: the way out that changes least.
Button SafeAnswer(Buttons buttons) {
    switch (buttons) {
        case Buttons::Ok: return Button::Ok;
        case Buttons::Abort: return Button::Abort;
        case Buttons::YesNo: return Button::No;
        default: return Button::Cancel;
    }
}

bool IsQuestion(Buttons buttons) { return buttons != Buttons::Ok && buttons != Buttons::Abort; }

}  // namespace

Button GoAheadAnswer(Buttons buttons) {
    switch (buttons) {
        case Buttons::YesNo: return Button::Yes;
        case Buttons::YesNoCancel: return Button::No;
        case Buttons::CancelIgnore: return Button::Ignore;
        case Buttons::Abort: return Button::Abort;
        case Buttons::Cancel: return Button::Cancel;
        case Buttons::Ok:
        case Buttons::OkCancel: return Button::Ok;
    }
    return Button::Ok;
}

FakeHost::~FakeHost() {
    for (const auto& left : expected_) ADD_FAILURE() << "question never asked: " << left.text;
    if (!playerListAnswers.empty()) ADD_FAILURE() << "Player-CFG list dialog never shown";
    if (!playerNameAnswers.empty()) ADD_FAILURE() << "Player-CFG name dialog never shown";
    for (const auto& key : keyAnswers) ADD_FAILURE() << "key never asked for: " << key;
    if (!includedChoices.empty()) ADD_FAILURE() << "\"Macro Already Included\" never asked";
    if (!editModAnswers.empty() || !serverSideAnswers.empty() || !removeModAnswers.empty() ||
        !renameModAnswers.empty())
        ADD_FAILURE() << "MOD dialog never shown";
    if (!exchangeFileAnswers.empty()) ADD_FAILURE() << "exchange file dialog never shown";
    if (!unknownModAnswers.empty() || !distributionAnswers.empty() || !installFileAnswers.empty() ||
        !modRootAnswers.empty() || !modIdentityAnswers.empty() || !updatedModAnswers.empty() ||
        !unclaimedAnswers.empty() || !directoryAnswers.empty())
        ADD_FAILURE() << "installation dialog never shown";
}

void FakeHost::Unexpected(const std::string& caption) { ADD_FAILURE() << "unexpected dialog: " << caption; }

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

std::unique_ptr<PrintCanvas> FakeHost::ChoosePrinter(const PrintRequest& request) {
    printRequests.push_back(request);
    if (!printer) {
        ADD_FAILURE() << "unexpected printer dialog";
        return nullptr;
    }
    return printer();
}

void FakeHost::ShowInstallWindow(InstallWindow window, const std::string& text, const InstallProgress& progress) {
    if (installWindows.empty() || installWindows.back() != window) installWindows.push_back(window);
    if (progress.files > 0) lastProgress[window] = progress;
    statusTexts.push_back(text);
    ++openInstallWindows;
}

void FakeHost::CloseInstallWindow(InstallWindow) { openInstallWindows = 0; }

bool FakeHost::ShowQuakeSearch(const QuakeSearchProgress& progress) {
    quakeSearchOpen = true;
    quakeSearchProgress.push_back(progress);
    return static_cast<int>(quakeSearchProgress.size()) != cancelQuakeSearchAt;
}

bool FakeHost::AskDisclaimer() {
    ++disclaimerShown;
    return disclaimerAccepted;
}

std::string FakeHost::AskForKey() {
    keyRequests.push_back(keyPrompt);
    return Next(keyAnswers, "key request " + keyPrompt);
}

IncludedMacroChoice FakeHost::AskMacroAlreadyIncluded(const std::string& description) {
    includedQuestions.push_back(description);
    return Next(includedChoices, "Macro Already Included " + description, IncludedMacroChoice::Cancel);
}

OverviewAnswer FakeHost::ShowBindingOverview(const MacroOutput& overview, int) {
    overviewsShown.push_back(overview);
    if (overviewAnswers.empty()) return {};
    const OverviewAnswer answer = overviewAnswers.front();
    overviewAnswers.pop_front();
    return answer;
}

void FakeHost::ShowKeyMap(const KeyMap& map) { keyMapsShown.push_back(map.player); }

EditorAnswer FakeHost::ShowBindingEditor(const BindingEditor& editor) {
    editorsShown.push_back(editor);
    return Next(editorAnswers, "binding editor " + editor.title);
}

}  // namespace korvex
