#include "app/ProgramState.h"

#include "vcl/Application.h"

namespace tavrik {

TMainForm* MainForm = nullptr;
std::shared_ptr<TFlagGrid> FlagGrid;
std::unique_ptr<std::vector<vcl::TSpeedButton*>> FlagButtonList;
vcl::TShape* SelectionShape = nullptr;
vcl::TImage* LanguagePageImage = nullptr;
std::string SelectedLanguage;
std::string DictionaryFileName;
bool InstallPathChosen = false;
std::string ExtraAppLabel;
int WaitImageNumber = 0;
std::string InstallPath;
platform::ProcessInfo SetupProcessInfo;
bool FlagKeyNavigation = false;
bool IsInstallation = false;
bool SetupFinished = false;
bool MainSetupPending = false;
int ComponentSetupExitCode = 0;
bool SystemValid = false;
bool IsElnaPlatform = false;
bool IsPortable = false;
bool IsFixedPc = false;
bool RvsServerPresent = false;
int WaitPollCountdown = 0;
bool DllTestPassed = false;
bool SetupSucceeded = false;

bool RunFollowsRestart() { return vcl::Application() != nullptr && vcl::Application()->Tag() == 1; }

void ResetProgramState() {
    MainForm = nullptr;
    FlagGrid.reset();
    FlagButtonList.reset();
    SelectionShape = nullptr;
    LanguagePageImage = nullptr;
    SelectedLanguage.clear();
    DictionaryFileName.clear();
    InstallPathChosen = false;
    ExtraAppLabel.clear();
    WaitImageNumber = 0;
    InstallPath.clear();
    SetupProcessInfo = {};
    FlagKeyNavigation = false;
    IsInstallation = false;
    SetupFinished = false;
    MainSetupPending = false;
    ComponentSetupExitCode = 0;
    SystemValid = false;
    IsElnaPlatform = false;
    IsPortable = false;
    IsFixedPc = false;
    RvsServerPresent = false;
    WaitPollCountdown = 0;
    DllTestPassed = false;
    SetupSucceeded = false;
}

}  // namespace tavrik
