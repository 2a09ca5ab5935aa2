// Page 1: the fixed volume that receives a first installation.
#include <string>

#include "app/ProgramState.h"
#include "app/Unit1.h"
#include "config/Registry.h"
#include "localisation/PhraseNumbers.h"
#include "platform/Machine.h"
#include "trace/TraceLog.h"
#include "util/DictionaryNames.h"

namespace tavrik {

namespace {

// "C:\ Fixed volume" for each fixed drive, in the order the system gives
// the drives.
void ListFixedVolumes(vcl::TStrings& items) {
    for (const std::string& root : platform::CurrentMachine().FixedDrives()) {
        items.Add(root + " Fixed volume");
    }
}

}  // namespace

void TMainForm::On_PageInstall(TObject* /*sender*/) {
    AppendTraceLine("On_PageInstall");
    ApplyLanguageFont(DictionaryFileOf(State.DictionaryFileName));
    LoadBackground(Image_Page_Volume_Install);
    SetValidGlyph(Bouton_Valide_PageVolInstall);
    StyleTitleLabel(Label_HC_VolInstall);
    Label_VolInstall->Font().SetColor(kPageTextColour);
    Label_VolInstall->SetCaption(GetPhrase(phrase::kChooseDisk, true));

    listbox1->Items().Clear();
    listbox1->Font().SetColor(kPageTextColour);
    ListFixedVolumes(listbox1->Items());
    // The up-down's position is left where it was: only the list's
    // selection matters.
    UpDown1->SetMax(listbox1->Items().Count());
    listbox1->SetItemIndex(0);  // selects nothing in an empty list
    // No fixed disk can receive the suite: the page says so, and validate,
    // Enter and F1 end the run instead of leaving a page without a way out.
    if (listbox1->Items().Count() == 0) {
        AppendTraceLine("aucun volume fixe");
        Label_VolInstall->SetCaption(GetPhrase(phrase::kCannotInstall, false) + " :\n\n" +
                                     GetPhrase(phrase::kValidateToClose, true));
    }
}

void TMainForm::OnClickValidePageVolChoix(TObject* /*sender*/) {
    const vcl::TStrings& items = listbox1->Items();
    for (int i = 0; i < items.Count(); ++i) {
        if (listbox1->Selected(i)) {
            WriteRegString(kProductKey, "PathInstall", items[i].substr(0, 2));
            State.InstallPathChosen = true;
            ContinueToInstallation(false);
            return;
        }
    }
    if (items.Count() == 0) {
        Close();
    }
}

void TMainForm::OnDblClickListVolumes(TObject* sender) { OnClickValidePageVolChoix(sender); }

// The form previews keys: Enter validates the volume page, and only it.
void TMainForm::OnKeyPressedListVolumes(TObject* sender, char& key) {
    if (key == '\r' && ActivePage() == kPageVolumeInstall) {
        OnDblClickListVolumes(sender);
    }
}

// The upper arrow (and the up-arrow key) moves the selection up the list,
// the lower one down; both stop at the ends. An empty list has nothing to
// move.
void TMainForm::UpDown1Click(TObject* /*sender*/, vcl::UpDownButton button) {
    const int count = listbox1->Items().Count();
    if (count == 0) {
        return;
    }
    if (button == vcl::UpDownButton::Next) {
        if (listbox1->Selected(0)) {
            return;
        }
        listbox1->SetItemIndex(listbox1->ItemIndex() - 1);
        UpDown1->SetPosition(UpDown1->Position() - 1);
    } else {
        if (listbox1->Selected(count - 1)) {
            return;
        }
        listbox1->SetItemIndex(listbox1->ItemIndex() + 1);
        UpDown1->SetPosition(UpDown1->Position() + 1);
    }
}

void TMainForm::Upown1OnChanging(TObject* /*sender*/, bool& allowChange) { allowChange = true; }

}  // namespace tavrik
