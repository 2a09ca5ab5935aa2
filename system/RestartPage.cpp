// Page 10: restart the workstation so that the installation can go on; the
// wizard comes back after the restart through a one-time shortcut and
// resumes with the choices it records here (app/RestartResume.h).
#include <string>

#include "app/ProgramState.h"
#include "app/RestartResume.h"
#include "app/ResumeRecord.h"
#include "app/Unit1.h"
#include "config/Registry.h"
#include "config/StartDirectory.h"
#include "platform/Machine.h"
#include "trace/TraceLog.h"
#include "util/DictionaryNames.h"
#include "vcl/Component.h"

namespace tavrik {

namespace {

// Fixed French sentences in the Western code page; this page takes no
// dictionary text, so it is drawn in the Western charset whatever the
// chosen language.
const char* const kRestartText =
    "@Afin de continuer l'installation, votre poste de travail va \xEAtre red\xE9marr\xE9.\n\n"
    "@Veuillez quitter toutes les applications en cours d'ex\xE9"
    "cution.\n\n"
    "@Valider pour continuer, sinon, appuyer sur la touche Retour.";

// Told after any failure, so the failure's text ends with it.
#define START_AGAIN_BY_HAND                                                         \
    "\n\n@Red\xE9marrez le poste, puis relancez l'installation depuis son support." \
    "\n\n@Appuyer sur la touche Retour pour quitter."

// What stopped the restart, told on the page and traced.
struct RestartFailure {
    const char* trace;
    const char* text;
};

const RestartFailure kShortcutFailed = {
    "Raccourci de reprise non ecrit",
    "@Le raccourci de reprise C:\\Tavrik.lnk n'a pas pu \xEAtre \xE9"
    "crit : "
    "le poste ne sera pas red\xE9marr\xE9." START_AGAIN_BY_HAND};
const RestartFailure kRecordFailed = {
    "Reprise non enregistree",
    "@Les choix de l'installation n'ont pas pu \xEAtre enregistr\xE9s : "
    "le poste ne sera pas red\xE9marr\xE9." START_AGAIN_BY_HAND};
const RestartFailure kRestartRefused = {
    "Redemarrage refuse", "@Windows a refus\xE9 le red\xE9marrage du poste." START_AGAIN_BY_HAND};

// Written and read back: the run-once value must never start a shortcut
// that is missing, stale or someone else's.
bool WriteResumeShortcut() {
    auto& machine = platform::CurrentMachine();
    platform::ShellLink link;
    link.linkPath = kResumeShortcut;
    link.workingDirectory = StartDirectory();
    link.targetPath = link.workingDirectory + "tavrik.exe";
    link.description = "Tavrik";
    link.arguments = kResumeArgument;
    platform::ShellLink saved;
    saved.linkPath = kResumeShortcut;
    return machine.CreateShellLink(link) && machine.ReadShellLink(saved) &&
           vcl::SameText(saved.targetPath, link.targetPath) &&
           vcl::SameText(saved.workingDirectory, link.workingDirectory) &&
           saved.arguments == link.arguments;
}

ResumeRecord RecordOfThisRun() {
    ResumeRecord record;
    record.installation = State.IsInstallation;
    ReadRegString(record.pathInstall, kProductKey, "PathInstall");
    record.volumeChosen = State.InstallPathChosen;
    record.dictionary = DictionaryFileOf(State.DictionaryFileName);
    return record;
}

// Arms the resumption and asks for the restart; what failed, or nullptr.
const RestartFailure* ArmResumeAndRestart() {
    if (!WriteResumeShortcut()) return &kShortcutFailed;
    if (!WriteResumeRecord(RecordOfThisRun())) return &kRecordFailed;
    if (!WriteRegStringKept(kRunOnceKey, kResumeRunOnceValue, kResumeRunOnceData)) {
        return &kRecordFailed;
    }
    if (!platform::CurrentMachine().Restart()) {
        return &kRestartRefused;
    }
    return nullptr;
}

}  // namespace

void TMainForm::Page_RebootShow(TObject* /*sender*/) {
    LoadBackground(Image_PageReboot);
    SetValidGlyph(SpeedButtonPageReboot);
    SpeedButtonPageReboot->SetVisible(true);
    SetExitGlyph(SpeedButtonQuitPageReboot);
    StyleTitleLabel(Label_HautPageReboot);
    Texte_PageReboot->Font().SetColor(kPageTextColour);
    Texte_PageReboot->Font().SetCharset(vcl::ANSI_CHARSET);
    Texte_PageReboot->SetCaption(kRestartText);
}

void TMainForm::SpeedButtonPageRebootClick(TObject* /*sender*/) {
    // After a failure the page offers its exit only (Enter reaches here too).
    if (!SpeedButtonPageReboot->Visible()) return;
    if (!State.IsInstallation) {
        ShowPage(kPageInstallInProgress);
        return;
    }
    const RestartFailure* failure = ArmResumeAndRestart();
    if (failure == nullptr) {
        Close();
        return;
    }
    AppendTraceLine(failure->trace);
    DisarmResume();
    SpeedButtonPageReboot->SetVisible(false);
    Texte_PageReboot->Font().SetColor(vcl::clRed);
    Texte_PageReboot->SetCaption(failure->text);
}

void TMainForm::SpeedButtonQuitPageRebootClick(TObject* /*sender*/) { Close(); }

}  // namespace tavrik
