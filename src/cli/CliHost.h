// The Host of korvex-cli: messages go to standard error; questions are answered No or
// Cancel, or Yes (Ignore) when the command line says --yes.
#pragma once

#include <chrono>
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
    bool AnswersYes() const { return answerYes_; }

    Button ShowMessage(Icon icon, const std::string& text, Buttons buttons) override;
    void Post(Step step) override { posted_.push_back(std::move(step)); }
    void ProcessPendingEvents() override {}
    void SuspendInput(bool) override {}
    void RequestClose() override { closeRequested_ = true; }
    void ShowStatus(StatusWindow, const std::string&) override {}
    void CloseStatus(StatusWindow) override {}
    void ShowLaunchNotice(const std::string& text) override;
    // korvex-cli never searches for Quake II: it works on the directory in quakepath.dat.
    bool ShowQuakeSearch(const QuakeSearchProgress&) override { return false; }
    void CloseQuakeSearch() override {}
    QuakeDirAnswer ChooseQuakeDir(const QuakeDirRequest&) override { return {}; }
    bool AskDisclaimer() override { return answerYes_; }
    void ShowMainWindow() override {}
    void MainViewChanged() override {}

    // Player-CFG store: the dialogs are cancelled; the commands act directly instead.
    PlayerListAnswer ChoosePlayers(const PlayerListRequest&) override { return {}; }
    PlayerNameAnswer AskPlayerName(const PlayerNameRequest&) override { return {}; }
    ExchangeFileAnswer ChooseExchangeFile(const ExchangeFileRequest&) override { return {}; }
    std::unique_ptr<PrintCanvas> ChoosePrinter(const PrintRequest&) override { return nullptr; }
    void PlayerCfgChanged() override {}
    void ModTreeChanged() override {}
    // MOD dialogs: cancelled; the commands act directly instead.
    EditModOptionsAnswer EditModOptions(const EditModOptionsRequest&) override { return {}; }
    ServerSideModAnswer AskServerSideMod() override { return {}; }
    RemoveModAnswer AskRemoveMod(const RemoveModRequest&) override { return {}; }
    // The changed files are kept, and listed.
    ChangedModFilesAnswer AskChangedModFiles(const ChangedModFilesRequest& request) override;
    RenameModAnswer AskRenameMod(const RenameModRequest&) override { return {}; }

    // Key bindings: keys come from the command line in request order; the "Macro Already
    // Included" choice is the command line's too (Cancel unless it says otherwise).
    void GiveKeys(std::vector<std::string> keys) { keys_.assign(keys.begin(), keys.end()); }
    void SetIncludedChoice(IncludedMacroChoice choice) { includedChoice_ = choice; }
    bool KeysLeft() const { return !keys_.empty(); }
    bool KeyMissing() const { return keyMissing_; }
    bool IncludedAsked() const { return includedAsked_; }
    std::string AskForKey() override;
    void SetKeyPrompt(const std::string& prompt) override { keyPrompt_ = prompt; }
    void SetBoundKeys(const std::vector<MacroKeys>&) override {}
    void HideKeyDialog() override {}
    IncludedMacroChoice AskMacroAlreadyIncluded(const std::string& description) override;
    // The overview and the editor are the set-keys command's business, not a dialog's.
    OverviewAnswer ShowBindingOverview(const MacroOutput&, int) override { return {}; }
    void ShowKeyMap(const KeyMap&) override {}
    EditorAnswer ShowBindingEditor(const BindingEditor&) override { return {}; }
    // A question whose text starts with prefix is answered with answer, whatever --yes says.
    void AnswerQuestions(const std::string& prefix, Button answer) { answers_.push_back({prefix, answer}); }
    // The name and directory that the identification dialogs answer with; empty: cancelled.
    void SetModIdentity(const std::string& name, const std::string& directory);

    // AutoMOD and installation: no dialogs; the command line decides instead.
    UnknownModAnswer AskUnknownMod(const UnknownModRequest&) override { return {}; }
    DistributionKind AskDistributionKind() override { return DistributionKind::Cancel; }
    std::vector<std::string> ChooseInstallFiles(const InstallFilesRequest&) override { return {}; }
    // The progress of unpacking and moving: one line on standard error that updates itself,
    // only when that is a terminal.
    void ShowInstallWindow(InstallWindow window, const std::string& text, const InstallProgress& progress) override;
    void CloseInstallWindow(InstallWindow) override;
    bool InstallWindowCancelled(InstallWindow) override { return false; }
    void ShowSetupRunning(std::function<void()>) override;
    void CloseSetupRunning() override {}
    void StartInstallShieldTimer(std::function<void()> tick) override { timerTick_ = std::move(tick); }
    void StopInstallShieldTimer() override { timerTick_ = nullptr; }
    // The file nearest to the top of the installed tree names the MOD's root.
    ModRootAnswer AskForModRoot(const ModRootRequest& request) override;
    ModIdentityAnswer AskModIdentity(const ModIdentityRequest&) override { return identity_; }
    UpdatedModAnswer AskUpdatedModName(const UpdatedModRequest&) override;
    // Lists the files and leaves them where they are.
    UnclaimedFilesAnswer AskUnclaimedFiles(const UnclaimedFilesRequest& request) override;
    DirectoryAnswer ChooseDirectory(const DirectoryRequest&) override { return {}; }

private:
    Button Answer(Buttons buttons) const;

    bool answerYes_;
    bool errorReported_ = false;
    bool progressShown_ = false;
    std::chrono::steady_clock::time_point progressTime_;
    bool closeRequested_ = false;
    std::deque<Step> posted_;
    std::deque<std::string> keys_;
    std::string keyPrompt_;
    bool keyMissing_ = false;
    IncludedMacroChoice includedChoice_ = IncludedMacroChoice::Cancel;
    bool includedAsked_ = false;
    struct ScriptedAnswer {
        std::string prefix;
        Button answer;
    };
    std::vector<ScriptedAnswer> answers_;
    ModIdentityAnswer identity_;
    std::function<void()> timerTick_;
};

}  // namespace korvex
