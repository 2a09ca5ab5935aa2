// Page 5: the chosen language, asked in that language.
#include "app/ProgramState.h"
#include "app/Unit1.h"
#include "trace/TraceLog.h"

namespace tavrik {

void TMainForm::OnPage_conf_LG(TObject* /*sender*/) {
    AppendTraceLine("OnPage_conf_LG");
    LoadBackground(Image_Page_Conf_LG);
    StyleTitleLabel(Label_HC_CFLG);
    SetYesGlyph(SpeedButton_oui_CF_LG);
    SetNoGlyph(SpeedButton_non_CF_LG);
}

void TMainForm::SpeedButton_non_CF_LGClick(TObject* /*sender*/) {
    ShowPage(kPageLanguageChoice);
}

}  // namespace tavrik
