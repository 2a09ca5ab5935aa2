// The wizard's one form. Its components come from the form description
// (Unit1.dfm); its handlers are spread over the subsystem folders, each
// page's beside the behaviour it belongs to, and reach one another only
// through page numbers and the program-wide state (ProgramState.h).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/PageTable.h"
#include "vcl/Form.h"
#include "vcl/GroupBox.h"
#include "vcl/Image.h"
#include "vcl/Label.h"
#include "vcl/ListBox.h"
#include "vcl/Memo.h"
#include "vcl/PageControl.h"
#include "vcl/ProgressBar.h"
#include "vcl/RadioButton.h"
#include "vcl/ScrollBar.h"
#include "vcl/Shape.h"
#include "vcl/SpeedButton.h"
#include "vcl/Timer.h"
#include "vcl/UpDown.h"

namespace tavrik {

using vcl::TObject;

// The colour of every page's main text.
constexpr vcl::TColor kPageTextColour = vcl::RGBColor(33, 61, 135);

class TMainForm : public vcl::TForm {
public:
    explicit TMainForm(vcl::TComponent* owner);
    const char* ClassName() const override { return "TMainForm"; }

    // Makes page N the active one; its show handler runs.
    void ShowPage(int page);
    int ActivePage() const;

    // --- Dictionary (localisation).
    std::string GetPhrase(long number, bool appendPeriod);
    void ApplyLanguageFont(const std::string& dictionaryFile);
    std::string GetDicoTxt();
    // A box, in the PC's language, telling that another wizard runs.
    void ShowAnotherWizardRuns();

    // --- Page decoration.
    void SetValidGlyph(vcl::TSpeedButton* button);
    void SetExitGlyph(vcl::TSpeedButton* button);
    void SetYesGlyph(vcl::TSpeedButton* button);
    void SetNoGlyph(vcl::TSpeedButton* button);
    void StyleTitleLabel(vcl::TLabel* label);
    void LoadBackground(vcl::TImage* image);

    // --- Decision steps shared by several pages.
    // traced: write "Independant" / "Non Independant" (the confirmation
    // handler does, the volume page does not).
    void ContinueToInstallation(bool traced);
    bool CheckRunningApplications(std::string& text);
    // The packaged setup run without any page, when the site asked for it;
    // returns the process's exit code (install/ManualInstall.h).
    int RunManualInstall();

    // ================= Handlers (bound by name) =================
    // Form.
    void OnKeyDown(TObject* sender, std::uint16_t& key, vcl::ShiftState shift);
    void OnKeyPressedListVolumes(TObject* sender, char& key);
    // Page 1, volume choice.
    void On_PageInstall(TObject* sender);
    void OnClickValidePageVolChoix(TObject* sender);
    void OnDblClickListVolumes(TObject* sender);
    void UpDown1Click(TObject* sender, vcl::UpDownButton button);
    void Upown1OnChanging(TObject* sender, bool& allowChange);
    // Page 2, version error.
    void OnPageErreurVersion(TObject* sender);
    void OnClickValidePageErreurVersion(TObject* sender);
    // Page 3, update confirmation.
    void On_PageConfirmationMAJ(TObject* sender);
    void touche_ConfMAJ_yesClick(TObject* sender);
    void touche_ConfMAJ_noClick(TObject* sender);
    void RadioButton1Click(TObject* sender);
    void RadioButton2Click(TObject* sender);
    // Page 4, language choice.
    void On_Page_Choix_LG(TObject* sender);
    void AppelPageConfLG(TObject* sender);
    void Bouton_Valide_LangueClick(TObject* sender);
    void Bouton_Sortie_LGClick(TObject* sender);
    void OnScroll(TObject* sender, vcl::ScrollCode code, int& position);
    void OnChangeScroll(TObject* sender);
    // Page 5, language confirmation.
    void OnPage_conf_LG(TObject* sender);
    void SpeedButton_oui_CF_LGClick(TObject* sender);
    void SpeedButton_non_CF_LGClick(TObject* sender);
    // Page 6, installation in progress.
    void OnPageInstallEnCours(TObject* sender);
    void OnTimer(TObject* sender);
    void Bouton_Valide_MAJEnCoursClick(TObject* sender);
    void Bouton_F1_MAJCompClick(TObject* sender);
    void TimerMAJComposantTimer(TObject* sender);
    // The end of the setup seen by OnTimer: the outcome on the page.
    void ShowSetupOutcome();
    // Page 7, recommendation.
    void OnShowPageRecommendation(TObject* sender);
    void SpeedButtonValide_PageRecomClick(TObject* sender);
    void SpeedButtonSortie_PageRecomClick(TObject* sender);
    // Page 8, licence.
    void PageClufShow(TObject* sender);
    void Label1Click(TObject* sender);
    void Label2Click(TObject* sender);
    void SpeedButton31Click(TObject* sender);
    void SpeedButton32Click(TObject* sender);
    // Page 9, running applications.
    void PageArretAppliShow(TObject* sender);
    void SpeedButtonPageArretAppliClick(TObject* sender);
    void SpeedButtonSortieArretAppliClick(TObject* sender);
    // Page 10, restart.
    void Page_RebootShow(TObject* sender);
    void SpeedButtonPageRebootClick(TObject* sender);
    void SpeedButtonQuitPageRebootClick(TObject* sender);
    // Page 11, mains power.
    void Page_ControleSecteurShow(TObject* sender);
    void SpeedButtonValidPageControleSecteurClick(TObject* sender);
    void SpeedButtonQuittePageControleSecteurClick(TObject* sender);

    // ================= Components (from Unit1.dfm) =================
    vcl::TPageControl* PageControlPrincipal = nullptr;
    vcl::TTimer* Timer1 = nullptr;
    vcl::TTimer* TimerMAJComposant = nullptr;

    // Page 1.
    vcl::TTabSheet* Page_Volume_Install = nullptr;
    vcl::TImage* Image_Page_Volume_Install = nullptr;
    vcl::TLabel* Label_HC_VolInstall = nullptr;
    vcl::TLabel* Label_VolInstall = nullptr;
    vcl::TListBox* listbox1 = nullptr;
    vcl::TUpDown* UpDown1 = nullptr;
    vcl::TSpeedButton* Bouton_Valide_PageVolInstall = nullptr;
    // Page 2.
    vcl::TTabSheet* Page_ErreurVersion = nullptr;
    vcl::TImage* Image_Page_ErreurVersion = nullptr;
    vcl::TLabel* Label_HC_BadVersion = nullptr;
    vcl::TLabel* Label_BadVersion = nullptr;
    vcl::TSpeedButton* Bouton_Valide_PageErreurVersion = nullptr;
    // Page 3.
    vcl::TTabSheet* Page_ConfirmationMAJ = nullptr;
    vcl::TImage* Image_PageConfirmationMAJ = nullptr;
    vcl::TLabel* Label_HC_ConfMAJ = nullptr;
    vcl::TGroupBox* GroupBox1 = nullptr;
    vcl::TLabel* Label_inst = nullptr;
    vcl::TLabel* Label_desinst = nullptr;
    vcl::TRadioButton* RadioButton1 = nullptr;
    vcl::TRadioButton* RadioButton2 = nullptr;
    vcl::TSpeedButton* touche_ConfMAJ_yes = nullptr;
    vcl::TSpeedButton* touche_ConfMAJ_no = nullptr;
    // Page 4.
    vcl::TTabSheet* Page_Choix_langue = nullptr;
    vcl::TImage* Image_Page_Choix_Langue = nullptr;
    vcl::TLabel* Label_HC_LG = nullptr;
    vcl::TShape* FondSelection = nullptr;
    vcl::TScrollBar* ScrollBar1 = nullptr;
    vcl::TSpeedButton* Bouton_Valide_Langue = nullptr;
    vcl::TSpeedButton* Bouton_Sortie_LG = nullptr;
    vcl::TSpeedButton* FlagButtons[30] = {};  // SpeedButton1 .. SpeedButton30
    // Page 5.
    vcl::TTabSheet* PageConfLG = nullptr;
    vcl::TImage* Image_Page_Conf_LG = nullptr;
    vcl::TLabel* Label_HC_CFLG = nullptr;
    vcl::TImage* Drapeaux_CF_LG = nullptr;
    vcl::TLabel* Label_CF_LG = nullptr;
    vcl::TSpeedButton* SpeedButton_oui_CF_LG = nullptr;
    vcl::TSpeedButton* SpeedButton_non_CF_LG = nullptr;
    // Page 6.
    vcl::TTabSheet* Page_Install_En_Cours = nullptr;
    vcl::TImage* Image_PageInstallEncours = nullptr;
    vcl::TLabel* LabelHC_MAJ = nullptr;
    vcl::TLabel* Texte_Page_MAJEnCours = nullptr;
    vcl::TImage* ImageAttenteMAJ = nullptr;
    vcl::TProgressBar* ProgressBar1 = nullptr;
    vcl::TSpeedButton* Bouton_Valide_MAJEnCours = nullptr;
    vcl::TSpeedButton* Bouton_F1_MAJComp = nullptr;
    // Page 7.
    vcl::TTabSheet* PageRecommendation = nullptr;
    vcl::TImage* Image_PageRecom = nullptr;
    vcl::TLabel* Label_HC_PageRecom = nullptr;
    vcl::TLabel* Label_PageRecom = nullptr;
    vcl::TSpeedButton* SpeedButtonValide_PageRecom = nullptr;
    vcl::TSpeedButton* SpeedButtonSortie_PageRecom = nullptr;
    // Page 8.
    vcl::TTabSheet* PageCluf = nullptr;
    vcl::TImage* Image_PageCLUF = nullptr;
    vcl::TLabel* Label_HC_CLUF = nullptr;
    vcl::TMemo* Memo1 = nullptr;
    vcl::TLabel* Label1 = nullptr;
    vcl::TLabel* Label2 = nullptr;
    vcl::TRadioButton* RadioButtonCLUFOui = nullptr;
    vcl::TRadioButton* RadioButtonCLUFNon = nullptr;
    vcl::TSpeedButton* SpeedButton31 = nullptr;
    vcl::TSpeedButton* SpeedButton32 = nullptr;
    // Page 9.
    vcl::TTabSheet* PageArretAppli = nullptr;
    vcl::TImage* ImagePageArretAppli = nullptr;
    vcl::TLabel* Label_HC_PageArretAppli = nullptr;
    vcl::TLabel* TextePageArretAppli = nullptr;
    vcl::TSpeedButton* SpeedButtonPageArretAppli = nullptr;
    vcl::TSpeedButton* SpeedButtonSortieArretAppli = nullptr;
    // Page 10.
    vcl::TTabSheet* Page_Reboot = nullptr;
    vcl::TImage* Image_PageReboot = nullptr;
    vcl::TLabel* Label_HautPageReboot = nullptr;
    vcl::TLabel* Texte_PageReboot = nullptr;
    vcl::TSpeedButton* SpeedButtonPageReboot = nullptr;
    vcl::TSpeedButton* SpeedButtonQuitPageReboot = nullptr;
    // Page 11.
    vcl::TTabSheet* Page_ControleSecteur = nullptr;
    vcl::TImage* ImageFondPageControleSecteur = nullptr;
    vcl::TLabel* LabelHautPageControleSecteur = nullptr;
    vcl::TLabel* LabelPageControleSecteur = nullptr;
    vcl::TSpeedButton* SpeedButtonValidPageControleSecteur = nullptr;
    vcl::TSpeedButton* SpeedButtonQuittePageControleSecteur = nullptr;

    // Keyboard moves shared with the pages' own controls.
    void ToggleUpdateChoice();
    void MoveFlagSelection(std::uint16_t key);
    // Page 4's flag grid (the program-wide FlagGrid).
    void CreateFlagGrid();

    // The names of the components bound to the members above, in binding
    // order, so that the binding can be held against the form description.
    const std::vector<std::string>& BoundComponents() const { return boundComponents_; }

private:
    void PublishHandlers();
    void BindComponents();
    // A call per component, the name a literal: the ninety bindings stay
    // small in the release program.
    template <typename T>
    void Bind(T*& member, const char* name) {
        member = Find<T>(name);
        RecordBinding(name);
    }
    void RecordBinding(const char* name);
    void StartUp();

    std::vector<std::string> boundComponents_;
};

}  // namespace tavrik
