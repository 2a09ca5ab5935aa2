// Page 7, the first page: what to check before installing, or why this PC
// may not be installed.
#include <string>

#include "app/ProgramState.h"
#include "app/Unit1.h"
#include "install/ChildProcess.h"
#include "localisation/PhraseNumbers.h"
#include "platform/Machine.h"
#include "system/MainsPower.h"
#include "trace/TraceLog.h"
#include "util/DictionaryNames.h"
#include "util/StringUtilities.h"
#include "vcl/Application.h"
#include "vcl/Picture.h"

namespace tavrik {

namespace {

const char* const kProductName = "Solvane Interface";

}  // namespace

void TMainForm::OnShowPageRecommendation(TObject* /*sender*/) {
    AppendTraceLine("Recommendation");

    {
        const platform::ScreenSize screen = platform::CurrentMachine().FullScreenSize();
        vcl::TPicture picture;
        picture.LoadFromFile(".\\BMP\\page_fon.bmp",
                             {Image_PageRecom->Width(), Image_PageRecom->Height()});
        SetLeft((screen.width - picture.Width()) / 2);
        SetTop((screen.height - picture.Height()) / 2);
    }

    // A resumed run speaks the language chosen before the restart.
    ApplyLanguageFont(RunFollowsRestart() ? DictionaryFileOf(State.DictionaryFileName)
                                          : DictionaryFileOfReference(GetDicoTxt()));
    LoadBackground(Image_PageRecom);
    StyleTitleLabel(Label_HC_PageRecom);
    SetValidGlyph(SpeedButtonValide_PageRecom);
    Label_PageRecom->Font().SetColor(kPageTextColour);

    std::string text;
    if (State.SystemValid) {
        SetExitGlyph(SpeedButtonSortie_PageRecom);
        if (State.IsPortable || State.IsFixedPc || State.RvsServerPresent) {
            Label_PageRecom->Font().SetColor(vcl::clRed);
            SpeedButtonValide_PageRecom->SetVisible(true);
            SpeedButtonSortie_PageRecom->SetVisible(false);
            text = GetPhrase(phrase::kExcludedWorkstation, false) + "\n";
            if (!State.RvsServerPresent) {
                text += GetPhrase(phrase::kUseOtherMedium, false) + "\n";
            }
            text += "\n" + GetPhrase(phrase::kValidateToClose, false);
        } else if (!RunFollowsRestart()) {
            Label_PageRecom->SetAlignment(vcl::TAlignment::taLeftJustify);
            text = GetPhrase(phrase::kBeforeYouStart, false) + "\n- " +
                   GetPhrase(phrase::kCloseSuitePrograms, false) + "\n- " +
                   ReplaceFirstStar(GetPhrase(phrase::kDisconnectProduct, false), kProductName) +
                   "\n- " + GetPhrase(phrase::kConnectMains, false) + "\n\n" +
                   GetPhrase(phrase::kValidateToContinue, true);
        } else {
            text = GetPhrase(phrase::kNotOnBattery, false) + "\n\n" +
                   GetPhrase(phrase::kConnectMains, false) + "\n\n" +
                   GetPhrase(phrase::kValidateToContinue, true);
        }
    } else {
        Label_PageRecom->Font().SetColor(vcl::clRed);
        SpeedButtonSortie_PageRecom->SetVisible(false);
        text = GetPhrase(phrase::kCannotInstall, false) + " :\n" +
               GetPhrase(phrase::kSystemNotSupported, false) + "\n" + "\n" +
               GetPhrase(phrase::kValidateToClose, true);
    }
    Label_PageRecom->SetCaption(text);
    State.ExtraAppLabel = GetPhrase(phrase::kWatchedApplicationName, false);
}

void TMainForm::SpeedButtonValide_PageRecomClick(TObject* /*sender*/) {
    if (State.WaitingForChild) return;  // the check of an earlier press still runs
    if (RunFollowsRestart() && !IsOnMainsPower()) {
        return;
    }
    if (!State.SystemValid || State.IsPortable || State.IsFixedPc || State.RvsServerPresent) {
        Close();
    } else {
        std::string running;
        const bool anyRunning = CheckRunningApplications(running);
        if (RunEnded()) return;
        if (anyRunning) {
            ShowPage(kPageRunningApplications);
        } else if (RunFollowsRestart()) {
            ShowPage(kPageInstallInProgress);
        } else {
            ShowPage(kPageLanguageChoice);
        }
    }
    vcl::Application()->ProcessMessages();
}

void TMainForm::SpeedButtonSortie_PageRecomClick(TObject* /*sender*/) { Close(); }

}  // namespace tavrik
