// The canvas of the Win32 host: draws into the back buffer, with GDI for
// text and borders and our pixel code for fills and glyphs, exactly where
// the portable layout (vcl/ControlFaces.h) puts things.
#pragma once

#include "vcl/win32/Win32.h"

#include "vcl/Canvas.h"
#include "vcl/win32/PaintContext.h"

namespace tavrik::vcl::win32 {

class GdiCanvas : public Canvas {
public:
    explicit GdiCanvas(const PaintContext& context) : context_(context) {}

    PixelRect Clip() const override { return context_.clip; }
    int LineHeight(const TFont& font) override;
    int TextWidth(const TFont& font, const std::string& text) override;
    int TextHeight(const TFont& font, const std::string& text, const PixelRect& box,
                   const TextFormat& format) override;
    void Fill(const PixelRect& rect, TColor color) override;
    void PaintFrame(const PixelRect& rect, FrameStyle style) override;
    void PaintText(const TFont& font, const std::string& text, const PixelRect& box,
                   const PixelRect& clip, const TextFormat& format, bool enabled) override;
    void PaintGlyph(const TBitmap& glyph, int left, int top, const PixelRect& clip,
                    bool enabled) override;

private:
    const PaintContext& context_;
};

}  // namespace tavrik::vcl::win32
