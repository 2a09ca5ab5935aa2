// Page 11: asks for mains power before the work starts. There is no timer:
// the status is tested only when the user validates.
#include "app/Unit1.h"
#include "system/MainsPower.h"

namespace tavrik {

void TMainForm::Page_ControleSecteurShow(TObject* /*sender*/) {
    LoadBackground(ImageFondPageControleSecteur);
    SetValidGlyph(SpeedButtonValidPageControleSecteur);
    SetExitGlyph(SpeedButtonQuittePageControleSecteur);
    StyleTitleLabel(LabelHautPageControleSecteur);
    LabelPageControleSecteur->Font().SetColor(kPageTextColour);
    LabelPageControleSecteur->SetCaption(GetPhrase(17877, true) + "\n\n" + GetPhrase(126842, true) +
                                         "\n\n" + GetPhrase(93411, true));
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
