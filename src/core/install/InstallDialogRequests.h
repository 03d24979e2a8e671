// What the installation's dialogs and windows show and what the person answers, and the
// part of the Host that shows them.
#pragma once

#include "install/InstallProgress.h"
#include <functional>
#include <string>
#include <vector>

namespace korvex {

enum class DistributionKind { Single, Multiple, Cancel };

// "Install modification from files ...": ZIP-Archives, SFX-Archives.
struct InstallFilesRequest {
    bool multiSelect = false;
};

// The progress windows of an installation; Searching has a Cancel button.
enum class InstallWindow { Extracting, Scanning, Searching, Copying };

// "Localize modification": one of the recently created files names the MOD's root.
struct ModRootRequest {
    std::vector<std::string> files;  // sorted
};

struct ModRootAnswer {
    bool confirmed = false;
    std::string file;
};

// "Identify Modification": the name and the usual directory of a MOD nobody recognised.
struct ModIdentityRequest {
    std::string readmeDirectory;
    std::function<void(const std::string& file)> viewReadme;
};

struct ModIdentityAnswer {
    bool confirmed = false;
    std::string name;
    std::string directory;
};

// "Existing modification updated: <name> (<DIRECTORY>)".
struct UpdatedModRequest {
    std::string caption;
};

struct UpdatedModAnswer {
    bool confirmed = false;
    std::string name;
};

// "Unknown files" after an installation, "Files in selected directory" for an existing MOD.
struct UnclaimedFilesRequest {
    std::string caption;
    std::string text;
    std::vector<std::string> files;  // sorted
};

enum class UnclaimedAction { Done, Move, Delete };

struct UnclaimedFilesAnswer {
    UnclaimedAction action = UnclaimedAction::Done;
    std::vector<std::string> selected;
    std::string target;  // where Move puts them
};

struct DirectoryRequest {
    std::string caption;
    std::string startDirectory;
};

struct DirectoryAnswer {
    bool confirmed = false;
    std::string directory;
};

// The installation's dialogs; part of Host.
class InstallDialogHost {
public:
    virtual ~InstallDialogHost() = default;
    virtual DistributionKind AskDistributionKind() = 0;
    // The chosen files; none when the dialog was cancelled.
    virtual std::vector<std::string> ChooseInstallFiles(const InstallFilesRequest& request) = 0;
    // Opens the window or changes its text; progress without files shows no progress.
    virtual void ShowInstallWindow(InstallWindow window, const std::string& text,
                                   const InstallProgress& progress = {}) = 0;
    virtual void CloseInstallWindow(InstallWindow window) = 0;
    virtual bool InstallWindowCancelled(InstallWindow window) = 0;
    // "InstallShield still running?", not modal; wakeUp runs when "Wake up!" is pressed.
    virtual void ShowSetupRunning(std::function<void()> wakeUp) = 0;
    virtual void CloseSetupRunning() = 0;
    // Calls tick once a second until stopped.
    virtual void StartInstallShieldTimer(std::function<void()> tick) = 0;
    virtual void StopInstallShieldTimer() = 0;
    virtual ModRootAnswer AskForModRoot(const ModRootRequest& request) = 0;
    virtual ModIdentityAnswer AskModIdentity(const ModIdentityRequest& request) = 0;
    virtual UpdatedModAnswer AskUpdatedModName(const UpdatedModRequest& request) = 0;
    virtual UnclaimedFilesAnswer AskUnclaimedFiles(const UnclaimedFilesRequest& request) = 0;
    virtual DirectoryAnswer ChooseDirectory(const DirectoryRequest& request) = 0;
};

}  // namespace korvex
