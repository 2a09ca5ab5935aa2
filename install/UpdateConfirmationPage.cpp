// Page 3: reinstallation or removal of the same version. The two radio
// marks have different parents, so the framework does not keep them
// exclusive: every change here sets both, and the underlined option line
// shows the choice.
#include "app/ProgramState.h"
#include "app/Unit1.h"
#include "localisation/PhraseNumbers.h"
#include "trace/TraceLog.h"
#include "util/DictionaryNames.h"

namespace tavrik {

namespace {

void MarkUpdateChoice(TMainForm& form, bool removal) {
    form.RadioButton1->SetChecked(!removal);
    form.RadioButton2->SetChecked(removal);
    const vcl::TFontStyles plain = vcl::fsBold;
    const vcl::TFontStyles underlined = vcl::fsBold | vcl::fsUnderline;
    form.Label_inst->Font().SetStyle(removal ? plain : underlined);
    form.Label_desinst->Font().SetStyle(removal ? underlined : plain);
}

}  // namespace

void TMainForm::On_PageConfirmationMAJ(TObject* /*sender*/) {
    AppendTraceLine("On_PageConfirmationMAJ");
    ApplyLanguageFont(DictionaryFileOf(State.DictionaryFileName));
    LoadBackground(Image_PageConfirmationMAJ);
    StyleTitleLabel(Label_HC_ConfMAJ);
    SetValidGlyph(touche_ConfMAJ_yes);
    SetExitGlyph(touche_ConfMAJ_no);
    Label_inst->Font().SetColor(kPageTextColour);
    Label_inst->SetCaption("\t" + GetPhrase(phrase::kReinstallOption, false));
    Label_desinst->Font().SetColor(kPageTextColour);
    Label_desinst->SetCaption("\t" + GetPhrase(phrase::kRemoveOption, false));
    MarkUpdateChoice(*this, false);
}

void TMainForm::touche_ConfMAJ_noClick(TObject* /*sender*/) { Close(); }

void TMainForm::RadioButton1Click(TObject* /*sender*/) {
    if (!RadioButton1->Checked()) {
        MarkUpdateChoice(*this, false);
    }
}

void TMainForm::RadioButton2Click(TObject* /*sender*/) {
    if (!RadioButton2->Checked()) {
        MarkUpdateChoice(*this, true);
    }
}

}  // namespace tavrik
