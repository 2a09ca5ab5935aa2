#include "app/PageTable.h"

#include "app/ProgramState.h"
#include "app/Unit1.h"

namespace tavrik {

namespace {

// Each action does what the page's button for the key would, so a key and
// a click never disagree.

void Leave(TMainForm& form, std::uint16_t /*key*/) { form.Close(); }

// Page 1 with no fixed disk: nothing can be chosen, so F1 leaves.
void LeaveWithoutVolumes(TMainForm& form, std::uint16_t key) {
    if (form.listbox1->Items().Count() == 0) Leave(form, key);
}

// Up and down step the volume list as its up-down control does.
void StepVolume(TMainForm& form, std::uint16_t key) {
    if (key == kKeyUp) form.UpDown1Click(form.UpDown1, vcl::UpDownButton::Next);
    if (key == kKeyDown) form.UpDown1Click(form.UpDown1, vcl::UpDownButton::Previous);
}

void ValidateVersionError(TMainForm& form, std::uint16_t /*key*/) {
    form.OnClickValidePageErreurVersion(&form);
}

// The removal mark decides: the option lines may have been flipped by keys.
void ConfirmUpdate(TMainForm& form, std::uint16_t /*key*/) {
    State.IsInstallation = !form.RadioButton2->Checked();
    form.touche_ConfMAJ_yesClick(&form);
}

void RefuseUpdate(TMainForm& form, std::uint16_t /*key*/) { form.touche_ConfMAJ_noClick(&form); }

void ToggleUpdateChoice(TMainForm& form, std::uint16_t /*key*/) { form.ToggleUpdateChoice(); }

// The validate button's own rule: the highlighted flag, and nothing at all
// on a page without flags.
void ValidateLanguage(TMainForm& form, std::uint16_t /*key*/) {
    form.Bouton_Valide_LangueClick(&form);
}

void MoveFlag(TMainForm& form, std::uint16_t key) { form.MoveFlagSelection(key); }

void ConfirmLanguage(TMainForm& form, std::uint16_t /*key*/) {
    form.SpeedButton_oui_CF_LGClick(&form);
}

void BackToLanguages(TMainForm& form, std::uint16_t /*key*/) { form.ShowPage(kPageLanguageChoice); }

// Page 6 answers Enter only once the work has stopped, or on the notice
// that the libraries were in use.
void ValidateWork(TMainForm& form, std::uint16_t /*key*/) {
    if (State.SetupFinished || !State.DllTestPassed) form.Bouton_Valide_MAJEnCoursClick(&form);
}

void LeaveOnceFinished(TMainForm& form, std::uint16_t key) {
    if (State.SetupFinished) Leave(form, key);
}

void ValidateRecommendation(TMainForm& form, std::uint16_t /*key*/) {
    form.SpeedButtonValide_PageRecomClick(&form);
}

void LeaveRecommendation(TMainForm& form, std::uint16_t /*key*/) {
    form.SpeedButtonSortie_PageRecomClick(&form);
}

void ValidateLicence(TMainForm& form, std::uint16_t /*key*/) { form.SpeedButton31Click(&form); }

void ValidateRestart(TMainForm& form, std::uint16_t /*key*/) {
    form.SpeedButtonPageRebootClick(&form);
}

void ValidateMainsPower(TMainForm& form, std::uint16_t /*key*/) {
    form.SpeedButtonValidPageControleSecteurClick(&form);
}

// Enter on page 1 is no key-down action: the volume list takes it as a
// typed character (OnKeyPressedListVolumes).
constexpr PageRow kPages[] = {
    // number, name, Enter, F1, F3, F4, arrows, go on
    {kPageVolumeInstall, "volume", nullptr, LeaveWithoutVolumes, nullptr, nullptr, StepVolume,
     kKeyReturn},
    {kPageVersionError, "refused", ValidateVersionError, nullptr, nullptr, nullptr, nullptr,
     kKeyReturn},
    {kPageUpdateConfirmation, "same version", ConfirmUpdate, RefuseUpdate, nullptr, RefuseUpdate,
     ToggleUpdateChoice, kKeyReturn},
    {kPageLanguageChoice, "language", ValidateLanguage, Leave, nullptr, nullptr, MoveFlag,
     kKeyReturn},
    {kPageLanguageConfirmation, "confirmation", nullptr, nullptr, ConfirmLanguage, BackToLanguages,
     nullptr, kKeyF3},
    {kPageInstallInProgress, "the work", ValidateWork, LeaveOnceFinished, nullptr, nullptr, nullptr,
     kKeyReturn},
    {kPageRecommendation, "recommendation", ValidateRecommendation, LeaveRecommendation, nullptr,
     nullptr, nullptr, kKeyReturn},
    {kPageLicence, "licence", ValidateLicence, Leave, nullptr, nullptr, nullptr, kKeyReturn},
    {kPageRunningApplications, "running programs", nullptr, Leave, nullptr, nullptr, nullptr, 0},
    {kPageReboot, "restart", ValidateRestart, Leave, nullptr, nullptr, nullptr, kKeyReturn},
    {kPageMainsPower, "mains power", ValidateMainsPower, Leave, nullptr, nullptr, nullptr,
     kKeyReturn},
};

constexpr int kPageCount = static_cast<int>(sizeof kPages / sizeof kPages[0]);

// FindPage reaches a row by its number.
constexpr bool RowsInPageOrder() {
    for (int i = 0; i < kPageCount; ++i) {
        if (kPages[i].number != i + 1) return false;
    }
    return true;
}
static_assert(RowsInPageOrder(), "the rows of the page table must be in page order");

}  // namespace

const PageRow* FindPage(int page) {
    if (page < 1 || page > kPageCount) return nullptr;
    return &kPages[page - 1];
}

KeyAction ActionOf(const PageRow& row, std::uint16_t key) {
    switch (key) {
        case kKeyReturn:
            return row.enter;
        case kKeyF1:
            return row.f1;
        case kKeyF3:
            return row.f3;
        case kKeyF4:
            return row.f4;
        case kKeyLeft:
        case kKeyUp:
        case kKeyRight:
        case kKeyDown:
            return row.arrows;
        default:
            return nullptr;
    }
}

std::string PageName(int page) {
    const PageRow* row = FindPage(page);
    return "page " + std::to_string(page) + (row ? std::string(" (") + row->name + ")" : "");
}

std::string KeyName(std::uint16_t key) {
    switch (key) {
        case kKeyReturn:
            return "Enter";
        case kKeyLeft:
            return "Left";
        case kKeyUp:
            return "Up";
        case kKeyRight:
            return "Right";
        case kKeyDown:
            return "Down";
        case kKeyF1:
            return "F1 (exit)";
        case kKeyF2:
            return "F2";
        case kKeyF3:
            return "F3 (yes)";
        case kKeyF4:
            return "F4 (no)";
        default:
            return "key " + std::to_string(key);
    }
}

}  // namespace tavrik
