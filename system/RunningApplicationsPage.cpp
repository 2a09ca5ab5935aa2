// Page 9: the suite's programs that must be closed before going on.
#include <string>

#include "app/ProgramState.h"
#include "app/Unit1.h"
#include "config/IniFile.h"
#include "config/Registry.h"
#include "install/ChildProcess.h"
#include "localisation/PhraseNumbers.h"
#include "platform/Machine.h"
#include "system/ProcessManagement.h"
#include "trace/TraceLog.h"

namespace tavrik {

namespace {

constexpr std::uint32_t kServiceRunningCode = 13;

constexpr const char* kServiceCheck = "c:\\app\\qxdiag\\qxd.bat check >nul";

// The diagnostic service answers its own script with 13 while it runs. A
// script that cannot start leaves the record cleared and counts as stopped.
// A script that does not end within the bound cannot say the service
// stopped: it counts as running, and the window answers meanwhile.
bool IsDiagnosticServiceRunning() {
    auto& machine = platform::CurrentMachine();
    platform::StartOptions options;
    options.hidden = true;
    options.currentDirectory = "c:\\app\\qxdiag\\";
    State.SetupProcessInfo = {};
    machine.StartProcess(kServiceCheck, options, State.SetupProcessInfo);
    std::uint32_t exitCode = 0;
    if (State.SetupProcessInfo.process != platform::kNoHandle) {
        if (!WaitAnsweringWithinBound(State.SetupProcessInfo.process)) {
            if (!RunEnded()) TraceChildNotEnded(kServiceCheck);
            exitCode = kServiceRunningCode;
        } else if (!machine.ProcessExitCode(State.SetupProcessInfo.process, exitCode)) {
            exitCode = 0;
        }
        machine.CloseHandle(State.SetupProcessInfo.process);
        machine.CloseHandle(State.SetupProcessInfo.thread);
    }
    return exitCode == kServiceRunningCode;
}

}  // namespace

bool TMainForm::CheckRunningApplications(std::string& text) {
    if (RegKeyExists(std::string(kProductKey) + "\\APP_Running")) {
        return false;
    }
    const bool service = IsDiagnosticServiceRunning();
    const std::string title =
        ReadIniString(".\\assoAppliFenetre.ini", "NOM_FENETRE", "dremox.exe", "");

    bool running = false;
    const bool dremox = ProcessManagement::Is16bitsModuleRunning("dremox", &running, title.c_str());
    const bool measure = ProcessManagement::IsModuleRunning("QXM.exe", &running);
    const bool lumio = ProcessManagement::IsModuleRunning("lumio32.exe", &running);
    bool office = false;
    if (!State.IsElnaPlatform) {
        office = ProcessManagement::IsModuleRunning("webnav.exe", &running);
    }

    if (dremox) text += "Solvane 2000\n";
    if (measure) text += "Solvane Measure\n";
    if (lumio) text += State.ExtraAppLabel + "\n";
    if (service) text += "Solvane Diagnostic\n";
    if (office) text += "Solvane Office\n";
    return dremox || measure || lumio || service || office;
}

void TMainForm::PageArretAppliShow(TObject* /*sender*/) {
    AppendTraceLine("PageArretAppliShow");
    LoadBackground(ImagePageArretAppli);
    StyleTitleLabel(Label_HC_PageArretAppli);
    SetValidGlyph(SpeedButtonPageArretAppli);
    SetExitGlyph(SpeedButtonSortieArretAppli);
    TextePageArretAppli->Font().SetColor(kPageTextColour);

    std::string text = GetPhrase(phrase::kProgramsStillRunning, true) + "\n";
    CheckRunningApplications(text);
    text += "\n\n" + GetPhrase(phrase::kValidateToContinue, true);
    TextePageArretAppli->SetCaption(text);
}

void TMainForm::SpeedButtonPageArretAppliClick(TObject* /*sender*/) {
    if (State.WaitingForChild) return;  // the check of an earlier press still runs
    std::string list;
    const bool running = CheckRunningApplications(list);
    if (RunEnded()) return;
    if (running) {
        TextePageArretAppli->SetCaption(GetPhrase(phrase::kProgramsStillRunning, true) + "\n" +
                                        list + "\n\n" +
                                        GetPhrase(phrase::kValidateToContinue, true));
        return;
    }
    ShowPage(RunFollowsRestart() ? kPageInstallInProgress : kPageLanguageChoice);
}

void TMainForm::SpeedButtonSortieArretAppliClick(TObject* /*sender*/) { Close(); }

}  // namespace tavrik
