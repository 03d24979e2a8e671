// A scripted stand-in for the person at the screen. Every message box is recorded; a
// question must have been scripted with Expect, and one nobody scripted fails the test.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "app/Host.h"

namespace korvex {

struct ShownBox {
    Icon icon;
    std::string text;
    Buttons buttons;
};

class FakeHost : public Host {
public:
    ~FakeHost() override;

    // The next question with this icon and text is answered with answer.
    void Expect(Icon icon, std::string text, Button answer);
    // Runs posted steps, and the steps they post, until none is left.
    void RunPosted();
    // The texts of the boxes shown so far.
    std::vector<std::string> BoxTexts() const;

    Button ShowMessage(Icon icon, const std::string& text, Buttons buttons) override;
    void Post(Step step) override { posted.push_back(std::move(step)); }
    void ProcessPendingEvents() override {}
    void RequestClose() override { ++closeRequests; }
    void ShowStatus(StatusWindow window, const std::string& text) override;
    void CloseStatus(StatusWindow window) override;
    bool AskDisclaimer() override;
    void ShowMainWindow() override { mainWindowShown = true; }
    void MainViewChanged() override {
        if (onViewChanged) onViewChanged();
    }

    // Player-CFG dialogs: answered from the scripts below in order; an unscripted one fails.
    PlayerListAnswer ChoosePlayers(const PlayerListRequest& request) override;
    PlayerNameAnswer AskPlayerName(const PlayerNameRequest& request) override;
    void PlayerCfgChanged() override {
        if (onViewChanged) onViewChanged();
    }
    void ModTreeChanged() override {}

    // Key bindings: keys are answered from keyAnswers in order (an unscripted request fails
    // and gives no key); every request records the prompt shown at that moment.
    std::string AskForKey() override;
    void SetKeyPrompt(const std::string& prompt) override { keyPrompt = prompt; }
    void HideKeyDialog() override { ++keyDialogHidden; }
    IncludedMacroChoice AskMacroAlreadyIncluded(const std::string& description) override;
    void ShowBindingOverview(MacroOutput& overview) override;
    bool ShowBindingEditor(BindingEditor& editor) override;
    std::deque<std::string> keyAnswers;
    std::vector<std::string> keyRequests;
    std::string keyPrompt;
    int keyDialogHidden = 0;
    std::deque<IncludedMacroChoice> includedChoices;
    std::vector<std::string> includedQuestions;
    // What the person does in the overview and the editor; without one, the dialog is closed.
    std::function<void(MacroOutput&)> onOverview;
    std::function<bool(BindingEditor&)> onEditor;
    int overviewsShown = 0;

    std::deque<PlayerListAnswer> playerListAnswers;
    std::deque<PlayerNameAnswer> playerNameAnswers;
    std::vector<PlayerListRequest> playerListRequests;
    std::vector<PlayerNameRequest> playerNameRequests;

    std::vector<ShownBox> boxes;
    std::deque<Step> posted;
    std::vector<std::string> statusTexts;  // every text a status window showed, in order
    bool disclaimerAccepted = true;
    int disclaimerShown = 0;
    int closeRequests = 0;
    // Lets a widget test keep its window in step with the core.
    std::function<void()> onViewChanged;
    bool mainWindowShown = false;
    bool statusOpen = false;

private:
    struct Expectation {
        Icon icon;
        std::string text;
        Button answer;
    };
    std::deque<Expectation> expected_;
};

}  // namespace korvex
