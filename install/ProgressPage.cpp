// Page 6: the installation in progress. The show handler checks that the
// installed libraries are free and starts the work; Timer1 then follows the
// packaged setup until it ends and shows its outcome.
#include <string>

#include "app/ProgramState.h"
#include "app/Unit1.h"
#include "install/EndOfRun.h"
#include "install/InstallState.h"
#include "install/ManualInstall.h"
#include "install/ProgressNotices.h"
#include "install/SetupRunner.h"
#include "install/WaitPictures.h"
#include "localisation/PhraseNumbers.h"
#include "platform/Machine.h"
#include "system/ProcessManagement.h"
#include "trace/TraceLog.h"
#include "util/DictionaryNames.h"
#include "util/FileUtilities.h"
#include "vcl/Application.h"

namespace tavrik {

namespace {

void ProcessPendingMessages() {
    if (vcl::Application() != nullptr) {
        vcl::Application()->ProcessMessages();
    }
}

// Nothing runs: a red notice and the validate button, whose glyph comes
// last (a missing picture raises, and the page must offer its way out).
void ShowRedNotice(TMainForm& form, const std::string& text) {
    form.Bouton_Valide_MAJEnCours->SetVisible(true);
    form.Page_Install_En_Cours->SetCursor(vcl::TCursor::crDefault);
    form.Texte_Page_MAJEnCours->SetBounds(128, 136, 497, 207);
    form.Texte_Page_MAJEnCours->Font().SetColor(vcl::clRed);
    form.Texte_Page_MAJEnCours->SetCaption(text);
    form.SetValidGlyph(form.Bouton_Valide_MAJEnCours);
}

}  // namespace

// A run that cannot be done here and that a restart would not help:
// validate, Enter and F1 end it.
void RefuseWork(TMainForm& form, const std::string& reason) {
    State.WorkRefused = true;
    State.SetupFinished = true;
    ShowRedNotice(form, form.GetPhrase(phrase::kCannotInstall, false) + " :\n\n" + reason + "\n\n" +
                            form.GetPhrase(phrase::kValidateToClose, true));
}

void TMainForm::OnPageInstallEnCours(TObject* /*sender*/) {
    AppendTraceLine("OnPageInstallEnCours");
    ApplyLanguageFont(DictionaryFileOf(State.DictionaryFileName));
    LoadBackground(Image_PageInstallEncours);
    StyleTitleLabel(LabelHC_MAJ);
    ProgressBar1->SetVisible(false);
    Texte_Page_MAJEnCours->Font().SetColor(kPageTextColour);
    const std::string waitingText =
        GetPhrase(phrase::kSetupRunning, true) + "\n" + GetPhrase(phrase::kMayTakeMinutes, true);

    // A setup left running by a wizard that was ended: a second one beside
    // it would work on the same files and product key.
    bool running = false;
    if (ProcessManagement::IsModuleRunning("setup.exe", &running)) {
        AppendTraceLine("setup.exe deja en cours : rien n'est lance");
        RefuseWork(*this, GetPhrase(phrase::kSetupRunning, true));
        ProcessPendingMessages();
        return;
    }
    // The PC must keep the installation state (administrator rights): a
    // setup would otherwise fail for the same lack of rights, and its
    // outcome could not be read.
    if (!RecordInstallState("0")) {
        AppendTraceLine(kInstallStateNotRecorded);
        RefuseWork(*this, GetPhrase(phrase::kNeedsAdministrator, true));
        ProcessPendingMessages();
        return;
    }
    StopDiagnosticService();
    if (State.WorkRefused) {  // the script has not ended: the page says so
        ProcessPendingMessages();
        return;
    }
    const DllTestOutcome libraries = RunDllTest();
    State.DllTestPassed = libraries == DllTestOutcome::Passed;
    if (State.DllTestPassed) {
        Bouton_Valide_MAJEnCours->SetVisible(false);
        Page_Install_En_Cours->SetCursor(vcl::TCursor::crHourGlass);
        Texte_Page_MAJEnCours->SetCaption(waitingText);
        if (State.IsInstallation) {
            TimerMAJComposant->SetEnabled(true);
        } else {
            LaunchSetup(*this);
        }
    } else if (libraries == DllTestOutcome::InUse) {
        ShowRedNotice(*this, GetPhrase(phrase::kFilesInUse, true) + "\n\n" +
                                 GetPhrase(phrase::kRestartThenAgain, true) + "\n\n" +
                                 GetPhrase(phrase::kValidateToClose, true));
    } else {
        RefuseWork(*this, GetPhrase(phrase::kFilesInUse, true));
    }
    ProcessPendingMessages();
}

void TMainForm::OnTimer(TObject* /*sender*/) {
    auto& machine = platform::CurrentMachine();
    if (machine.WaitForProcess(State.SetupProcessInfo.process, 0) ==
        platform::WaitResult::Signalled) {
        ShowSetupOutcome();
    } else if (State.WaitPollCountdown != 0) {
        --State.WaitPollCountdown;
    } else {
        ShowNextWaitPicture(*ImageAttenteMAJ);
    }

    // After the end too: the setup's last step may come with its end.
    const std::string marker = State.InstallPath + "\\PGB_Avance.ini";
    if (machine.FileExists(marker)) {
        machine.RemoveFile(marker);
        ProgressBar1->SetPosition(ProgressBar1->Position() + ProgressBar1->Step());
    }
    ProcessPendingMessages();
}

// The setup has ended: its outcome is the product key's Install value, which
// the setup clears when it succeeds.
void TMainForm::ShowSetupOutcome() {
    auto& machine = platform::CurrentMachine();
    machine.CloseHandle(State.SetupProcessInfo.process);
    machine.CloseHandle(State.SetupProcessInfo.thread);
    State.SetupProcessInfo = {};
    State.SetupFinished = true;
    Bouton_Valide_MAJEnCours->SetVisible(true);
    ProgressBar1->SetVisible(false);
    Timer1->SetEnabled(false);
    Texte_Page_MAJEnCours->SetHeight(250);
    Texte_Page_MAJEnCours->SetTop(100);

    State.SetupSucceeded = InstallStateReadsSuccess();
    std::string text;
    if (State.SetupSucceeded) {
        AppendTraceLine("IS == 0 || IS.IsEmpty()");
        text = GetPhrase(
            State.IsInstallation ? phrase::kInstallationSucceeded : phrase::kRemovalSucceeded,
            true);
    } else {
        AppendTraceLine("IS!=0 et IS non vide");
        Texte_Page_MAJEnCours->Font().SetColor(vcl::clRed);
        text =
            GetPhrase(State.IsInstallation ? phrase::kInstallationFailed : phrase::kRemovalFailed,
                      true) +
            "\n\n" + GetPhrase(phrase::kFilesInUse, true) + "\n\n" +
            GetPhrase(phrase::kRestartThenAgain, true);
        std::string allUsersProfile;
        machine.EnvironmentVariable("ALLUSERSPROFILE", allUsersProfile);
        RemoveProductShortcuts(allUsersProfile);
    }
    text += "\n\n" + GetPhrase(phrase::kValidateToClose, true);
    Texte_Page_MAJEnCours->SetCaption(text);
    Page_Install_En_Cours->SetCursor(vcl::TCursor::crDefault);
    ImageAttenteMAJ->SetVisible(false);
    ProcessPendingMessages();
    // Last: a missing glyph picture raises, and the page must be complete.
    SetValidGlyph(Bouton_Valide_MAJEnCours);
}

void TMainForm::Bouton_Valide_MAJEnCoursClick(TObject* /*sender*/) {
    if (State.WaitingForChild) {
        return;  // the child's end decides what comes next
    } else if (State.WorkRefused) {
        Close();
    } else if (!State.DllTestPassed) {
        // A restart frees the libraries that running programs hold, so an
        // installation goes on after one; a removal, or a run that already
        // follows a restart (never a second one), ends here.
        if (State.IsInstallation && !RunFollowsRestart()) {
            ShowPage(kPageReboot);
        } else {
            Close();
        }
    } else if (State.MainSetupPending) {
        LaunchSetup(*this);
    } else {
        FinInstall(*this);
    }
}

void TMainForm::Bouton_F1_MAJCompClick(TObject* /*sender*/) { Close(); }

}  // namespace tavrik
