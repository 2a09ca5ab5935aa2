#include "install/SetupRunner.h"

#include <string>

#include "app/ProgramState.h"
#include "app/Unit1.h"
#include "config/IniFile.h"
#include "config/Registry.h"
#include "config/StartDirectory.h"
#include "install/InstallState.h"
#include "install/SetupCommandLine.h"
#include "install/WaitPictures.h"
#include "localisation/PhraseNumbers.h"
#include "platform/Machine.h"
#include "trace/TraceLog.h"
#include "util/DictionaryNames.h"

namespace tavrik {

namespace {

void ShowSetupRunning(TMainForm& form) {
    form.Timer1->SetEnabled(true);
    form.Texte_Page_MAJEnCours->SetHeight(60);
    form.Texte_Page_MAJEnCours->SetCaption("");
    form.Page_Install_En_Cours->SetCursor(vcl::TCursor::crHourGlass);
    form.ProgressBar1->SetVisible(true);
    form.Bouton_Valide_MAJEnCours->SetVisible(false);
    form.Bouton_F1_MAJComp->SetVisible(false);
    State.SetupFinished = false;
    State.MainSetupPending = false;
    form.Texte_Page_MAJEnCours->Font().SetColor(kPageTextColour);
    form.Texte_Page_MAJEnCours->SetCaption(form.GetPhrase(phrase::kSetupRunning, true) + "\n" +
                                           form.GetPhrase(phrase::kMayTakeMinutes, true));
}

// Nothing runs, so the page may be left by the validate button and by its
// keys alike. The glyph comes last: a missing picture raises, and the page
// must already offer its way out by then.
void ShowStartFailed(TMainForm& form) {
    AppendTraceLine("lancement echoue");
    form.Bouton_Valide_MAJEnCours->SetVisible(true);
    form.ProgressBar1->SetVisible(false);
    form.Timer1->SetEnabled(false);
    form.Texte_Page_MAJEnCours->SetCaption(form.GetPhrase(phrase::kInstallationFailed, true) +
                                           "\n" + form.GetPhrase(phrase::kSetupNotStarted, true));
    form.Texte_Page_MAJEnCours->SetHeight(250);
    form.Texte_Page_MAJEnCours->SetTop(100);
    form.Page_Install_En_Cours->SetCursor(vcl::TCursor::crDefault);
    State.SetupFinished = true;
    form.SetValidGlyph(form.Bouton_Valide_MAJEnCours);
}

// PathInstall + PATH + PATH_EXE + EXE of the medium's ap.ini, unseparated.
std::string InstalledProgramPath(const std::string& pathInstall) {
    const char* const apIni = ".\\ap.ini";
    return pathInstall + ReadIniString(apIni, "APPLICATION", "PATH", "") +
           ReadIniString(apIni, "APPLICATION", "PATH_EXE", "") +
           ReadIniString(apIni, "APPLICATION", "EXE", "");
}

}  // namespace

void LaunchSetup(TMainForm& form) {
    AppendTraceLine("LancementIS");
    std::string pathInstall;
    ReadRegString(pathInstall, kProductKey, "PathInstall");
    State.InstallPath = pathInstall;
    AppendTraceLine("RG_VolInstall mis a jour");
    AppendTraceLine(pathInstall);

    const std::string start = StartDirectory();
    CopyWaitPictures(start + "WAIT\\", pathInstall + "\\APP\\TEMP\\WAIT\\");
    ShowSetupRunning(form);

    const std::string name = ReadIniString(start + "tavrik.ini", "INSTALL", "NAME", "");
    ReadRegString(pathInstall, kProductKey, "PathInstall");
    const std::string exeFolder = pathInstall + "\\APP\\" + name + "\\EXE\\";
    if (!WriteDictionaryReference(exeFolder,
                                  "Dico=" + DictionaryNameOf(State.DictionaryFileName) + ".DBZ")) {
        AppendTraceLine("DICO.TXT non ecrit : " + exeFolder + "DICO.TXT");
    }
    const bool stateRecorded = RecordInstallState("1");
    WriteRegString(kProductKey, "Langue", LanguageCodeOf(State.DictionaryFileName));
    WriteRegString(kProductKey, "EXE", InstalledProgramPath(pathInstall));

    State.SetupSucceeded = false;
    const std::string commandLine = SetupCommandLine(start, pathInstall, State.IsInstallation);
    AppendTraceLine("RL_path_CD=" + start);
    AppendTraceLine("EXE=" + commandLine.substr(start.size()));

    platform::StartOptions options;
    options.applicationName = SetupProgram(start);
    State.SetupProcessInfo = {};
    // Without Install = "1" the setup's outcome could not be told from a
    // success: such a setup is not started.
    if (!stateRecorded) {
        AppendTraceLine(kInstallStateNotRecorded);
        ShowStartFailed(form);
    } else if (!platform::CurrentMachine().StartProcess(commandLine, options,
                                                        State.SetupProcessInfo)) {
        State.SetupProcessInfo = {};
        ShowStartFailed(form);
    }
}

}  // namespace tavrik
