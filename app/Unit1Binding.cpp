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
        {"OnDblClickListVolumes", &TMainForm::OnDblClickListVolumes},
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

// Typed pointers to the components the handlers use; a component the
// description lost stops the start with the framework's error.
void TMainForm::BindComponents() {
    PageControlPrincipal = Find<vcl::TPageControl>("PageControlPrincipal");
    Timer1 = Find<vcl::TTimer>("Timer1");
    TimerMAJComposant = Find<vcl::TTimer>("TimerMAJComposant");
    Page_Volume_Install = Find<vcl::TTabSheet>("Page_Volume_Install");
    Image_Page_Volume_Install = Find<vcl::TImage>("Image_Page_Volume_Install");
    Label_HC_VolInstall = Find<vcl::TLabel>("Label_HC_VolInstall");
    Label_VolInstall = Find<vcl::TLabel>("Label_VolInstall");
    listbox1 = Find<vcl::TListBox>("listbox1");
    UpDown1 = Find<vcl::TUpDown>("UpDown1");
    Bouton_Valide_PageVolInstall = Find<vcl::TSpeedButton>("Bouton_Valide_PageVolInstall");
    Page_ErreurVersion = Find<vcl::TTabSheet>("Page_ErreurVersion");
    Image_Page_ErreurVersion = Find<vcl::TImage>("Image_Page_ErreurVersion");
    Label_HC_BadVersion = Find<vcl::TLabel>("Label_HC_BadVersion");
    Label_BadVersion = Find<vcl::TLabel>("Label_BadVersion");
    Bouton_Valide_PageErreurVersion = Find<vcl::TSpeedButton>("Bouton_Valide_PageErreurVersion");
    Page_ConfirmationMAJ = Find<vcl::TTabSheet>("Page_ConfirmationMAJ");
    Image_PageConfirmationMAJ = Find<vcl::TImage>("Image_PageConfirmationMAJ");
    Label_HC_ConfMAJ = Find<vcl::TLabel>("Label_HC_ConfMAJ");
    GroupBox1 = Find<vcl::TGroupBox>("GroupBox1");
    Label_inst = Find<vcl::TLabel>("Label_inst");
    Label_desinst = Find<vcl::TLabel>("Label_desinst");
    RadioButton1 = Find<vcl::TRadioButton>("RadioButton1");
    RadioButton2 = Find<vcl::TRadioButton>("RadioButton2");
    touche_ConfMAJ_yes = Find<vcl::TSpeedButton>("touche_ConfMAJ_yes");
    touche_ConfMAJ_no = Find<vcl::TSpeedButton>("touche_ConfMAJ_no");
    Page_Choix_langue = Find<vcl::TTabSheet>("Page_Choix_langue");
    Image_Page_Choix_Langue = Find<vcl::TImage>("Image_Page_Choix_Langue");
    Label_HC_LG = Find<vcl::TLabel>("Label_HC_LG");
    FondSelection = Find<vcl::TShape>("FondSelection");
    ScrollBar1 = Find<vcl::TScrollBar>("ScrollBar1");
    Bouton_Valide_Langue = Find<vcl::TSpeedButton>("Bouton_Valide_Langue");
    Bouton_Sortie_LG = Find<vcl::TSpeedButton>("Bouton_Sortie_LG");
    PageConfLG = Find<vcl::TTabSheet>("PageConfLG");
    Image_Page_Conf_LG = Find<vcl::TImage>("Image_Page_Conf_LG");
    Label_HC_CFLG = Find<vcl::TLabel>("Label_HC_CFLG");
    Drapeaux_CF_LG = Find<vcl::TImage>("Drapeaux_CF_LG");
    Label_CF_LG = Find<vcl::TLabel>("Label_CF_LG");
    SpeedButton_oui_CF_LG = Find<vcl::TSpeedButton>("SpeedButton_oui_CF_LG");
    SpeedButton_non_CF_LG = Find<vcl::TSpeedButton>("SpeedButton_non_CF_LG");
    Page_Install_En_Cours = Find<vcl::TTabSheet>("Page_Install_En_Cours");
    Image_PageInstallEncours = Find<vcl::TImage>("Image_PageInstallEncours");
    LabelHC_MAJ = Find<vcl::TLabel>("LabelHC_MAJ");
    Texte_Page_MAJEnCours = Find<vcl::TLabel>("Texte_Page_MAJEnCours");
    ImageAttenteMAJ = Find<vcl::TImage>("ImageAttenteMAJ");
    ProgressBar1 = Find<vcl::TProgressBar>("ProgressBar1");
    Bouton_Valide_MAJEnCours = Find<vcl::TSpeedButton>("Bouton_Valide_MAJEnCours");
    Bouton_F1_MAJComp = Find<vcl::TSpeedButton>("Bouton_F1_MAJComp");
    PageRecommendation = Find<vcl::TTabSheet>("PageRecommendation");
    Image_PageRecom = Find<vcl::TImage>("Image_PageRecom");
    Label_HC_PageRecom = Find<vcl::TLabel>("Label_HC_PageRecom");
    Label_PageRecom = Find<vcl::TLabel>("Label_PageRecom");
    SpeedButtonValide_PageRecom = Find<vcl::TSpeedButton>("SpeedButtonValide_PageRecom");
    SpeedButtonSortie_PageRecom = Find<vcl::TSpeedButton>("SpeedButtonSortie_PageRecom");
    PageCluf = Find<vcl::TTabSheet>("PageCluf");
    Image_PageCLUF = Find<vcl::TImage>("Image_PageCLUF");
    Label_HC_CLUF = Find<vcl::TLabel>("Label_HC_CLUF");
    Memo1 = Find<vcl::TMemo>("Memo1");
    Label1 = Find<vcl::TLabel>("Label1");
    Label2 = Find<vcl::TLabel>("Label2");
    RadioButtonCLUFOui = Find<vcl::TRadioButton>("RadioButtonCLUFOui");
    RadioButtonCLUFNon = Find<vcl::TRadioButton>("RadioButtonCLUFNon");
    SpeedButton31 = Find<vcl::TSpeedButton>("SpeedButton31");
    SpeedButton32 = Find<vcl::TSpeedButton>("SpeedButton32");
    PageArretAppli = Find<vcl::TTabSheet>("PageArretAppli");
    ImagePageArretAppli = Find<vcl::TImage>("ImagePageArretAppli");
    Label_HC_PageArretAppli = Find<vcl::TLabel>("Label_HC_PageArretAppli");
    TextePageArretAppli = Find<vcl::TLabel>("TextePageArretAppli");
    SpeedButtonPageArretAppli = Find<vcl::TSpeedButton>("SpeedButtonPageArretAppli");
    SpeedButtonSortieArretAppli = Find<vcl::TSpeedButton>("SpeedButtonSortieArretAppli");
    Page_Reboot = Find<vcl::TTabSheet>("Page_Reboot");
    Image_PageReboot = Find<vcl::TImage>("Image_PageReboot");
    Label_HautPageReboot = Find<vcl::TLabel>("Label_HautPageReboot");
    Texte_PageReboot = Find<vcl::TLabel>("Texte_PageReboot");
    SpeedButtonPageReboot = Find<vcl::TSpeedButton>("SpeedButtonPageReboot");
    SpeedButtonQuitPageReboot = Find<vcl::TSpeedButton>("SpeedButtonQuitPageReboot");
    Page_ControleSecteur = Find<vcl::TTabSheet>("Page_ControleSecteur");
    ImageFondPageControleSecteur = Find<vcl::TImage>("ImageFondPageControleSecteur");
    LabelHautPageControleSecteur = Find<vcl::TLabel>("LabelHautPageControleSecteur");
    LabelPageControleSecteur = Find<vcl::TLabel>("LabelPageControleSecteur");
    SpeedButtonValidPageControleSecteur =
        Find<vcl::TSpeedButton>("SpeedButtonValidPageControleSecteur");
    SpeedButtonQuittePageControleSecteur =
        Find<vcl::TSpeedButton>("SpeedButtonQuittePageControleSecteur");
    for (int i = 0; i < 30; ++i) {
        FlagButtons[i] = Find<vcl::TSpeedButton>("SpeedButton" + std::to_string(i + 1));
    }
}

}  // namespace tavrik
