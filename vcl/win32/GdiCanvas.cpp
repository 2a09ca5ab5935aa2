#include "vcl/win32/GdiCanvas.h"

#include <algorithm>
#include <climits>

#include "vcl/Font.h"
#include "vcl/win32/GdiColors.h"

namespace tavrik::vcl::win32 {
namespace {

UINT DrawTextFormat(const TextFormat& format) {
    UINT flags = 0;
    if (format.singleLine) flags |= DT_SINGLELINE;
    if (format.middle) flags |= DT_VCENTER;
    if (format.wordWrap) flags |= DT_WORDBREAK;
    if (format.expandTabs) flags |= DT_EXPANDTABS;
    switch (format.alignment) {
        case TAlignment::taLeftJustify:
            flags |= DT_LEFT;
            break;
        case TAlignment::taRightJustify:
            flags |= DT_RIGHT;
            break;
        case TAlignment::taCenter:
            flags |= DT_CENTER;
            break;
    }
    return flags;
}

UINT EdgeOf(FrameStyle style) {
    switch (style) {
        case FrameStyle::Raised:
            return EDGE_RAISED;
        case FrameStyle::Sunken:
            return EDGE_SUNKEN;
        case FrameStyle::RaisedInner:
            return BDR_RAISEDINNER;
        case FrameStyle::SunkenOuter:
            return BDR_SUNKENOUTER;
        case FrameStyle::Etched:
            return EDGE_ETCHED;
    }
    return EDGE_RAISED;
}

int LengthOf(const std::string& text) {
    return static_cast<int>(std::min<std::size_t>(text.size(), INT_MAX));
}

// Selects the font for the scope of one measurement or drawing.
class FontScope {
public:
    FontScope(const PaintContext& context, const TFont& font)
        : dc_(context.Dc()), saved_(SaveDC(dc_)) {
        SelectObject(dc_, context.fonts.Get(font));
    }
    FontScope(const FontScope&) = delete;
    FontScope& operator=(const FontScope&) = delete;
    ~FontScope() { RestoreDC(dc_, saved_); }

private:
    HDC dc_;
    int saved_;
};

}  // namespace

int GdiCanvas::LineHeight(const TFont& font) {
    FontScope scope(context_, font);
    TEXTMETRICA metrics = {};
    GetTextMetricsA(context_.Dc(), &metrics);
    return metrics.tmHeight;
}

int GdiCanvas::TextWidth(const TFont& font, const std::string& text) {
    FontScope scope(context_, font);
    SIZE size = {};
    GetTextExtentPoint32A(context_.Dc(), text.data(), LengthOf(text), &size);
    return size.cx;
}

int GdiCanvas::TextHeight(const TFont& font, const std::string& text, const PixelRect& box,
                          const TextFormat& format) {
    FontScope scope(context_, font);
    RECT measured = ToRect(box);
    DrawTextA(context_.Dc(), text.data(), LengthOf(text), &measured,
              DrawTextFormat(format) | DT_CALCRECT);
    return measured.bottom - measured.top;
}

void GdiCanvas::Fill(const PixelRect& rect, TColor color) {
    Surface surface = context_.Pixels();
    FillPixels(surface, Intersect(rect, context_.clip), PixelFromColorRef(ColorRefOf(color)));
}

void GdiCanvas::PaintFrame(const PixelRect& rect, FrameStyle style) {
    HDC dc = context_.Dc();
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, context_.clip.left, context_.clip.top, context_.clip.right,
                      context_.clip.bottom);
    RECT frame = ToRect(rect);
    DrawEdge(dc, &frame, EdgeOf(style), BF_RECT);
    RestoreDC(dc, saved);
}

void GdiCanvas::PaintText(const TFont& font, const std::string& text, const PixelRect& box,
                          const PixelRect& clip, const TextFormat& format, bool enabled) {
    if (text.empty()) return;
    HDC dc = context_.Dc();
    // The font's character set decides how GDI reads the bytes, so the text
    // of any language shows in its own code page.
    FontScope scope(context_, font);
    const PixelRect shown = Intersect(box, clip);
    IntersectClipRect(dc, shown.left, shown.top, shown.right, shown.bottom);
    SetBkMode(dc, TRANSPARENT);
    const UINT flags = DrawTextFormat(format);
    RECT bounds = ToRect(box);
    if (enabled) {
        SetTextColor(dc, ColorRefOf(font.Color()));
        DrawTextA(dc, text.data(), LengthOf(text), &bounds, flags);
    } else {
        RECT etched = bounds;
        OffsetRect(&etched, 1, 1);
        SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
        DrawTextA(dc, text.data(), LengthOf(text), &etched, flags);
        SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
        DrawTextA(dc, text.data(), LengthOf(text), &bounds, flags);
    }
}

void GdiCanvas::PaintGlyph(const TBitmap& glyph, int left, int top, const PixelRect& clip,
                           bool enabled) {
    const PixelSource image = SourceOf(glyph);
    const Pixel transparent = PixelFromColorRef(glyph.TransparentColor());
    const PixelRect shown = Intersect(clip, context_.clip);
    Surface surface = context_.Pixels();
    if (enabled) {
        DrawScaled(surface, PixelRect{left, top, left + image.width, top + image.height}, shown,
                   image, transparent);
    } else {
        DrawDisabled(surface, left, top, shown, image, transparent,
                     PixelFromColorRef(GetSysColor(COLOR_BTNHIGHLIGHT)),
                     PixelFromColorRef(GetSysColor(COLOR_BTNSHADOW)));
    }
}

}  // namespace tavrik::vcl::win32
