// The program-wide state the pages share. Every value that passes from one
// page to the next lives here, under the name the pages know it by, with the
// value it has when the wizard starts; the form itself keeps nothing but its
// components. Tests start each wizard afresh with `State = ProgramState{}`.
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

struct ProgramState {
    TMainForm* MainForm = nullptr;
    // Shared only so that the state can drop the grid without knowing its
    // type: the deleter comes from where the grid is made (localisation/).
    std::shared_ptr<TFlagGrid> FlagGrid;
    std::unique_ptr<std::vector<vcl::TSpeedButton*>> FlagButtonList;
    vcl::TShape* SelectionShape = nullptr;
    vcl::TImage* LanguagePageImage = nullptr;
    std::string SelectedLanguage = "0";
    std::string DictionaryFileName;
    bool InstallPathChosen = false;
    std::string ExtraAppLabel;
    int WaitImageNumber = 1;
    std::string InstallPath;
    platform::ProcessInfo SetupProcessInfo;
    bool FlagKeyNavigation = false;
    bool IsInstallation = true;
    bool SetupFinished = false;
    bool MainSetupPending = false;
    int ComponentSetupExitCode = -1;
    // False once the start finds a system other than Windows 2000 or XP.
    bool SystemValid = true;
    bool IsElnaPlatform = false;
    bool IsPortable = false;
    bool IsFixedPc = false;
    bool RvsServerPresent = false;
    int WaitPollCountdown = 0;
    bool DllTestPassed = false;
    // The last packaged setup ended and left Install "0" or empty.
    bool SetupSucceeded = false;
    // The program's command line, as it was started.
    std::string CommandLine;
    // The dictionary library could not be loaded, and the trace says so
    // once rather than for every phrase.
    bool DictionaryLibraryFailureTraced = false;
    // Page 6 refused to start any work (the installation state cannot be
    // recorded): its validate button and keys only end the run.
    bool WorkRefused = false;
    // A child is being waited for while the window answers: page 6's
    // validate must not start anything meanwhile.
    bool WaitingForChild = false;
};

extern ProgramState State;

// The application's Tag is 1: started with "-reboot" and a resume record,
// this run resumes an installation after a restart (app/RestartResume.h).
bool RunFollowsRestart();

}  // namespace tavrik
