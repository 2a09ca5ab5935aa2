// The faces of the windowless controls, drawn into the back buffer.
#include <algorithm>
#include <optional>

#include "vcl/Image.h"
#include "vcl/Label.h"
#include "vcl/Shape.h"
#include "vcl/SpeedButton.h"
#include "vcl/win32/GdiColors.h"
#include "vcl/win32/PaintContext.h"

namespace tavrik::vcl::win32 {
namespace {

// Gap between a speed button's glyph and its caption.
constexpr int kGlyphSpacing = 4;

PixelSource SourceOf(const TBitmap& bitmap) {
    return PixelSource{bitmap.Pixels().data(), bitmap.Width(), bitmap.Height()};
}

UINT LabelFormat(const TLabel& label) {
    UINT format = DT_EXPANDTABS;
    if (label.WordWrap()) format |= DT_WORDBREAK;
    switch (label.Alignment()) {
        case TAlignment::taLeftJustify:
            format |= DT_LEFT;
            break;
        case TAlignment::taRightJustify:
            format |= DT_RIGHT;
            break;
        case TAlignment::taCenter:
            format |= DT_CENTER;
            break;
    }
    return format;
}

void DrawFrame(HDC dc, RECT rect, UINT edge) { DrawEdge(dc, &rect, edge, BF_RECT); }

}  // namespace

PixelRect BoundsOf(const TControl& control) {
    return PixelRect{control.Left(), control.Top(), control.Left() + control.Width(),
                     control.Top() + control.Height()};
}

RECT ToRect(const PixelRect& rect) { return RECT{rect.left, rect.top, rect.right, rect.bottom}; }

void DrawControlText(const PaintContext& context, const TControl& control, RECT bounds,
                     const std::string& text, UINT format, bool enabled) {
    if (text.empty()) return;
    HDC dc = context.Dc();
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, bounds.left, bounds.top, bounds.right, bounds.bottom);
    // The font's character set decides how GDI reads the bytes, so the text
    // of any language shows in its own code page.
    SelectObject(dc, context.fonts.Get(control.Font()));
    SetBkMode(dc, TRANSPARENT);
    const int length = static_cast<int>(std::min<std::size_t>(text.size(), INT_MAX));
    if (enabled) {
        SetTextColor(dc, ColorRefOf(control.Font().Color()));
        DrawTextA(dc, text.data(), length, &bounds, format);
    } else {
        RECT etched = bounds;
        OffsetRect(&etched, 1, 1);
        SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
        DrawTextA(dc, text.data(), length, &etched, format);
        SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
        DrawTextA(dc, text.data(), length, &bounds, format);
    }
    RestoreDC(dc, saved);
}

void PaintLabel(const PaintContext& context, const TControl& control) {
    const auto& label = dynamic_cast<const TLabel&>(control);
    const PixelRect bounds = BoundsOf(label);
    if (!label.Transparent()) {
        Surface surface = context.Pixels();
        FillPixels(surface, Intersect(bounds, context.clip),
                   PixelFromColorRef(ColorRefOf(label.Color())));
    }
    const UINT format = LabelFormat(label);
    RECT rect = ToRect(bounds);
    if (label.Layout() != TTextLayout::tlTop && !label.Caption().empty()) {
        // Centring needs the height the text takes at this width.
        HDC dc = context.Dc();
        const int saved = SaveDC(dc);
        SelectObject(dc, context.fonts.Get(label.Font()));
        RECT measured = rect;
        DrawTextA(dc, label.Caption().data(), static_cast<int>(label.Caption().size()), &measured,
                  format | DT_CALCRECT);
        RestoreDC(dc, saved);
        const int textHeight = measured.bottom - measured.top;
        const int free = label.Height() - textHeight;
        OffsetRect(&rect, 0, label.Layout() == TTextLayout::tlCenter ? free / 2 : free);
    }
    // The text may not leave the label, wherever centring put it.
    HDC dc = context.Dc();
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, bounds.left, bounds.top, bounds.right, bounds.bottom);
    DrawControlText(context, label, rect, label.Caption(), format, label.IsEnabledInTree());
    RestoreDC(dc, saved);
}

void PaintImage(const PaintContext& context, const TControl& control) {
    const auto& image = dynamic_cast<const TImage&>(control);
    const TBitmap& bitmap = image.Picture().Bitmap();
    if (bitmap.Empty()) return;
    const PixelRect bounds = BoundsOf(image);
    PixelRect target;
    if (image.Stretch()) {
        target = bounds;
    } else {
        target = PixelRect{bounds.left, bounds.top, bounds.left + bitmap.Width(),
                           bounds.top + bitmap.Height()};
    }
    Surface surface = context.Pixels();
    DrawScaled(surface, target, Intersect(bounds, context.clip), SourceOf(bitmap), std::nullopt);
}

void PaintShape(const PaintContext& context, const TControl& control) {
    const auto& shape = dynamic_cast<const TShape&>(control);
    RECT rect = ToRect(BoundsOf(shape));
    HDC dc = context.Dc();
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, context.clip.left, context.clip.top, context.clip.right,
                      context.clip.bottom);
    HBRUSH brush = CreateSolidBrush(ColorRefOf(shape.BrushColor()));
    SelectObject(dc, brush != nullptr ? brush : GetStockObject(NULL_BRUSH));
    if (shape.PenStyle() == TPenStyle::psClear) {
        SelectObject(dc, GetStockObject(NULL_PEN));
        // Without an outline the rectangle covers its whole bounds.
        rect.right += 1;
        rect.bottom += 1;
    } else {
        SelectObject(dc, GetStockObject(BLACK_PEN));
    }
    Rectangle(dc, rect.left, rect.top, rect.right, rect.bottom);
    RestoreDC(dc, saved);
    if (brush != nullptr) DeleteObject(brush);
}

void PaintSpeedButton(const PaintContext& context, const TControl& control) {
    const auto& button = dynamic_cast<const TSpeedButton&>(control);
    const PixelRect bounds = BoundsOf(button);
    const bool enabled = button.IsEnabledInTree();
    const bool pressed = enabled && context.mouse.IsPressed(button);
    const bool hot = enabled && context.mouse.IsHot(button);
    HDC dc = context.Dc();
    RECT rect = ToRect(bounds);
    int border = 0;
    {
        const int saved = SaveDC(dc);
        IntersectClipRect(dc, context.clip.left, context.clip.top, context.clip.right,
                          context.clip.bottom);
        if (!button.Flat()) {
            // A raised button face; flat buttons let their parent show through.
            FillRect(dc, &rect, GetSysColorBrush(COLOR_BTNFACE));
            DrawFrame(dc, rect, pressed ? EDGE_SUNKEN : EDGE_RAISED);
            border = 2;
        } else if (pressed) {
            DrawFrame(dc, rect, BDR_SUNKENOUTER);
        } else if (hot) {
            DrawFrame(dc, rect, BDR_RAISEDINNER);
        }
        RestoreDC(dc, saved);
    }

    const TBitmap& glyph = button.Glyph();
    const PixelSource image = glyph.Empty() ? PixelSource{} : SourceOf(glyph);
    const int shift = pressed ? 1 : 0;
    const int glyphLeft = button.Margin() < 0 ? bounds.left + (bounds.Width() - image.width) / 2
                                              : bounds.left + border + button.Margin();
    const int glyphTop = bounds.top + (bounds.Height() - image.height) / 2;
    const PixelRect inside = Intersect(PixelRect{bounds.left + border, bounds.top + border,
                                                 bounds.right - border, bounds.bottom - border},
                                       context.clip);
    if (image.bgra != nullptr) {
        const Pixel transparent = PixelFromColorRef(glyph.TransparentColor());
        Surface surface = context.Pixels();
        if (!enabled) {
            DrawDisabled(surface, glyphLeft, glyphTop, inside, image, transparent,
                         PixelFromColorRef(GetSysColor(COLOR_BTNHIGHLIGHT)),
                         PixelFromColorRef(GetSysColor(COLOR_BTNSHADOW)));
        } else {
            const PixelRect target{glyphLeft + shift, glyphTop + shift,
                                   glyphLeft + shift + image.width,
                                   glyphTop + shift + image.height};
            DrawScaled(surface, target, inside, image, transparent);
        }
    }
    if (!button.Caption().empty()) {
        RECT text = ToRect(inside);
        if (image.bgra != nullptr) text.left = glyphLeft + image.width + kGlyphSpacing;
        OffsetRect(&text, shift, shift);
        DrawControlText(context, button, text, button.Caption(),
                        DT_SINGLELINE | DT_VCENTER | (image.bgra != nullptr ? DT_LEFT : DT_CENTER),
                        enabled);
    }
}

}  // namespace tavrik::vcl::win32
