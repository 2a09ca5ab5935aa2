#include "app/Unit1.h"

#include <string>

namespace tavrik {

// Every handler the form description may name.
void TMainForm::PublishHandlers() {
    vcl::HandlerTable& table = Handlers();
    table.Add("OnKeyDown", this, &TMainForm::OnKeyDown);
    table.Add("OnKeyPressedListVolumes", this, &TMainForm::OnKeyPressedListVolumes);
    table.Add("UpDown1Click", this, &TMainForm::UpDown1Click);
    table.Add("Upown1OnChanging", this, &TMainForm::Upown1OnChanging);
    table.Add("OnScroll", this, &TMainForm::OnScroll);
    // Most handlers take only the sender: those are listed as data, one
    // entry each rather than a call each.
    static const struct {
        const char* name;
        void (TMainForm::*method)(vcl::TObject*);
    } kNotifyHandlers[] = {
        {"On_PageInstall", &TMainForm::On_PageInstall},
        {"OnClickValidePageVolChoix", &TMainForm::OnClickValidePageVolChoix},
        {"OnPageErreurVersion", &TMainForm::OnPageErreurVersion},
        {"OnClickValidePageErreurVersion", &TMainForm::OnClickValidePageErreurVersion},
        {"On_PageConfirmationMAJ", &TMainForm::On_PageConfirmationMAJ},
        {"touche_ConfMAJ_yesClick", &TMainForm::touche_ConfMAJ_yesClick},
        {"touche_ConfMAJ_noClick", &TMainForm::touche_ConfMAJ_noClick},
        {"RadioButton1Click", &TMainForm::RadioButton1Click},
        {"RadioButton2Click", &TMainForm::RadioButton2Click},
        {"On_Page_Choix_LG", &TMainForm::On_Page_Choix_LG},
        {"AppelPageConfLG", &TMainForm::AppelPageConfLG},
        {"Bouton_Valide_LangueClick", &TMainForm::Bouton_Valide_LangueClick},
        {"Bouton_Sortie_LGClick", &TMainForm::Bouton_Sortie_LGClick},
        {"OnChangeScroll", &TMainForm::OnChangeScroll},
        {"OnPage_conf_LG", &TMainForm::OnPage_conf_LG},
        {"SpeedButton_oui_CF_LGClick", &TMainForm::SpeedButton_oui_CF_LGClick},
        {"SpeedButton_non_CF_LGClick", &TMainForm::SpeedButton_non_CF_LGClick},
        {"OnPageInstallEnCours", &TMainForm::OnPageInstallEnCours},
        {"OnTimer", &TMainForm::OnTimer},
        {"Bouton_Valide_MAJEnCoursClick", &TMainForm::Bouton_Valide_MAJEnCoursClick},
        {"Bouton_F1_MAJCompClick", &TMainForm::Bouton_F1_MAJCompClick},
        {"TimerMAJComposantTimer", &TMainForm::TimerMAJComposantTimer},
        {"OnShowPageRecommendation", &TMainForm::OnShowPageRecommendation},
        {"SpeedButtonValide_PageRecomClick", &TMainForm::SpeedButtonValide_PageRecomClick},
        {"SpeedButtonSortie_PageRecomClick", &TMainForm::SpeedButtonSortie_PageRecomClick},
        {"PageClufShow", &TMainForm::PageClufShow},
        {"Label1Click", &TMainForm::Label1Click},
        {"Label2Click", &TMainForm::Label2Click},
        {"SpeedButton31Click", &TMainForm::SpeedButton31Click},
        {"SpeedButton32Click", &TMainForm::SpeedButton32Click},
        {"PageArretAppliShow", &TMainForm::PageArretAppliShow},
        {"SpeedButtonPageArretAppliClick", &TMainForm::SpeedButtonPageArretAppliClick},
        {"SpeedButtonSortieArretAppliClick", &TMainForm::SpeedButtonSortieArretAppliClick},
        {"Page_RebootShow", &TMainForm::Page_RebootShow},
        {"SpeedButtonPageRebootClick", &TMainForm::SpeedButtonPageRebootClick},
        {"SpeedButtonQuitPageRebootClick", &TMainForm::SpeedButtonQuitPageRebootClick},
        {"Page_ControleSecteurShow", &TMainForm::Page_ControleSecteurShow},
        {"SpeedButtonValidPageControleSecteurClick",
         &TMainForm::SpeedButtonValidPageControleSecteurClick},
        {"SpeedButtonQuittePageControleSecteurClick",
         &TMainForm::SpeedButtonQuittePageControleSecteurClick},
    };
    for (const auto& handler : kNotifyHandlers) table.Add(handler.name, this, handler.method);
}

void TMainForm::RecordBinding(const char* name) { boundComponents_.emplace_back(name); }

// Typed pointers to the components the handlers use; a component the
// description lost stops the start with the framework's error. Only the
// corner pictures, which carry nothing but a place, go unbound.
void TMainForm::BindComponents() {
    Bind(PageControlPrincipal, "PageControlPrincipal");
    Bind(Timer1, "Timer1");
    Bind(TimerMAJComposant, "TimerMAJComposant");
    Bind(Page_Volume_Install, "Page_Volume_Install");
    Bind(Image_Page_Volume_Install, "Image_Page_Volume_Install");
    Bind(Label_HC_VolInstall, "Label_HC_VolInstall");
    Bind(Label_VolInstall, "Label_VolInstall");
    Bind(listbox1, "listbox1");
    Bind(UpDown1, "UpDown1");
    Bind(Bouton_Valide_PageVolInstall, "Bouton_Valide_PageVolInstall");
    Bind(Page_ErreurVersion, "Page_ErreurVersion");
    Bind(Image_Page_ErreurVersion, "Image_Page_ErreurVersion");
    Bind(Label_HC_BadVersion, "Label_HC_BadVersion");
    Bind(Label_BadVersion, "Label_BadVersion");
    Bind(Bouton_Valide_PageErreurVersion, "Bouton_Valide_PageErreurVersion");
    Bind(Page_ConfirmationMAJ, "Page_ConfirmationMAJ");
    Bind(Image_PageConfirmationMAJ, "Image_PageConfirmationMAJ");
    Bind(Label_HC_ConfMAJ, "Label_HC_ConfMAJ");
    Bind(GroupBox1, "GroupBox1");
    Bind(Label_inst, "Label_inst");
    Bind(Label_desinst, "Label_desinst");
    Bind(RadioButton1, "RadioButton1");
    Bind(RadioButton2, "RadioButton2");
    Bind(touche_ConfMAJ_yes, "touche_ConfMAJ_yes");
    Bind(touche_ConfMAJ_no, "touche_ConfMAJ_no");
    Bind(Page_Choix_langue, "Page_Choix_langue");
    Bind(Image_Page_Choix_Langue, "Image_Page_Choix_Langue");
    Bind(Label_HC_LG, "Label_HC_LG");
    Bind(FondSelection, "FondSelection");
    Bind(ScrollBar1, "ScrollBar1");
    Bind(Bouton_Valide_Langue, "Bouton_Valide_Langue");
    Bind(Bouton_Sortie_LG, "Bouton_Sortie_LG");
    Bind(PageConfLG, "PageConfLG");
    Bind(Image_Page_Conf_LG, "Image_Page_Conf_LG");
    Bind(Label_HC_CFLG, "Label_HC_CFLG");
    Bind(Drapeaux_CF_LG, "Drapeaux_CF_LG");
    Bind(Label_CF_LG, "Label_CF_LG");
    Bind(SpeedButton_oui_CF_LG, "SpeedButton_oui_CF_LG");
    Bind(SpeedButton_non_CF_LG, "SpeedButton_non_CF_LG");
    Bind(Page_Install_En_Cours, "Page_Install_En_Cours");
    Bind(Image_PageInstallEncours, "Image_PageInstallEncours");
    Bind(LabelHC_MAJ, "LabelHC_MAJ");
    Bind(Texte_Page_MAJEnCours, "Texte_Page_MAJEnCours");
    Bind(ImageAttenteMAJ, "ImageAttenteMAJ");
    Bind(ProgressBar1, "ProgressBar1");
    Bind(Bouton_Valide_MAJEnCours, "Bouton_Valide_MAJEnCours");
    Bind(Bouton_F1_MAJComp, "Bouton_F1_MAJComp");
    Bind(PageRecommendation, "PageRecommendation");
    Bind(Image_PageRecom, "Image_PageRecom");
    Bind(Label_HC_PageRecom, "Label_HC_PageRecom");
    Bind(Label_PageRecom, "Label_PageRecom");
    Bind(SpeedButtonValide_PageRecom, "SpeedButtonValide_PageRecom");
    Bind(SpeedButtonSortie_PageRecom, "SpeedButtonSortie_PageRecom");
    Bind(PageCluf, "PageCluf");
    Bind(Image_PageCLUF, "Image_PageCLUF");
    Bind(Label_HC_CLUF, "Label_HC_CLUF");
    Bind(Memo1, "Memo1");
    Bind(Label1, "Label1");
    Bind(Label2, "Label2");
    Bind(RadioButtonCLUFOui, "RadioButtonCLUFOui");
    Bind(RadioButtonCLUFNon, "RadioButtonCLUFNon");
    Bind(SpeedButton31, "SpeedButton31");
    Bind(SpeedButton32, "SpeedButton32");
    Bind(PageArretAppli, "PageArretAppli");
    Bind(ImagePageArretAppli, "ImagePageArretAppli");
    Bind(Label_HC_PageArretAppli, "Label_HC_PageArretAppli");
    Bind(TextePageArretAppli, "TextePageArretAppli");
    Bind(SpeedButtonPageArretAppli, "SpeedButtonPageArretAppli");
    Bind(SpeedButtonSortieArretAppli, "SpeedButtonSortieArretAppli");
    Bind(Page_Reboot, "Page_Reboot");
    Bind(Image_PageReboot, "Image_PageReboot");
    Bind(Label_HautPageReboot, "Label_HautPageReboot");
    Bind(Texte_PageReboot, "Texte_PageReboot");
    Bind(SpeedButtonPageReboot, "SpeedButtonPageReboot");
    Bind(SpeedButtonQuitPageReboot, "SpeedButtonQuitPageReboot");
    Bind(Page_ControleSecteur, "Page_ControleSecteur");
    Bind(ImageFondPageControleSecteur, "ImageFondPageControleSecteur");
    Bind(LabelHautPageControleSecteur, "LabelHautPageControleSecteur");
    Bind(LabelPageControleSecteur, "LabelPageControleSecteur");
    Bind(SpeedButtonValidPageControleSecteur, "SpeedButtonValidPageControleSecteur");
    Bind(SpeedButtonQuittePageControleSecteur, "SpeedButtonQuittePageControleSecteur");
    for (int i = 0; i < 30; ++i) {
        Bind(FlagButtons[i], ("SpeedButton" + std::to_string(i + 1)).c_str());
    }
}

}  // namespace tavrik
