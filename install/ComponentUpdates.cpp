// Before an installation's setup: the add-on components that the medium's
// ap.ini lists, then the diagnostic service's update script, then the setup.
// All of it runs on the single tick of TimerMAJComposant.
#include <cstdint>
#include <exception>
#include <string>

#include "app/ProgramState.h"
#include "app/Unit1.h"
#include "config/IniFile.h"
#include "config/StartDirectory.h"
#include "install/ChildProcess.h"
#include "install/ComponentRules.h"
#include "install/SetupRunner.h"
#include "localisation/PhraseNumbers.h"
#include "platform/Machine.h"
#include "trace/TraceLog.h"
#include "util/DictionaryNames.h"
#include "util/StringUtilities.h"

namespace tavrik {

namespace {

// Shown as the notice shows any code: the script's result is unknown.
constexpr std::uint32_t kUnreadableResult = 0xFFFFFFFFu;

// No glyph is loaded here: before the tick ends the notice gives way to the
// running setup, its start failure or the update-error notice, each of which
// gives the button its glyph; a missing picture raised here would skip the
// remaining components and the update script.
void ShowComponentNotice(TMainForm& form) {
    form.Bouton_Valide_MAJEnCours->SetVisible(true);
    State.SetupFinished = true;
    form.ProgressBar1->SetVisible(false);
    form.Timer1->SetEnabled(false);
    form.Texte_Page_MAJEnCours->SetCaption(form.GetPhrase(phrase::kComponentNotStarted, true) +
                                           "\n" + form.GetPhrase(phrase::kComponentSkipped, true) +
                                           "\n" +
                                           form.GetPhrase(phrase::kComponentProblemPersists, true));
    form.Page_Install_En_Cours->SetCursor(vcl::TCursor::crDefault);
}

// Runs component `number` when its keys say so; a start failure shows the
// notice and the pass goes on.
void RunComponent(TMainForm& form, const std::string& apIni, int number) {
    const auto key = [&](const char* suffix) {
        return ReadIniString(apIni, "INSTALL_COMPOSANTS", ComponentKey(number, suffix), "");
    };
    const std::string value = key("");
    if (!ComponentRuns(key("_FORCEE"), key("_FIRST_INSTALL"), State.InstallPathChosen)) {
        return;
    }
    const std::string folder = ComponentFolder(StartDirectory() + "COMPST\\", key("_LANGUES"),
                                               LanguageCodeOf(State.DictionaryFileName));
    const std::string commandLine = folder + value;

    platform::StartOptions options;
    options.hidden = key("_INVISIBLE") == "TRUE";
    options.currentDirectory = folder;
    options.applicationName = ComponentProgram(folder, value);
    auto& machine = platform::CurrentMachine();
    State.SetupProcessInfo = {};
    if (options.applicationName.empty() ||
        !machine.StartProcess(commandLine, options, State.SetupProcessInfo)) {
        State.SetupProcessInfo = {};
        AppendTraceLine("composant non lance : " + commandLine);
        ShowComponentNotice(form);
        return;
    }
    if (key("_BLOQUANT") != "FALSE") {
        WaitWhileAnswering(State.SetupProcessInfo.process, commandLine);
    }
    machine.CloseHandle(State.SetupProcessInfo.process);
    machine.CloseHandle(State.SetupProcessInfo.thread);
}

// The diagnostic service's update script, hidden and waited for; its exit
// code, or kUnreadableResult when it did not run or its code is unknown.
std::uint32_t RunUpdateScript() {
    platform::StartOptions options;
    options.hidden = true;
    options.currentDirectory = StartDirectory() + "qxdiag\\";
    // The system's script host, never one found beside the script.
    options.applicationName = platform::CurrentMachine().SystemDirectory() + "\\cscript.exe";
    std::uint32_t result = kUnreadableResult;
    if (!RunAndWait("cscript.exe updateqxd.vbs //Nologo //B", options, &result)) {
        result = kUnreadableResult;
    }
    return result;
}

// The page waits: validate launches the setup all the same, F1 ends the
// program. The glyphs come last, once the way out is there.
void OfferSetupOrExit(TMainForm& form) {
    form.Bouton_Valide_MAJEnCours->SetVisible(true);
    State.SetupFinished = true;
    State.MainSetupPending = true;
    form.Bouton_F1_MAJComp->SetVisible(true);
    form.Page_Install_En_Cours->SetCursor(vcl::TCursor::crArrow);
}

void ShowUpdateErrorNotice(TMainForm& form, std::uint32_t result) {
    AppendTraceLine("RG_code_retour_QXD == " + std::to_string(result));
    OfferSetupOrExit(form);
    form.Texte_Page_MAJEnCours->SetHeight(250);
    form.Texte_Page_MAJEnCours->SetCaption(
        form.GetPhrase(phrase::kServiceUpdateFailed, false) + "\n" +
        form.GetPhrase(phrase::kErrorCode, false) + std::to_string(result) + "\n" +
        form.GetPhrase(phrase::kCanStillContinue, false) + "\n" +
        form.GetPhrase(phrase::kServiceContactSupport, false) + "\n" +
        form.GetPhrase(phrase::kValidateToContinue, true));
    form.SetValidGlyph(form.Bouton_Valide_MAJEnCours);
    form.SetExitGlyph(form.Bouton_F1_MAJComp);
}

}  // namespace

void TMainForm::TimerMAJComposantTimer(TObject* /*sender*/) {
    AppendTraceLine("TimerMAJComposantTimer");
    TimerMAJComposant->SetEnabled(false);
    State.SetupFinished = false;

    std::uint32_t result = 0;
    try {
        const std::string apIni = StartDirectory() + "ap.ini";
        const std::string count = ReadIniString(apIni, "INSTALL_COMPOSANTS", "NB", "");
        // A child that has not ended stops the pass: nothing runs beside it.
        for (int i = 0; i < kMostComponents && IndexBelowCount(i, count) && !State.WorkRefused;
             ++i) {
            RunComponent(*this, apIni, i + 1);
        }
        if (State.WorkRefused) return;
        result = RunUpdateScript();
        if (State.WorkRefused) return;
    } catch (const std::exception&) {
        // The error box follows; the page must not be left without a way on.
        AppendTraceLine("exception pendant les composants");
        OfferSetupOrExit(*this);
        throw;
    }

    if (result == 0 || result == 2) {
        LaunchSetup(*this);
        State.ComponentSetupExitCode = static_cast<int>(result);
    } else {
        ShowUpdateErrorNotice(*this, result);
    }
}

}  // namespace tavrik
