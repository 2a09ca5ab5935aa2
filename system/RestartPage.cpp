// Page 10: restart the workstation so that the installation can go on; the
// wizard comes back after the restart through a one-time shortcut.
#include <string>

#include "app/ProgramState.h"
#include "app/Unit1.h"
#include "config/Registry.h"
#include "config/StartDirectory.h"
#include "platform/Machine.h"

namespace tavrik {

namespace {

const char* const kShortcut = "C:\\Tavrik.lnk";

// Fixed French sentences in the Western code page; this page takes no
// dictionary text.
const char* const kRestartText =
    "@Afin de continuer l'installation, votre poste de travail va \xEAtre red\xE9marr\xE9.\n\n"
    "@Veuillez quitter toutes les applications en cours d'ex\xE9"
    "cution.\n\n"
    "@Valider pour continuer, sinon, appuyer sur la touche Retour.";

}  // namespace

void TMainForm::Page_RebootShow(TObject* /*sender*/) {
    LoadBackground(Image_PageReboot);
    SetValidGlyph(SpeedButtonPageReboot);
    SetExitGlyph(SpeedButtonQuitPageReboot);
    StyleTitleLabel(Label_HautPageReboot);
    Texte_PageReboot->Font().SetColor(kPageTextColour);
    Texte_PageReboot->SetCaption(kRestartText);
}

void TMainForm::SpeedButtonPageRebootClick(TObject* /*sender*/) {
    if (!State.IsInstallation) {
        ShowPage(kPageInstallInProgress);
        return;
    }
    auto& machine = platform::CurrentMachine();
    platform::ShellLink link;
    link.linkPath = kShortcut;
    link.targetPath = StartDirectory() + "tavrik.exe";
    link.description = "Tavrik";
    link.workingDirectory = StartDirectory();
    link.arguments = "-reboot";
    machine.CreateShellLink(link);
    WriteRegString(kRunOnceKey, "Install", "c:\\Tavrik.lnk");
    machine.EnableShutdownPrivilege();
    machine.ExitWindows(platform::kEwxReboot | platform::kEwxForce, 0);
    Close();
}

void TMainForm::SpeedButtonQuitPageRebootClick(TObject* /*sender*/) { Close(); }

}  // namespace tavrik
