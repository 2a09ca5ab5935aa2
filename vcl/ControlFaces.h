// The layout of the faces the host paints for controls without a window of
// their own, and of a group box's frame: where text, glyphs and borders go.
// Both hosts run it; the canvas only draws what it decides.
#pragma once

#include "vcl/Canvas.h"

namespace tavrik::vcl {

class TControl;
class TLabel;
class TSpeedButton;
class TWinControl;

// What the mouse is doing to a speed button.
struct ButtonMouse {
    bool pressed = false;  // held down over it
    bool hot = false;      // over it
};

// The control's rectangle in its parent's client area.
PixelRect BoundsOf(const TControl& control);

void PaintLabel(Canvas& canvas, const TLabel& label);
void PaintSpeedButton(Canvas& canvas, const TSpeedButton& button, ButtonMouse mouse);
// The etched frame of a group box filling `client`, interrupted by its
// caption near the top left.
void PaintGroupFrame(Canvas& canvas, const TWinControl& group, const PixelRect& client);

}  // namespace tavrik::vcl
