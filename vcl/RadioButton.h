// A radio button. Checking one unchecks the other radio buttons of the
// same parent; radio buttons of different parents do not affect each other.
// A click (events::Click) on an enabled button checks it, then fires
// OnClick; checking it by code fires nothing.
#pragma once

#include "vcl/Control.h"

namespace tavrik::vcl {

class TRadioButton : public TWinControl {
public:
    explicit TRadioButton(TComponent* owner) : TWinControl(owner, ControlKind::RadioButton) {}
    const char* ClassName() const override { return "TRadioButton"; }

    bool Checked() const { return checked_; }
    void SetChecked(bool checked);

    void Click() override;

private:
    bool checked_ = false;
};

}  // namespace tavrik::vcl
