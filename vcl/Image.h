// A windowless picture. The host draws Picture at the top-left of the
// bounds, scaled to the bounds when Stretch.
// Align = alClient makes it fill its parent's client area.
#pragma once

#include "vcl/Control.h"
#include "vcl/Picture.h"

namespace tavrik::vcl {

class TImage : public TGraphicControl {
public:
    explicit TImage(TComponent* owner);
    const char* ClassName() const override { return "TImage"; }

    TPicture& Picture() { return picture_; }
    const TPicture& Picture() const { return picture_; }
    void SetPicture(const TPicture& picture) { picture_.Assign(picture); }
    bool Stretch() const { return stretch_; }
    void SetStretch(bool v) { SetProperty(stretch_, v, kChangeAppearance); }

private:
    TPicture picture_;
    bool stretch_ = false;
};

}  // namespace tavrik::vcl
