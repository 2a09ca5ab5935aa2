// A framed group of controls with its Caption in the frame.
#pragma once

#include "vcl/Control.h"

namespace tavrik::vcl {

class TGroupBox : public TWinControl {
public:
    explicit TGroupBox(TComponent* owner) : TWinControl(owner, ControlKind::GroupBox) {}
    const char* ClassName() const override { return "TGroupBox"; }
};

}  // namespace tavrik::vcl
