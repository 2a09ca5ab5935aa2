// What the run will do, once the language is confirmed: a first
// installation, an update, a reinstallation or removal of the same version,
// or nothing at all. Every input is read afresh at each step; nothing is
// remembered between calls.
#include <string>

#include "app/ProgramState.h"
#include "app/Unit1.h"
#include "config/InstallSwitches.h"
#include "config/Registry.h"
#include "config/StartDirectory.h"
#include "install/Versions.h"
#include "system/MainsPower.h"
#include "trace/TraceLog.h"

namespace tavrik {

namespace {

std::string ReadPathInstall() {
    std::string pathInstall;
    ReadRegString(pathInstall, kProductKey, "PathInstall");
    return pathInstall;
}

}  // namespace

void TMainForm::SpeedButton_oui_CF_LGClick(TObject* /*sender*/) {
    if (ReadPathInstall().empty()) {
        AppendTraceLine("pathInstall.IsEmpty()");
        State.IsInstallation = true;
        touche_ConfMAJ_yesClick(touche_ConfMAJ_yes);
        return;
    }
    AppendTraceLine("pathInstall non Empty()");
    const ApplicationVersions versions = ReadApplicationVersions();
    if (versions.medium == versions.installed) {
        // Same version: the user chooses reinstallation or removal.
        AppendTraceLine("meme version");
        ShowPage(kPageUpdateConfirmation);
        return;
    }
    AppendTraceLine("version differente");
    State.IsInstallation = true;
    touche_ConfMAJ_yesClick(touche_ConfMAJ_yes);
}

void TMainForm::touche_ConfMAJ_yesClick(TObject* /*sender*/) {
    AppendTraceLine("touche_ConfMAJ_yesClick");
    // The setup run and later runs need the medium's place, refused or not.
    WriteRegString(kProductKey, "CD", StartDirectory());

    const ApplicationVersions versions = ReadApplicationVersions();
    AppendTraceLine("versionCD=" + versions.medium);
    AppendTraceLine("versionHD=" + versions.installed);
    if (!IsMediumVersionAccepted(versions)) {
        AppendTraceLine("version KO");
        ShowPage(kPageVersionError);
        return;
    }
    AppendTraceLine("version OK");

    if (RegKeyExists(kZeliaMarkerKey)) {
        AppendTraceLine("installation sur machine ZELIA");
        ShowPage(kPageVersionError);
        return;
    }

    if (ReadPathInstall().empty()) {
        AppendTraceLine("1ere installation");
        State.IsInstallation = true;
        ShowPage(kPageVolumeInstall);
        return;
    }
    AppendTraceLine("Nieme installation");
    State.IsInstallation = !RadioButton2->Checked();
    ContinueToInstallation(true);
}

void TMainForm::ContinueToInstallation(bool traced) {
    // The licence is asked for an independent installation, removal included.
    if (IsIndependentInstall()) {
        if (traced) {
            AppendTraceLine("Independant");
        }
        ShowPage(kPageLicence);
        return;
    }
    if (traced) {
        AppendTraceLine("Non Independant");
    }
    ShowPage(IsOnMainsPower() ? kPageInstallInProgress : kPageMainsPower);
}

}  // namespace tavrik
