// A scripted stand-in for the person at the screen. Every message box is recorded; a
// question must have been scripted with Expect, and one nobody scripted fails the test.
#pragma once

#include <deque>
#include <map>
#include <string>
#include <vector>

#include "app/Host.h"

namespace korvex {

struct ShownBox {
    Icon icon;
    std::string text;
    Buttons buttons;
};

// The answer of a player who goes ahead: Yes to a yes/no question, No where Cancel is offered
// as well (asked to remove a conflicting macro, both stay), Ignore rather than Cancel, Ok.
Button GoAheadAnswer(Buttons buttons);

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
    void ProcessPendingEvents() override { ++pendingEventRuns; }
    void SuspendInput(bool suspended) override { suspendCalls.push_back(suspended); }
    void RequestClose() override { ++closeRequests; }
    void ShowStatus(StatusWindow window, const std::string& text) override;
    void CloseStatus(StatusWindow window) override;
    void ShowLaunchNotice(const std::string& text) override { launchNotices.push_back(text); }
    // The Quake II search records what it showed and goes on until cancelQuakeSearchAt shows;
    // the list of finds is answered from quakeDirAnswers in order.
    bool ShowQuakeSearch(const QuakeSearchProgress& progress) override;
    void CloseQuakeSearch() override { quakeSearchOpen = false; }
    QuakeDirAnswer ChooseQuakeDir(const QuakeDirRequest& r) override {
        quakeDirRequests.push_back(r);
        return Next(quakeDirAnswers, "Quake II directory");
    }
    std::vector<QuakeSearchProgress> quakeSearchProgress;
    int cancelQuakeSearchAt = -1;  // the number of the progress at which the person cancels
    bool quakeSearchOpen = false;
    std::deque<QuakeDirAnswer> quakeDirAnswers;
    std::vector<QuakeDirRequest> quakeDirRequests;
    bool AskDisclaimer() override;
    void ShowMainWindow() override { mainWindowShown = true; }
    void MainViewChanged() override {
        if (onViewChanged) onViewChanged();
    }

    // Player-CFG dialogs: answered from the scripts below in order; an unscripted one fails.
    PlayerListAnswer ChoosePlayers(const PlayerListRequest& r) override { return Next(r, playerListRequests, playerListAnswers); }
    PlayerNameAnswer AskPlayerName(const PlayerNameRequest& r) override { return Next(r, playerNameRequests, playerNameAnswers); }
    ExchangeFileAnswer ChooseExchangeFile(const ExchangeFileRequest& r) override {
        exchangeFileRequests.push_back(r);
        return Next(exchangeFileAnswers, r.save ? "save exchange file" : "open exchange file");
    }
    // Answered by printer: a canvas, or none for a cancelled dialog; unset fails the test.
    std::unique_ptr<PrintCanvas> ChoosePrinter(const PrintRequest& request) override;
    void PlayerCfgChanged() override {
        if (onViewChanged) onViewChanged();
    }
    void ModTreeChanged() override {
        if (onViewChanged) onViewChanged();
    }

    // Key bindings: keys are answered from keyAnswers in order (an unscripted request fails
    // and gives no key); every request records the prompt shown at that moment.
    std::string AskForKey() override;
    void SetKeyPrompt(const std::string& prompt) override { keyPrompt = prompt; }
    void SetBoundKeys(const std::vector<MacroKeys>& macros) override { boundKeys = macros; }
    void HideKeyDialog() override { ++keyDialogHidden; }
    IncludedMacroChoice AskMacroAlreadyIncluded(const std::string& description) override;
    OverviewAnswer ShowBindingOverview(const MacroOutput& overview, int selected) override;
    void ShowKeyMap(const KeyMap& map) override;
    EditorAnswer ShowBindingEditor(const BindingEditor& editor) override;
    std::deque<std::string> keyAnswers;
    std::vector<std::string> keyRequests;
    std::string keyPrompt;
    std::vector<MacroKeys> boundKeys;
    int keyDialogHidden = 0;
    std::deque<IncludedMacroChoice> includedChoices;
    std::vector<std::string> includedQuestions;
    // The overview and the editor are answered in order and record what they showed; an
    // overview without an answer is closed. A keyboard map records its Player-CFG.
    std::deque<OverviewAnswer> overviewAnswers;
    std::vector<MacroOutput> overviewsShown;
    std::deque<EditorAnswer> editorAnswers;
    std::vector<BindingEditor> editorsShown;
    std::vector<std::string> keyMapsShown;

    std::deque<PlayerListAnswer> playerListAnswers;
    std::deque<PlayerNameAnswer> playerNameAnswers;
    std::vector<PlayerListRequest> playerListRequests;
    std::vector<PlayerNameRequest> playerNameRequests;
    std::deque<ExchangeFileAnswer> exchangeFileAnswers;
    std::vector<ExchangeFileRequest> exchangeFileRequests;
    std::function<std::unique_ptr<PrintCanvas>()> printer;
    std::vector<PrintRequest> printRequests;

    // MOD dialogs: answered from the scripts below in order; an unscripted one fails.
    EditModOptionsAnswer EditModOptions(const EditModOptionsRequest& r) override { return Next(r, editModRequests, editModAnswers); }
    ServerSideModAnswer AskServerSideMod() override { return Next(serverSideAnswers, "Add Server-Sided-Only MOD"); }
    RemoveModAnswer AskRemoveMod(const RemoveModRequest& r) override { return Next(r, removeModRequests, removeModAnswers); }
    RenameModAnswer AskRenameMod(const RenameModRequest& r) override {
        renameModRequests.push_back(r);
        return Next(renameModAnswers, "Rename MOD");
    }
    ChangedModFilesAnswer AskChangedModFiles(const ChangedModFilesRequest& r) override {
        return Next(r, changedModFilesRequests, changedModFilesAnswers);
    }
    std::deque<EditModOptionsAnswer> editModAnswers;
    std::deque<ServerSideModAnswer> serverSideAnswers;
    std::deque<RemoveModAnswer> removeModAnswers;
    std::deque<RenameModAnswer> renameModAnswers;
    std::deque<ChangedModFilesAnswer> changedModFilesAnswers;
    std::vector<ChangedModFilesRequest> changedModFilesRequests;
    std::vector<EditModOptionsRequest> editModRequests;
    std::vector<RemoveModRequest> removeModRequests;
    std::vector<RenameModRequest> renameModRequests;

    // AutoMOD and installation dialogs: answered from these scripts in order.
    UnknownModAnswer AskUnknownMod(const UnknownModRequest& r) override {
        unknownModRequests.push_back(r);
        return Next(unknownModAnswers, "Unknown Modification");
    }
    DistributionKind AskDistributionKind() override {
        return Next(distributionAnswers, "Kind of Distribution", DistributionKind::Cancel);
    }
    std::vector<std::string> ChooseInstallFiles(const InstallFilesRequest& r) override {
        installFileRequests.push_back(r);
        return Next(installFileAnswers, "Install modification from files ...");
    }
    void ShowInstallWindow(InstallWindow window, const std::string& text, const InstallProgress& progress) override;
    void CloseInstallWindow(InstallWindow window) override;
    bool InstallWindowCancelled(InstallWindow) override { return cancelSearch; }
    void ShowSetupRunning(std::function<void()> wakeUp) override { setupRunning = std::move(wakeUp); }
    void CloseSetupRunning() override { setupRunning = nullptr; }
    void StartInstallShieldTimer(std::function<void()> tick) override { timerTick = std::move(tick); }
    void StopInstallShieldTimer() override { timerTick = nullptr; }
    ModRootAnswer AskForModRoot(const ModRootRequest& r) override {
        modRootRequests.push_back(r);
        return Next(modRootAnswers, "Localize modification");
    }
    ModIdentityAnswer AskModIdentity(const ModIdentityRequest&) override { return Next(modIdentityAnswers, "Identify Modification"); }
    UpdatedModAnswer AskUpdatedModName(const UpdatedModRequest& r) override { return Next(r, updatedModRequests, updatedModAnswers); }
    UnclaimedFilesAnswer AskUnclaimedFiles(const UnclaimedFilesRequest& r) override { return Next(r, unclaimedRequests, unclaimedAnswers); }
    DirectoryAnswer ChooseDirectory(const DirectoryRequest& r) override { return Next(directoryAnswers, r.caption); }
    std::deque<UnknownModAnswer> unknownModAnswers;
    std::deque<DistributionKind> distributionAnswers;
    std::deque<std::vector<std::string>> installFileAnswers;
    std::deque<ModRootAnswer> modRootAnswers;
    std::deque<ModIdentityAnswer> modIdentityAnswers;
    std::deque<UpdatedModAnswer> updatedModAnswers;
    std::deque<UnclaimedFilesAnswer> unclaimedAnswers;
    std::deque<DirectoryAnswer> directoryAnswers;
    std::vector<UnknownModRequest> unknownModRequests;
    std::vector<InstallFilesRequest> installFileRequests;
    std::vector<ModRootRequest> modRootRequests;
    std::vector<UpdatedModRequest> updatedModRequests;
    std::vector<UnclaimedFilesRequest> unclaimedRequests;
    // The windows opened, in order, and the one-second tick while the setup step runs.
    std::vector<InstallWindow> installWindows;
    std::map<InstallWindow, InstallProgress> lastProgress;  // the last progress each window showed
    int openInstallWindows = 0;
    bool cancelSearch = false;
    std::function<void()> setupRunning;  // "Wake up!" while the window is shown
    std::function<void()> timerTick;

    std::vector<ShownBox> boxes;
    std::vector<bool> suspendCalls;
    std::deque<Step> posted;
    std::vector<std::string> statusTexts;  // every text a status window showed, in order
    std::vector<std::string> launchNotices;
    bool disclaimerAccepted = true;
    int disclaimerShown = 0;
    int closeRequests = 0;
    int pendingEventRuns = 0;
    // Lets a widget test keep its window in step with the core.
    std::function<void()> onViewChanged;
    bool mainWindowShown = false;
    bool statusOpen = false;

private:
    // The next scripted answer; a dialog nobody scripted fails the test and gets fallback.
    template <typename Answer>
    Answer Next(std::deque<Answer>& answers, const std::string& caption, Answer fallback = {}) {
        if (answers.empty()) {
            Unexpected(caption);
            return fallback;
        }
        Answer answer = std::move(answers.front());
        answers.pop_front();
        return answer;
    }
    template <typename Request, typename Answer>
    Answer Next(const Request& request, std::vector<Request>& requests, std::deque<Answer>& answers) {
        requests.push_back(request);
        return Next(answers, request.caption);
    }
    static void Unexpected(const std::string& caption);

    struct Expectation {
        Icon icon;
        std::string text;
        Button answer;
    };
    std::deque<Expectation> expected_;
};

}  // namespace korvex
