// A multi-line edit showing Lines; read-only when ReadOnly.
#pragma once

#include "vcl/Control.h"
#include "vcl/Strings.h"

namespace tavrik::vcl {

enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

class TMemo : public TWinControl {
public:
    explicit TMemo(TComponent* owner);
    const char* ClassName() const override { return "TMemo"; }

    TStrings& Lines() { return lines_; }
    const TStrings& Lines() const { return lines_; }
    TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle v) { SetProperty(scrollBars_, v, kChangeAppearance); }
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool v) { SetProperty(readOnly_, v, kChangeAppearance); }

private:
    TStrings lines_;
    TScrollStyle scrollBars_ = TScrollStyle::ssNone;
    bool readOnly_ = false;
};

}  // namespace tavrik::vcl
