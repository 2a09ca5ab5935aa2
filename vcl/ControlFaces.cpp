#include "vcl/ControlFaces.h"

#include "vcl/Label.h"
#include "vcl/SpeedButton.h"

namespace tavrik::vcl {
namespace {

// Gap between a speed button's glyph and its caption.
constexpr int kGlyphSpacing = 4;
// A group box's caption sits this far from the frame's left end.
constexpr int kGroupCaptionIndent = 8;

TextFormat LabelFormat(const TLabel& label) {
    TextFormat format;
    format.alignment = label.Alignment();
    format.wordWrap = label.WordWrap();
    format.expandTabs = true;
    return format;
}

// Where a label's text box goes: the label's own rectangle, moved down
// when the text is centred or kept at the bottom.
PixelRect LabelTextBox(Canvas& canvas, const TLabel& label, const TextFormat& format) {
    const PixelRect bounds = BoundsOf(label);
    if (label.Layout() == TTextLayout::tlTop || label.Caption().empty()) return bounds;
    const int free =
        label.Height() - canvas.TextHeight(label.Font(), label.Caption(), bounds, format);
    return Offset(bounds, 0, label.Layout() == TTextLayout::tlCenter ? free / 2 : free);
}

// A raised face with a 2-pixel border, or a flat one that lets its parent
// show through and only borders itself under the mouse. Returns the border.
int PaintButtonFace(Canvas& canvas, const TSpeedButton& button, const PixelRect& bounds,
                    ButtonMouse mouse) {
    if (!button.Flat()) {
        canvas.Fill(bounds, clBtnFace);
        canvas.PaintFrame(bounds, mouse.pressed ? FrameStyle::Sunken : FrameStyle::Raised);
        return 2;
    }
    if (mouse.pressed) {
        canvas.PaintFrame(bounds, FrameStyle::SunkenOuter);
    } else if (mouse.hot) {
        canvas.PaintFrame(bounds, FrameStyle::RaisedInner);
    }
    return 0;
}

}  // namespace

PixelRect BoundsOf(const TControl& control) {
    return PixelRect{control.Left(), control.Top(), control.Left() + control.Width(),
                     control.Top() + control.Height()};
}

void PaintLabel(Canvas& canvas, const TLabel& label) {
    const PixelRect bounds = BoundsOf(label);
    if (!label.Transparent()) canvas.Fill(bounds, label.Color());
    const TextFormat format = LabelFormat(label);
    // The text may not leave the label, wherever centring put it.
    canvas.PaintText(label.Font(), label.Caption(), LabelTextBox(canvas, label, format), bounds,
                     format, label.IsEnabledInTree());
}

void PaintSpeedButton(Canvas& canvas, const TSpeedButton& button, ButtonMouse mouse) {
    const bool enabled = button.IsEnabledInTree();
    if (!enabled) mouse = ButtonMouse{};
    const PixelRect bounds = BoundsOf(button);
    const int border = PaintButtonFace(canvas, button, bounds, mouse);
    // A pressed button's content moves one pixel right and down.
    const int shift = mouse.pressed ? 1 : 0;
    const TBitmap& glyph = button.Glyph();
    const int glyphWidth = glyph.Empty() ? 0 : glyph.Width();
    const int glyphHeight = glyph.Empty() ? 0 : glyph.Height();
    const int glyphLeft = button.Margin() < 0 ? bounds.left + (bounds.Width() - glyphWidth) / 2
                                              : bounds.left + border + button.Margin();
    const int glyphTop = bounds.top + (bounds.Height() - glyphHeight) / 2;
    const PixelRect inside{bounds.left + border, bounds.top + border, bounds.right - border,
                           bounds.bottom - border};
    if (!glyph.Empty()) {
        canvas.PaintGlyph(glyph, glyphLeft + shift, glyphTop + shift, inside, enabled);
    }
    if (button.Caption().empty()) return;
    // The caption is centred in the part of the face being repainted.
    PixelRect box = Intersect(inside, canvas.Clip());
    TextFormat format;
    format.singleLine = true;
    format.middle = true;
    format.alignment = glyph.Empty() ? TAlignment::taCenter : TAlignment::taLeftJustify;
    if (!glyph.Empty()) box.left = glyphLeft + glyphWidth + kGlyphSpacing;
    box = Offset(box, shift, shift);
    canvas.PaintText(button.Font(), button.Caption(), box, box, format, enabled);
}

void PaintGroupFrame(Canvas& canvas, const TWinControl& group, const PixelRect& client) {
    const int lineHeight = canvas.LineHeight(group.Font());
    PixelRect frame = client;
    frame.top += lineHeight / 2;
    canvas.PaintFrame(frame, FrameStyle::Etched);
    if (group.Caption().empty()) return;
    const int captionWidth = canvas.TextWidth(group.Font(), group.Caption());
    PixelRect caption{kGroupCaptionIndent, 0, kGroupCaptionIndent + captionWidth + 2, lineHeight};
    // The caption interrupts the frame line.
    canvas.Fill(caption, group.Color());
    caption.left += 1;
    TextFormat format;
    format.singleLine = true;
    canvas.PaintText(group.Font(), group.Caption(), caption, caption, format,
                     group.IsEnabledInTree());
}

}  // namespace tavrik::vcl
