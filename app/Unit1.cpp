#include "app/Unit1.h"

#include <string>

#include "app/ProgramExit.h"
#include "app/ProgramState.h"
#include "app/RestartResume.h"
#include "app/Unit1Description.h"
#include "config/IniFile.h"
#include "config/Registry.h"
#include "platform/Machine.h"
#include "trace/TraceLog.h"
#include "util/DictionaryNames.h"
#include "vcl/Application.h"
#include "vcl/FileRoutines.h"
#include "vcl/FormReader.h"

namespace tavrik {

namespace {

// Windows 2000 (5.0) and XP (5.1) only.
bool IsOsSupported() {
    platform::OsVersion version;
    if (!platform::CurrentMachine().WindowsVersion(version)) {
        return false;
    }
    return version.major == 5 && (version.minor == 0 || version.minor == 1);
}

// What the PC and the site say before any page: the workstation type and
// the site's flag files, and whether the unattended branch is asked for.
struct SiteConditions {
    bool portable = false;
    bool fixedPc = false;
    bool serverPresent = false;
    bool unattendedRequested = false;
};

SiteConditions ReadSiteConditions() {
    SiteConditions site;
    std::string workstationType;
    if (platform::CurrentMachine().EnvironmentVariable("TYPEPOSTE", workstationType)) {
        site.portable = workstationType == "PORTABLE";
        site.fixedPc = workstationType == "FIXE";
    }
    const std::string serverFlag = ReadIniString(".\\tavrik.ini", "RVS", "SERVEUR_RVS_FLAG", "");
    const std::string clientUpdateFlag =
        ReadIniString(".\\tavrik.ini", "RVS", "ENABLE_MAJ_CLIENT_RVS", "");
    site.serverPresent = !serverFlag.empty() && vcl::FileExists(serverFlag);
    const bool clientUpdateFlagPresent =
        !clientUpdateFlag.empty() && vcl::FileExists(clientUpdateFlag);

    std::string manual;
    ReadRegString(manual, kProductKey, "Manual");
    site.unattendedRequested = manual == "1" && site.portable && clientUpdateFlagPresent;
    return site;
}

}  // namespace

TMainForm::TMainForm(vcl::TComponent* owner) : vcl::TForm(owner) {
    // Handlers of other pages may run during construction (the manual
    // branch) and reach the form through MainForm.
    State.MainForm = this;
    PublishHandlers();
    vcl::ReadForm(*this, kUnit1Description);
    BindComponents();
    StartUp();
}

void TMainForm::StartUp() {
    auto& machine = platform::CurrentMachine();

    // One wizard at a time: a second one would start a second setup beside
    // the first one's, and its reset would erase the first one's trace.
    if (!machine.ClaimSingleInstance(kSingleInstanceName)) {
        AppendTraceLine("Tavrik deja lance : ce lancement s'arrete");
        // The technician learns why no window opens; a deployment tool that
        // starts the unattended branch gets its code without a box to click.
        if (!ReadSiteConditions().unattendedRequested) {
            ShowAnotherWizardRuns();
        }
        ExitProcessNow(kExitAnotherWizardRuns);
        return;
    }

    std::string platformName;
    ReadRegString(platformName, kMakerKey, "Platform");
    State.IsElnaPlatform = platformName == "ELNA";

    ResetTraceLog();

    SetSystemCloseEnabled(false);

    if (!IsOsSupported()) {
        AppendTraceLine("Systeme non valide");
        State.SystemValid = false;
    }

    State.DictionaryFileName = DictionaryFileOfReference(GetDicoTxt());

    const SiteConditions site = ReadSiteConditions();
    State.IsPortable = site.portable;
    State.IsFixedPc = site.fixedPc;
    State.RvsServerPresent = site.serverPresent;
    if (site.unattendedRequested) {
        AppendTraceLine("Install manuelle");
        ExitProcessNow(RunManualInstall());
        return;
    }

    std::string install;
    ReadRegString(install, kProductKey, "Install");
    if (install == "1") {
        AppendTraceLine("installation precedente non terminee (Install = 1)");
    }
    DecideResume(State.CommandLine);
    WriteRegString(kProductKey, "Install", "0");
    CreateFlagGrid();
    GetDicoTxt();
    ShowPage(kPageRecommendation);
}

void TMainForm::ShowPage(int page) { PageControlPrincipal->SetActivePageIndex(page); }

int TMainForm::ActivePage() const { return PageControlPrincipal->ActivePageIndex(); }

}  // namespace tavrik
