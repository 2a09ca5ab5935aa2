// Page 6: the installation in progress.
#include "app/ProgramState.h"
#include "app/Unit1.h"
#include "install/EndOfRun.h"
#include "trace/TraceLog.h"

namespace tavrik {

void TMainForm::OnPageInstallEnCours(TObject* /*sender*/) {
    AppendTraceLine("OnPageInstallEnCours");
    LoadBackground(Image_PageInstallEncours);
    StyleTitleLabel(LabelHC_MAJ);
}

void TMainForm::OnTimer(TObject* /*sender*/) {}

void TMainForm::Bouton_Valide_MAJEnCoursClick(TObject* /*sender*/) {
    if (!DllTestPassed) {
        Close();
    } else if (!MainSetupPending) {
        FinInstall(*this);
    }
}

void TMainForm::Bouton_F1_MAJCompClick(TObject* /*sender*/) { Close(); }

void TMainForm::TimerMAJComposantTimer(TObject* /*sender*/) {
    AppendTraceLine("TimerMAJComposantTimer");
    TimerMAJComposant->SetEnabled(false);
}

}  // namespace tavrik
