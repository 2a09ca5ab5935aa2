// The form-wide key handler: the whole wizard can be driven without a
// mouse. What each key does on each page is the page table's (PageTable.h).
// It never consumes a key, and it ignores Shift, Ctrl and Alt.
#include "app/PageTable.h"
#include "app/Unit1.h"

namespace tavrik {

void TMainForm::OnKeyDown(TObject* /*sender*/, std::uint16_t& key, vcl::ShiftState /*shift*/) {
    const PageRow* row = FindPage(ActivePage());
    if (row == nullptr) return;
    if (const KeyAction action = ActionOf(*row, key)) action(*this, key);
}

// Page 3: each arrow flips between reinstallation and removal, as a click
// on the other option line would.
void TMainForm::ToggleUpdateChoice() {
    if (RadioButton1->Checked()) {
        RadioButton2Click(this);
    } else {
        RadioButton1Click(this);
    }
}

}  // namespace tavrik
