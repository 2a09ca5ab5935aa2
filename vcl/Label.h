// A windowless text: the host paints Caption in Font within the bounds,
// aligned horizontally (Alignment) and vertically (Layout), wrapped at word
// boundaries when WordWrap, over the parent when Transparent or on Color
// otherwise; '&' marks an accelerator ("&&" is one '&').
// The size is the description's: AutoSize is kept for the record only.
#pragma once

#include "vcl/Control.h"
#include "vcl/TextLayout.h"

namespace tavrik::vcl {

class TLabel : public TGraphicControl {
public:
    explicit TLabel(TComponent* owner) : TGraphicControl(owner, ControlKind::Label) {}
    const char* ClassName() const override { return "TLabel"; }

    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment v) { SetProperty(alignment_, v, kChangeAppearance); }
    TTextLayout Layout() const { return layout_; }
    void SetLayout(TTextLayout v) { SetProperty(layout_, v, kChangeAppearance); }
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool v) { SetProperty(wordWrap_, v, kChangeAppearance); }
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool v) { SetProperty(transparent_, v, kChangeAppearance); }
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool v) { autoSize_ = v; }

private:
    TAlignment alignment_ = TAlignment::taLeftJustify;
    TTextLayout layout_ = TTextLayout::tlTop;
    bool wordWrap_ = false;
    bool transparent_ = false;
    bool autoSize_ = false;
};

}  // namespace tavrik::vcl
