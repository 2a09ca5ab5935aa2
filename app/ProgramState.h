// The program-wide state the pages share. Every value that passes from one
// page to the next lives here, under the name the pages know it by; the
// form itself keeps nothing but its components.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/Machine.h"

namespace tavrik {

namespace vcl {
class TImage;
class TShape;
class TSpeedButton;
}  // namespace vcl

class TMainForm;
class TFlagGrid;

extern TMainForm* MainForm;
// Shared only so that the state can drop the grid without knowing its type:
// the deleter comes from where the grid is made (localisation/).
extern std::shared_ptr<TFlagGrid> FlagGrid;
extern std::unique_ptr<std::vector<vcl::TSpeedButton*>> FlagButtonList;
extern vcl::TShape* SelectionShape;
extern vcl::TImage* LanguagePageImage;
extern std::string SelectedLanguage;
extern std::string DictionaryFileName;
extern bool InstallPathChosen;
extern std::string ExtraAppLabel;
extern int WaitImageNumber;
extern std::string InstallPath;
extern platform::ProcessInfo SetupProcessInfo;
extern bool FlagKeyNavigation;
extern bool IsInstallation;
extern bool SetupFinished;
extern bool MainSetupPending;
extern int ComponentSetupExitCode;
extern bool SystemValid;
extern bool IsElnaPlatform;
extern bool IsPortable;
extern bool IsFixedPc;
extern bool RvsServerPresent;
extern int WaitPollCountdown;
extern bool DllTestPassed;
// The last packaged setup ended and left Install "0" or empty.
extern bool SetupSucceeded;

// The application's Tag is 1: started with a command line ("-reboot"),
// this run follows a restart.
bool RunFollowsRestart();

// Back to the zero and empty values of a process that has not constructed
// its form yet (tests run many wizards in one process).
void ResetProgramState();

}  // namespace tavrik
