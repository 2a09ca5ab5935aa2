// Page 4: the language flags.
#include <string>

#include "app/ProgramState.h"
#include "app/Unit1.h"
#include "localisation/FlagGrid.h"
#include "trace/TraceLog.h"

namespace tavrik {

void TMainForm::On_Page_Choix_LG(TObject* /*sender*/) {
    AppendTraceLine("On_Page_Choix_LG");
    FlagKeyNavigation = false;
    LoadBackground(Image_Page_Choix_Langue);
    SetValidGlyph(Bouton_Valide_Langue);
    SetExitGlyph(Bouton_Sortie_LG);
    StyleTitleLabel(Label_HC_LG);
}

void TMainForm::AppelPageConfLG(TObject* sender) {
    auto* button = dynamic_cast<vcl::TComponent*>(sender);
    SelectedLanguage = std::to_string(button != nullptr ? button->Tag() : 0);
    if (SelectedLanguage == "0") {
        SelectedLanguage = std::to_string(FlagGrid->Index);
    }
    ShowPage(kPageLanguageConfirmation);
}

void TMainForm::Bouton_Valide_LangueClick(TObject* /*sender*/) {
    SelectedLanguage = std::to_string(FlagGrid->Index);
    ShowPage(kPageLanguageConfirmation);
}

void TMainForm::Bouton_Sortie_LGClick(TObject* /*sender*/) { Close(); }

void TMainForm::OnScroll(TObject* /*sender*/, vcl::ScrollCode /*code*/, int& /*position*/) {}

void TMainForm::OnChangeScroll(TObject* /*sender*/) {}

}  // namespace tavrik
