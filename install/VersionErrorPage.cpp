// Page 2: the dead end of a refused run. A refused downgrade and a refused
// machine type show the same message.
#include <string>

#include "app/ProgramState.h"
#include "app/Unit1.h"
#include "localisation/PhraseNumbers.h"
#include "trace/TraceLog.h"
#include "util/DictionaryNames.h"

namespace tavrik {

void TMainForm::OnPageErreurVersion(TObject* /*sender*/) {
    AppendTraceLine("OnPageErreurVersion");
    ApplyLanguageFont(DictionaryFileOf(State.DictionaryFileName));
    LoadBackground(Image_Page_ErreurVersion);
    SetValidGlyph(Bouton_Valide_PageErreurVersion);
    StyleTitleLabel(Label_HC_BadVersion);
    Label_BadVersion->Font().SetColor(vcl::clRed);
    Label_BadVersion->SetCaption(GetPhrase(phrase::kCannotInstall, false) + " :\n\n" +
                                 GetPhrase(phrase::kVersionCannotBeInstalled, true) + "\n\n" +
                                 GetPhrase(phrase::kValidateToClose, true));
}

void TMainForm::OnClickValidePageErreurVersion(TObject* /*sender*/) { Close(); }

}  // namespace tavrik
