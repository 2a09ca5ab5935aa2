// A windowless button showing a glyph (and an optional caption). The host
// draws the glyph Margin pixels from the left edge (centred when Margin is
// -1), leaving pixels of the glyph's transparent colour unpainted; Flat
// buttons have no border until the mouse is over them. The button keeps
// its own copy of the glyph.
#pragma once

#include "vcl/Bitmap.h"
#include "vcl/Control.h"

namespace tavrik::vcl {

class TSpeedButton : public TGraphicControl {
public:
    explicit TSpeedButton(TComponent* owner);
    const char* ClassName() const override { return "TSpeedButton"; }

    const TBitmap& Glyph() const { return glyph_; }
    TBitmap& Glyph() { return glyph_; }
    void SetGlyph(const TBitmap& glyph) { glyph_.Assign(glyph); }
    bool Flat() const { return flat_; }
    void SetFlat(bool v) { SetProperty(flat_, v, kChangeAppearance); }
    int Margin() const { return margin_; }
    void SetMargin(int v) { SetProperty(margin_, v, kChangeAppearance); }

private:
    TBitmap glyph_;
    bool flat_ = false;
    int margin_ = -1;
};

}  // namespace tavrik::vcl
