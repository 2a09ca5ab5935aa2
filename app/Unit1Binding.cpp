#include "app/Unit1.h"

#include <string>

namespace tavrik {

// Every handler the form description may name.
void TMainForm::PublishHandlers() {
    vcl::HandlerTable& table = Handlers();
    table.Add("OnKeyDown", this, &TMainForm::OnKeyDown);
    table.Add("OnKeyPressedListVolumes", this, &TMainForm::OnKeyPressedListVolumes);
    table.Add("On_PageInstall", this, &TMainForm::On_PageInstall);
    table.Add("OnClickValidePageVolChoix", this, &TMainForm::OnClickValidePageVolChoix);
    table.Add("OnDblClickListVolumes", this, &TMainForm::OnDblClickListVolumes);
    table.Add("UpDown1Click", this, &TMainForm::UpDown1Click);
    table.Add("Upown1OnChanging", this, &TMainForm::Upown1OnChanging);
    table.Add("OnPageErreurVersion", this, &TMainForm::OnPageErreurVersion);
    table.Add("OnClickValidePageErreurVersion", this, &TMainForm::OnClickValidePageErreurVersion);
    table.Add("On_PageConfirmationMAJ", this, &TMainForm::On_PageConfirmationMAJ);
    table.Add("touche_ConfMAJ_yesClick", this, &TMainForm::touche_ConfMAJ_yesClick);
    table.Add("touche_ConfMAJ_noClick", this, &TMainForm::touche_ConfMAJ_noClick);
    table.Add("RadioButton1Click", this, &TMainForm::RadioButton1Click);
    table.Add("RadioButton2Click", this, &TMainForm::RadioButton2Click);
    table.Add("On_Page_Choix_LG", this, &TMainForm::On_Page_Choix_LG);
    table.Add("AppelPageConfLG", this, &TMainForm::AppelPageConfLG);
    table.Add("Bouton_Valide_LangueClick", this, &TMainForm::Bouton_Valide_LangueClick);
    table.Add("Bouton_Sortie_LGClick", this, &TMainForm::Bouton_Sortie_LGClick);
    table.Add("OnScroll", this, &TMainForm::OnScroll);
    table.Add("OnChangeScroll", this, &TMainForm::OnChangeScroll);
    table.Add("OnPage_conf_LG", this, &TMainForm::OnPage_conf_LG);
    table.Add("SpeedButton_oui_CF_LGClick", this, &TMainForm::SpeedButton_oui_CF_LGClick);
    table.Add("SpeedButton_non_CF_LGClick", this, &TMainForm::SpeedButton_non_CF_LGClick);
    table.Add("OnPageInstallEnCours", this, &TMainForm::OnPageInstallEnCours);
    table.Add("OnTimer", this, &TMainForm::OnTimer);
    table.Add("Bouton_Valide_MAJEnCoursClick", this, &TMainForm::Bouton_Valide_MAJEnCoursClick);
    table.Add("Bouton_F1_MAJCompClick", this, &TMainForm::Bouton_F1_MAJCompClick);
    table.Add("TimerMAJComposantTimer", this, &TMainForm::TimerMAJComposantTimer);
    table.Add("OnShowPageRecommendation", this, &TMainForm::OnShowPageRecommendation);
    table.Add("SpeedButtonValide_PageRecomClick", this,
              &TMainForm::SpeedButtonValide_PageRecomClick);
    table.Add("SpeedButtonSortie_PageRecomClick", this,
              &TMainForm::SpeedButtonSortie_PageRecomClick);
    table.Add("PageClufShow", this, &TMainForm::PageClufShow);
    table.Add("Label1Click", this, &TMainForm::Label1Click);
    table.Add("Label2Click", this, &TMainForm::Label2Click);
    table.Add("SpeedButton31Click", this, &TMainForm::SpeedButton31Click);
    table.Add("SpeedButton32Click", this, &TMainForm::SpeedButton32Click);
    table.Add("PageArretAppliShow", this, &TMainForm::PageArretAppliShow);
    table.Add("SpeedButtonPageArretAppliClick", this, &TMainForm::SpeedButtonPageArretAppliClick);
    table.Add("SpeedButtonSortieArretAppliClick", this,
              &TMainForm::SpeedButtonSortieArretAppliClick);
    table.Add("Page_RebootShow", this, &TMainForm::Page_RebootShow);
    table.Add("SpeedButtonPageRebootClick", this, &TMainForm::SpeedButtonPageRebootClick);
    table.Add("SpeedButtonQuitPageRebootClick", this, &TMainForm::SpeedButtonQuitPageRebootClick);
    table.Add("Page_ControleSecteurShow", this, &TMainForm::Page_ControleSecteurShow);
    table.Add("SpeedButtonValidPageControleSecteurClick", this,
              &TMainForm::SpeedButtonValidPageControleSecteurClick);
    table.Add("SpeedButtonQuittePageControleSecteurClick", this,
              &TMainForm::SpeedButtonQuittePageControleSecteurClick);
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
