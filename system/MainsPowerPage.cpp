// Page 11: asks for mains power before the work starts. There is no timer:
// the status is tested only when the user validates.
#include "app/Unit1.h"
#include "localisation/PhraseNumbers.h"
#include "system/MainsPower.h"

namespace tavrik {

void TMainForm::Page_ControleSecteurShow(TObject* /*sender*/) {
    LoadBackground(ImageFondPageControleSecteur);
    SetValidGlyph(SpeedButtonValidPageControleSecteur);
    SetExitGlyph(SpeedButtonQuittePageControleSecteur);
    StyleTitleLabel(LabelHautPageControleSecteur);
    LabelPageControleSecteur->Font().SetColor(kPageTextColour);
    LabelPageControleSecteur->SetCaption(GetPhrase(phrase::kNotOnBattery, true) + "\n\n" +
                                         GetPhrase(phrase::kConnectMains, true) + "\n\n" +
                                         GetPhrase(phrase::kValidateToContinue, true));
}

// Battery or an unknown status keeps the user here until mains power is
// reported or they quit.
void TMainForm::SpeedButtonValidPageControleSecteurClick(TObject* /*sender*/) {
    if (IsOnMainsPower()) {
        ShowPage(kPageInstallInProgress);
    }
}

void TMainForm::SpeedButtonQuittePageControleSecteurClick(TObject* /*sender*/) { Close(); }

}  // namespace tavrik
