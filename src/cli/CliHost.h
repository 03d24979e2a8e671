// The Host of korvex-cli: messages go to standard error; questions are answered No or
// Cancel, or Yes (Ignore) when the command line says --yes.
#pragma once

#include <deque>

#include "app/Host.h"

namespace korvex {

class CliHost : public Host {
public:
    explicit CliHost(bool answerYes) : answerYes_(answerYes) {}

    // Runs the posted steps of a chained operation until none is left.
    void RunPosted();
    bool ErrorReported() const { return errorReported_; }

    Button ShowMessage(Icon icon, const std::string& text, Buttons buttons) override;
    void Post(Step step) override { posted_.push_back(std::move(step)); }
    void ProcessPendingEvents() override {}
    void SuspendInput(bool) override {}
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
    // MOD dialogs: cancelled; the commands act directly instead.
    EditModOptionsAnswer EditModOptions(const EditModOptionsRequest&) override { return {}; }
    ServerSideModAnswer AskServerSideMod() override { return {}; }
    RemoveModAnswer AskRemoveMod(const RemoveModRequest&) override { return {}; }
    RenameModAnswer AskRenameMod(const RenameModRequest&) override { return {}; }

private:
    Button Answer(Buttons buttons) const;

    bool answerYes_;
    bool errorReported_ = false;
    bool closeRequested_ = false;
    std::deque<Step> posted_;
};

}  // namespace korvex
