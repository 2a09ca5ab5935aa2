// Page 4's scroll bar and arrow keys: they move the flag selection, and the
// bar follows the row of the selected flag.
#include <string>

#include "app/ProgramState.h"
#include "app/Unit1.h"
#include "localisation/FlagGrid.h"
#include "localisation/FlagHighlight.h"

namespace tavrik {

namespace {

void StepSelection(std::uint16_t key) {
    int selected = State.FlagGrid->Index;
    MoveFlagHighlight(*State.FlagGrid, State.SelectionShape, key, selected);
    if (State.LanguagePageImage != nullptr) {
        State.LanguagePageImage->Repaint();
    }
}

}  // namespace

// Runs before the bar takes its new position; that change then reaches
// OnChangeScroll, which finds the selection already on the new row.
void TMainForm::OnScroll(TObject* /*sender*/, vcl::ScrollCode code, int& /*position*/) {
    if (code == vcl::ScrollCode::LineUp || code == vcl::ScrollCode::PageUp) {
        MoveFlagSelection(kKeyUp);
    } else if (code == vcl::ScrollCode::LineDown || code == vcl::ScrollCode::PageDown) {
        MoveFlagSelection(kKeyDown);
    } else {
        State.FlagKeyNavigation = true;
        State.SelectedLanguage = std::to_string(State.FlagGrid->Index);
    }
}

// An arrow key or a step of the bar: the grid moves its selection and the
// highlight; the bar follows the selected row.
void TMainForm::MoveFlagSelection(std::uint16_t key) {
    State.FlagKeyNavigation = true;
    StepSelection(key);
    ScrollBar1->SetPosition(State.FlagGrid->RowOf(State.FlagGrid->Index));
    State.SelectedLanguage = std::to_string(State.FlagGrid->Index);
}

// Only a move by the user (keys or the bar itself) walks the selection to
// the bar's row; the page setting the bar when it opens moves nothing. The
// row counter advances even when a move is blocked, so the walk ends.
void TMainForm::OnChangeScroll(TObject* /*sender*/) {
    if (!State.FlagKeyNavigation) {
        return;
    }
    const int position = ScrollBar1->Position();
    int row = State.FlagGrid->RowOf(State.FlagGrid->Index);
    while (position > row) {
        StepSelection(kKeyDown);
        ++row;
    }
    while (position < row) {
        StepSelection(kKeyUp);
        --row;
    }
}

}  // namespace tavrik
