// The form-wide key handler: the whole wizard can be driven without a
// mouse. It never consumes a key, and it ignores Shift, Ctrl and Alt.
#include <string>

#include "app/ProgramState.h"
#include "app/Unit1.h"

namespace tavrik {

namespace {

bool IsArrow(std::uint16_t key) {
    return key == kKeyLeft || key == kKeyUp || key == kKeyRight || key == kKeyDown;
}

}  // namespace

void TMainForm::OnKeyDown(TObject* /*sender*/, std::uint16_t& key, vcl::ShiftState /*shift*/) {
    const int page = ActivePage();
    switch (key) {
        case kKeyF1:
            if (page == kPageUpdateConfirmation) {
                touche_ConfMAJ_noClick(this);
            } else if (page == kPageRecommendation) {
                SpeedButtonSortie_PageRecomClick(this);
            } else if (page == kPageLanguageChoice || page == kPageLicence ||
                       page == kPageRunningApplications || page == kPageReboot ||
                       page == kPageMainsPower) {
                Close();
            } else if (page == kPageInstallInProgress && State.SetupFinished) {
                Close();
            } else if (page == kPageVolumeInstall && listbox1->Items().Count() == 0) {
                Close();  // no fixed disk: nothing can be chosen
            }
            break;
        case kKeyF3:
            if (page == kPageLanguageConfirmation) {
                SpeedButton_oui_CF_LGClick(this);
            }
            break;
        case kKeyF4:
            if (page == kPageUpdateConfirmation) {
                touche_ConfMAJ_noClick(this);
            } else if (page == kPageLanguageConfirmation) {
                ShowPage(kPageLanguageChoice);
            }
            break;
        case kKeyReturn:
            switch (page) {
                case kPageVersionError:
                    OnClickValidePageErreurVersion(this);
                    break;
                case kPageUpdateConfirmation:
                    State.IsInstallation = !RadioButton2->Checked();
                    touche_ConfMAJ_yesClick(this);
                    break;
                case kPageLanguageChoice:
                    // The validate button's own rule: the highlighted flag,
                    // and nothing at all on a page without flags.
                    Bouton_Valide_LangueClick(this);
                    break;
                case kPageInstallInProgress:
                    if (State.SetupFinished || !State.DllTestPassed) {
                        Bouton_Valide_MAJEnCoursClick(this);
                    }
                    break;
                case kPageRecommendation:
                    SpeedButtonValide_PageRecomClick(this);
                    break;
                case kPageLicence:
                    SpeedButton31Click(this);
                    break;
                case kPageReboot:
                    SpeedButtonPageRebootClick(this);
                    break;
                case kPageMainsPower:
                    SpeedButtonValidPageControleSecteurClick(this);
                    break;
                default:
                    break;
            }
            break;
        default:
            if (IsArrow(key)) {
                if (page == kPageUpdateConfirmation) {
                    ToggleUpdateChoice();
                } else if (page == kPageLanguageChoice) {
                    MoveFlagSelection(key);
                } else if (page == kPageVolumeInstall && key == kKeyUp) {
                    UpDown1Click(UpDown1, vcl::UpDownButton::Next);
                } else if (page == kPageVolumeInstall && key == kKeyDown) {
                    UpDown1Click(UpDown1, vcl::UpDownButton::Previous);
                }
            }
            break;
    }
}

// Page 3: each arrow flips between reinstallation and removal, as a click
// on the other option line would.
void TMainForm::ToggleUpdateChoice() {
    if (RadioButton1->Checked()) {
        RadioButton2Click(this);
    } else {
        RadioButton1Click(this);
    }
}

}  // namespace tavrik
