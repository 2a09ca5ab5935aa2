// Page 5: the chosen flag, and the question asked in that language with its
// font. Showing the page switches the whole wizard to the chosen dictionary.
#include <string>
#include <vector>

#include "app/ProgramState.h"
#include "app/Unit1.h"
#include "localisation/FlagFiles.h"
#include "localisation/FlagGrid.h"
#include "localisation/PhraseNumbers.h"
#include "platform/Machine.h"
#include "trace/TraceLog.h"
#include "util/DictionaryNames.h"
#include "vcl/Picture.h"

namespace tavrik {

namespace {

// The bitmap of flag `number`, or "" when there is none. A drive that is
// not ready fails quietly instead of asking the user.
std::string FlagFileNumbered(int number) {
    const std::vector<std::string> flags = [] {
        const platform::CriticalErrorBoxesOff quiet;
        return ListFlagFiles();
    }();
    if (number < 1 || number > static_cast<int>(flags.size())) {
        return "";
    }
    return flags[static_cast<std::size_t>(number - 1)];
}

}  // namespace

void TMainForm::OnPage_conf_LG(TObject* /*sender*/) {
    AppendTraceLine("OnPage_conf_LG");
    LoadBackground(Image_Page_Conf_LG);
    StyleTitleLabel(Label_HC_CFLG);

    // No flag of an earlier showing may stay up, whatever happens below.
    const vcl::TPicture noFlag;
    Drapeaux_CF_LG->SetPicture(noFlag);
    const std::string flag = FlagFileNumbered(FlagNumberOf(State.SelectedLanguage));
    if (flag.empty()) {
        // The flag went from the medium since it was chosen: there is no
        // language to confirm, so the user chooses again among the flags
        // there are now. The dictionary in use stays.
        ShowPage(kPageLanguageChoice);
        return;
    }
    State.DictionaryFileName = flag;
    vcl::TPicture picture;
    picture.LoadFromFile(State.DictionaryFileName,
                         State.FlagGrid ? State.FlagGrid->FlagBounds() : vcl::PictureBounds{});
    Drapeaux_CF_LG->SetPicture(picture);
    Drapeaux_CF_LG->SetWidth(picture.Width());
    Drapeaux_CF_LG->SetHeight(picture.Height());
    AppendTraceLine("dico= " + State.DictionaryFileName);

    ApplyLanguageFont(DictionaryFileOf(State.DictionaryFileName));
    // The question follows the form's font, now the language's. Its colour
    // once set, the label would otherwise keep the font of the first
    // language shown here and draw another script with it.
    Label_CF_LG->SetParentFont(true);
    Label_CF_LG->Font().SetColor(kPageTextColour);
    Label_CF_LG->SetCaption(GetPhrase(phrase::kUseThisLanguage, false));

    SetYesGlyph(SpeedButton_oui_CF_LG);
    SetNoGlyph(SpeedButton_non_CF_LG);
}

void TMainForm::SpeedButton_non_CF_LGClick(TObject* /*sender*/) { ShowPage(kPageLanguageChoice); }

}  // namespace tavrik
