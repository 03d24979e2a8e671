#include "cli/CliHost.h"

#include <algorithm>
#include <chrono>
#include <iostream>
#include <thread>

#include <unistd.h>

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

const char* WindowName(InstallWindow window) {
    switch (window) {
        case InstallWindow::Extracting: return "Extracting";
        case InstallWindow::Scanning: return "Scanning";
        case InstallWindow::Searching: return "Searching";
        case InstallWindow::Copying: return "Copying";
    }
    return "";
}

}  // namespace

// Ten updates a second are enough to read, and thousands of files need not write thousands of lines.
void CliHost::ShowInstallWindow(InstallWindow window, const std::string&, const InstallProgress& progress) {
    if (progress.files == 0 || !::isatty(STDERR_FILENO)) return;
    const auto now = std::chrono::steady_clock::now();
    const bool last = progress.filesDone == progress.files;
    if (progressShown_ && !last && now - progressTime_ < std::chrono::milliseconds(100)) return;
    progressTime_ = now;
    progressShown_ = true;
    std::cerr << '\r' << WindowName(window) << ": " << ProgressText(progress) << "\x1b[K" << std::flush;
}

void CliHost::CloseInstallWindow(InstallWindow) {
    if (progressShown_) std::cerr << '\n';
    progressShown_ = false;
}

void CliHost::RunPosted() {
    while ((!posted_.empty() || timerTick_) && !closeRequested_) {
        if (posted_.empty()) {
            // A setup program runs: its step is watched once a second, as the window's timer does.
            std::this_thread::sleep_for(std::chrono::seconds(1));
            if (timerTick_) timerTick_();
            continue;
        }
        Step step = std::move(posted_.front());
        posted_.pop_front();
        step();
    }
}

void CliHost::SetModIdentity(const std::string& name, const std::string& directory) {
    identity_ = {!name.empty() && !directory.empty(), name, directory};
}

void CliHost::ShowSetupRunning(std::function<void()>) {
    std::cerr << "Waiting for the setup program...\n";
}

ModRootAnswer CliHost::AskForModRoot(const ModRootRequest& request) {
    if (!identity_.confirmed || request.files.empty()) return {};
    const auto depth = [](const std::string& file) { return std::count(file.begin(), file.end(), '/'); };
    return {true, *std::min_element(request.files.begin(), request.files.end(),
                                    [&](const auto& a, const auto& b) { return depth(a) < depth(b); })};
}

UpdatedModAnswer CliHost::AskUpdatedModName(const UpdatedModRequest&) {
    return {identity_.confirmed, identity_.name};
}

UnclaimedFilesAnswer CliHost::AskUnclaimedFiles(const UnclaimedFilesRequest& request) {
    std::cerr << Cp1252ToUtf8(request.caption) << ":\n";
    for (const std::string& file : request.files) std::cerr << "  " << Cp1252ToUtf8(file) << '\n';
    return {};
}

ChangedModFilesAnswer CliHost::AskChangedModFiles(const ChangedModFilesRequest& request) {
    for (const std::string& file : request.files)
        std::cerr << "kept, changed since the installation: " << Cp1252ToUtf8(file) << '\n';
    return {true, {}};
}

Button CliHost::Answer(Buttons buttons) const {
    switch (buttons) {
        case Buttons::Ok: return Button::Ok;
        case Buttons::Abort: return Button::Abort;
        case Buttons::CancelIgnore: return answerYes_ ? Button::Ignore : Button::Cancel;
        case Buttons::YesNo: return answerYes_ ? Button::Yes : Button::No;
        case Buttons::YesNoCancel: return answerYes_ ? Button::Yes : Button::Cancel;
        case Buttons::Cancel: return Button::Cancel;
        // OK would delete a file that could not be backed up: never without a person to ask.
        case Buttons::OkCancel: return Button::Cancel;
    }
    return Button::Cancel;
}

Button CliHost::ShowMessage(Icon icon, const std::string& text, Buttons buttons) {
    if (icon == Icon::Error) errorReported_ = true;
    std::cerr << Cp1252ToUtf8(text) << '\n';
    Button answer = Answer(buttons);
    for (const ScriptedAnswer& scripted : answers_)
        if (text.starts_with(scripted.prefix)) answer = scripted.answer;
    if (buttons != Buttons::Ok && buttons != Buttons::Abort) std::cerr << "  -> " << ButtonName(answer) << '\n';
    return answer;
}

// On stdout, ahead of what the launch prints: it belongs to the launch's own account.
void CliHost::ShowLaunchNotice(const std::string& text) { std::cout << Cp1252ToUtf8(text) << '\n'; }

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
