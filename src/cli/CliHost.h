// The Host of korvex-cli: messages go to standard error; questions are answered No or
// Cancel, or Yes (Ignore) when the command line says --yes.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "app/Host.h"

namespace korvex {

class CliHost : public Host {
public:
    explicit CliHost(bool answerYes) : answerYes_(answerYes) {}

    // Runs the posted steps of a chained operation until none is left.
    void RunPosted();
    void DropPosted() { posted_.clear(); }
    bool ErrorReported() const { return errorReported_; }

    Button ShowMessage(Icon icon, const std::string& text, Buttons buttons) override;
    void Post(Step step) override { posted_.push_back(std::move(step)); }
    void ProcessPendingEvents() override {}
    void RequestClose() override { closeRequested_ = true; }
    void ShowStatus(StatusWindow, const std::string&) override {}
    void CloseStatus(StatusWindow) override {}
    bool AskDisclaimer() override { return answerYes_; }
    void ShowMainWindow() override {}
    void MainViewChanged() override {}

    // Player-CFG store: the dialogs are cancelled; the commands act directly instead.
    PlayerListAnswer ChoosePlayers(const PlayerListRequest&) override { return {}; }
    PlayerNameAnswer AskPlayerName(const PlayerNameRequest&) override { return {}; }
    void PlayerCfgChanged() override {}
    void ModTreeChanged() override {}

    // Key bindings: keys come from the command line in request order; the "Macro Already
    // Included" choice is the command line's too (Cancel unless it says otherwise).
    void GiveKeys(std::vector<std::string> keys) { keys_.assign(keys.begin(), keys.end()); }
    void SetIncludedChoice(IncludedMacroChoice choice) { includedChoice_ = choice; }
    bool KeysLeft() const { return !keys_.empty(); }
    bool KeyMissing() const { return keyMissing_; }
    bool IncludedAsked() const { return includedAsked_; }
    std::string AskForKey() override;
    void SetKeyPrompt(const std::string& prompt) override { keyPrompt_ = prompt; }
    void HideKeyDialog() override {}
    IncludedMacroChoice AskMacroAlreadyIncluded(const std::string& description) override;
    // The overview and the editor are the set-keys command's business, not a dialog's.
    void ShowBindingOverview(MacroOutput&) override {}
    bool ShowBindingEditor(BindingEditor&) override { return false; }

private:
    Button Answer(Buttons buttons) const;

    bool answerYes_;
    bool errorReported_ = false;
    bool closeRequested_ = false;
    std::deque<Step> posted_;
    std::deque<std::string> keys_;
    std::string keyPrompt_;
    bool keyMissing_ = false;
    IncludedMacroChoice includedChoice_ = IncludedMacroChoice::Cancel;
    bool includedAsked_ = false;
};

}  // namespace korvex
