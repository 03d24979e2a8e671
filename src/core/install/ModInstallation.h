// Installing a MOD from downloaded files: the choice of files, the queue that unpacks or
// runs them one by one, and the setup-program step.
#pragma once

#include <string>

namespace korvex {

struct Korvex;
struct InstallState;
class TExecFile;

// "Install new MOD".
void InstallNewMODButtonClick(Korvex& app);
// Starts the queue for the files of app.install.fileList; false when the temporary
// directory cannot be made ready.
bool StartInstallation(Korvex& app);
// One file of the queue: unpacked into the temporary directory or run as a setup program.
void InstallNextFile(Korvex& app);

// The setup program's step; it ends on a later timer tick.
void RunSetupProgram(Korvex& app, const std::string& file);
void InstallShieldTimerTimer(Korvex& app);
void WakeUpClick(InstallState& install);
void FinishSetupProgram(Korvex& app, bool search);

// The process component runs a setup program as one argument: a Windows program through
// wine when it is installed, anything else as it is.
void SetSetupProgram(TExecFile& exec, const std::string& file);

}  // namespace korvex
