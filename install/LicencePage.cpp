// Page 8: the licence agreement of an independent installation. The two
// disabled radio marks only show the choice made by clicking the labels.
#include <string>

#include "app/ProgramState.h"
#include "app/Unit1.h"
#include "config/StartDirectory.h"
#include "install/LicenceFile.h"
#include "localisation/PhraseNumbers.h"
#include "trace/TraceLog.h"
#include "vcl/Exceptions.h"

namespace tavrik {

namespace {

constexpr vcl::TColor kAgreementBackground = vcl::RGBColor(230, 217, 182);

std::string LicenceFileName() {
    return StartDirectory() + LicenceFileFor(State.DictionaryFileName);
}

}  // namespace

// Unlike the other pages of the decision, this one keeps the font the
// previous page gave the form.
void TMainForm::PageClufShow(TObject* /*sender*/) {
    AppendTraceLine("PageClufShow");
    LoadBackground(Image_PageCLUF);
    SetExitGlyph(SpeedButton32);
    SetValidGlyph(SpeedButton31);
    StyleTitleLabel(Label_HC_CLUF);

    // A missing or unreadable text leaves the agreement empty; it can still
    // be refused or accepted.
    Memo1->Lines().Clear();
    try {
        Memo1->Lines().LoadFromFile(LicenceFileName());
    } catch (const vcl::EFOpenError&) {
        Memo1->Lines().Clear();
    }

    Label1->SetCaption(GetPhrase(phrase::kAcceptLicence, true));
    Label2->SetCaption(GetPhrase(phrase::kRefuseLicence, true));
    Label1->Font().SetColor(kPageTextColour);
    Label2->Font().SetColor(kPageTextColour);
    Memo1->Font().SetColor(kPageTextColour);
    Memo1->SetColor(kAgreementBackground);
    RadioButtonCLUFOui->SetColor(kAgreementBackground);
    RadioButtonCLUFNon->SetColor(kAgreementBackground);
}

void TMainForm::Label1Click(TObject* /*sender*/) {
    RadioButtonCLUFOui->SetChecked(true);
    RadioButtonCLUFNon->SetChecked(false);
}

void TMainForm::Label2Click(TObject* /*sender*/) {
    RadioButtonCLUFOui->SetChecked(false);
    RadioButtonCLUFNon->SetChecked(true);
}

// Acceptance goes straight to the work, without a mains test; refusal
// ends the program without writing anything.
void TMainForm::SpeedButton31Click(TObject* /*sender*/) {
    if (RadioButtonCLUFOui->Checked()) {
        ShowPage(kPageInstallInProgress);
    } else if (RadioButtonCLUFNon->Checked()) {
        Close();
    }
}

void TMainForm::SpeedButton32Click(TObject* /*sender*/) { Close(); }

}  // namespace tavrik
