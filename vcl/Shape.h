// A windowless rectangle filled with the brush and outlined with a black
// one-pixel pen (a clear pen draws no outline).
#pragma once

#include "vcl/Control.h"

namespace tavrik::vcl {

enum class TPenStyle { psSolid, psClear };

class TShape : public TGraphicControl {
public:
    explicit TShape(TComponent* owner) : TGraphicControl(owner, ControlKind::Shape) {}
    const char* ClassName() const override { return "TShape"; }

    TColor BrushColor() const { return brushColor_; }
    void SetBrushColor(TColor v) { SetProperty(brushColor_, v, kChangeColor); }
    TPenStyle PenStyle() const { return penStyle_; }
    void SetPenStyle(TPenStyle v) { SetProperty(penStyle_, v, kChangeColor); }

private:
    TColor brushColor_ = clWhite;
    TPenStyle penStyle_ = TPenStyle::psSolid;
};

}  // namespace tavrik::vcl
