// Page 4: the language flags. The default language's flag is selected when
// the page opens; a click, Return or the validate button goes on to the
// confirmation page with the chosen flag's number.
#include <cctype>
#include <memory>
#include <string>
#include <vector>

#include "app/ProgramState.h"
#include "app/Unit1.h"
#include "localisation/FlagFiles.h"
#include "localisation/FlagGrid.h"
#include "localisation/FlagHighlight.h"
#include "trace/TraceLog.h"
#include "util/DictionaryNames.h"

namespace tavrik {

namespace {

constexpr int kVisibleRows = 3;
constexpr int kFlagsPerRow = 4;
constexpr std::uint16_t kSelectGiven = 0;  // any key but the arrows and Return
constexpr bool kGreyIsTransparent = true;

std::string UpperCaseAscii(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return text;
}

// The flag of the default language; the last matching file wins. Without
// a match the first flag is selected and SelectedLanguage keeps its value.
int PreselectedFlag(const std::vector<std::string>& flags, const std::string& defaultCode) {
    int selected = 1;
    for (std::size_t k = 1; k <= flags.size(); ++k) {
        const std::string code = LanguageCodeOf(flags[k - 1]);
        if (code == defaultCode || UpperCaseAscii(code) == defaultCode) {
            selected = static_cast<int>(k);
            State.SelectedLanguage = std::to_string(k);
        }
    }
    return selected;
}

}  // namespace

// Made once at start-up, over the form's outer size.
void TMainForm::CreateFlagGrid() {
    State.FlagGrid = std::make_shared<TFlagGrid>(Width(), Height());
}

void TMainForm::On_Page_Choix_LG(TObject* /*sender*/) {
    AppendTraceLine("On_Page_Choix_LG");
    State.FlagKeyNavigation = false;
    LoadBackground(Image_Page_Choix_Langue);
    SetValidGlyph(Bouton_Valide_Langue);
    SetExitGlyph(Bouton_Sortie_LG);
    StyleTitleLabel(Label_HC_LG);

    const std::string defaultCode = LanguageCodeOf(GetDicoTxt());
    const std::vector<std::string> flags = ListFlagFiles();
    const int selected = PreselectedFlag(flags, defaultCode);

    State.FlagButtonList = std::make_unique<std::vector<vcl::TSpeedButton*>>(
        std::begin(FlagButtons), std::end(FlagButtons));
    State.FlagGrid->TopMargin = 40;
    State.FlagGrid->RightMargin = 30;
    State.FlagGrid->LeftMargin = 100;
    State.FlagGrid->BottomMargin = 40;

    // Until the layout below is complete the page offers no flag: this is
    // what a folder without bitmaps shows, and what a bitmap that cannot be
    // read leaves behind (only the exit button then does anything).
    State.FlagGrid->GridClear(State.FlagButtonList.get());
    FondSelection->Hide();
    Bouton_Valide_Langue->SetEnabled(false);
    ScrollBar1->SetParams(1, 1, 1);
    State.SelectionShape = FondSelection;
    State.LanguagePageImage = Image_Page_Choix_Langue;
    if (flags.empty()) {
        return;
    }

    const int count = static_cast<int>(flags.size());
    State.FlagGrid->GridSetup(count, kVisibleRows, kFlagsPerRow, flags.back(),
                              State.FlagButtonList.get());
    FondSelection->Show();
    FondSelection->SetWidth(State.FlagGrid->FlagWidth + 13);
    FondSelection->SetHeight(State.FlagGrid->FlagHeight + 13);
    int given = selected;
    MoveFlagHighlight(*State.FlagGrid, FondSelection, kSelectGiven, given);
    for (int i = 1; i <= count; ++i) {
        State.FlagGrid->GridPlaceFlag(i, flags[static_cast<std::size_t>(i - 1)],
                                      kGreyIsTransparent);
    }
    State.FlagGrid->GridShowRange(State.FlagGrid->GridSelect(selected), count);
    Bouton_Valide_Langue->SetEnabled(true);
    ScrollBar1->SetSmallChange(1);
    ScrollBar1->SetLargeChange(1);
    ScrollBar1->SetParams(State.FlagGrid->RowOf(selected), 1, State.FlagGrid->RowOf(count));
}

void TMainForm::AppelPageConfLG(TObject* sender) {
    auto* button = dynamic_cast<vcl::TComponent*>(sender);
    State.SelectedLanguage = std::to_string(button != nullptr ? button->Tag() : 0);
    if (State.SelectedLanguage == "0") {
        State.SelectedLanguage = std::to_string(State.FlagGrid->Index);
    }
    ShowPage(kPageLanguageConfirmation);
}

void TMainForm::Bouton_Valide_LangueClick(TObject* /*sender*/) {
    if (State.FlagGrid->Count < 1) {
        return;  // nothing to confirm
    }
    State.SelectedLanguage = std::to_string(State.FlagGrid->Index);
    ShowPage(kPageLanguageConfirmation);
}

void TMainForm::Bouton_Sortie_LGClick(TObject* /*sender*/) { Close(); }

}  // namespace tavrik
