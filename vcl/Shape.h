// A windowless geometric shape filled with the brush and outlined with the
// pen (a clear pen draws no outline, a clear brush no fill).
#pragma once

#include "vcl/Control.h"

namespace tavrik::vcl {

enum class TShapeType { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };
enum class TBrushStyle { bsSolid, bsClear };
enum class TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear };

class TShape : public TGraphicControl {
public:
    explicit TShape(TComponent* owner) : TGraphicControl(owner, ControlKind::Shape) {}
    const char* ClassName() const override { return "TShape"; }

    TShapeType Shape() const { return shape_; }
    void SetShape(TShapeType v) { SetProperty(shape_, v, kChangeAppearance); }
    TColor BrushColor() const { return brushColor_; }
    void SetBrushColor(TColor v) { SetProperty(brushColor_, v, kChangeColor); }
    TBrushStyle BrushStyle() const { return brushStyle_; }
    void SetBrushStyle(TBrushStyle v) { SetProperty(brushStyle_, v, kChangeColor); }
    TColor PenColor() const { return penColor_; }
    void SetPenColor(TColor v) { SetProperty(penColor_, v, kChangeColor); }
    TPenStyle PenStyle() const { return penStyle_; }
    void SetPenStyle(TPenStyle v) { SetProperty(penStyle_, v, kChangeColor); }
    int PenWidth() const { return penWidth_; }
    void SetPenWidth(int v) { SetProperty(penWidth_, v < 0 ? 0 : v, kChangeColor); }

private:
    TShapeType shape_ = TShapeType::stRectangle;
    TColor brushColor_ = clWhite;
    TBrushStyle brushStyle_ = TBrushStyle::bsSolid;
    TColor penColor_ = clBlack;
    TPenStyle penStyle_ = TPenStyle::psSolid;
    int penWidth_ = 1;
};

}  // namespace tavrik::vcl
