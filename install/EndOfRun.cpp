#include "install/EndOfRun.h"

#include "app/ProgramState.h"
#include "app/Unit1.h"
#include "config/Registry.h"
#include "localisation/PhraseNumbers.h"
#include "trace/TraceLog.h"

namespace tavrik {

void FinInstall(TMainForm& form) {
    AppendTraceLine("FinInstall");
    if (State.IsInstallation) {
        AppendTraceLine("c'etait une installation");
        WriteRegString(kProductKey, "Install", "0");
    } else {
        AppendTraceLine("c'etait une desinstallation");
        if (State.SetupSucceeded) {
            DeleteRegKey(kProductKey);
        } else {
            // Nothing was removed: the next run must still find the
            // installed application.
            AppendTraceLine("desinstallation non aboutie, cle conservee");
            WriteRegString(kProductKey, "Install", "0");
        }
    }
    // The closing message says that the installation is complete: never
    // after a setup that failed or could not start.
    if (State.ComponentSetupExitCode != 0 || !State.SetupSucceeded) {
        form.Close();
        return;
    }
    // The update step ended with 0: one more press of validate ends the run.
    AppendTraceLine("RG_code_retour_QXD == 0");
    form.Bouton_Valide_MAJEnCours->SetVisible(true);
    form.SetValidGlyph(form.Bouton_Valide_MAJEnCours);
    State.SetupFinished = true;
    form.Texte_Page_MAJEnCours->SetCaption(form.GetPhrase(phrase::kServiceUpdated, false) + "\n" +
                                           form.GetPhrase(phrase::kCloseThenRestart, false));
    State.ComponentSetupExitCode = -1;
}

}  // namespace tavrik
