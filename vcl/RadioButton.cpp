#include "vcl/RadioButton.h"

namespace tavrik::vcl {

void TRadioButton::SetChecked(bool checked) {
    if (checked == checked_) return;
    checked_ = checked;
    Changed(kChangeChecked);
    if (!checked || Parent() == nullptr) return;
    for (TControl* sibling : Parent()->Children()) {
        auto* radio = dynamic_cast<TRadioButton*>(sibling);
        if (radio != nullptr && radio != this) radio->SetChecked(false);
    }
}

void TRadioButton::Click() {
    SetChecked(true);
    TWinControl::Click();
}

}  // namespace tavrik::vcl
