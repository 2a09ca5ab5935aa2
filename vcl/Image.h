// A windowless picture. The host draws Picture at the top-left of the
// bounds (centred when Center), scaled to the bounds when Stretch, leaving
// pixels of the bitmap's transparent colour unpainted when Transparent.
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
    bool Center() const { return center_; }
    void SetCenter(bool v) { SetProperty(center_, v, kChangeAppearance); }
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool v) { SetProperty(transparent_, v, kChangeAppearance); }

private:
    TPicture picture_;
    bool stretch_ = false;
    bool center_ = false;
    bool transparent_ = false;
};

}  // namespace tavrik::vcl
