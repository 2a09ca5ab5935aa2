// The canvas of tests: draws nothing and records every operation with its
// position, so a test sees where the layout put text, glyphs and borders.
// Text is measured with fixed metrics: every character `charWidth` wide
// and every line as tall as the font's height in pixels.
#pragma once

#include <string>
#include <vector>

#include "vcl/Canvas.h"

namespace tavrik::vcl {

class RecordingCanvas : public Canvas {
public:
    enum class Kind { Fill, Frame, Text, Glyph };
    struct Operation {
        Kind kind = Kind::Fill;
        PixelRect rect;  // the fill, the frame, the text's box, the glyph's own rectangle
        PixelRect clip;  // text and glyphs: where they may show
        TColor color = 0;
        FrameStyle frame = FrameStyle::Raised;
        std::string text;
        TextFormat format;
        bool enabled = true;
    };

    static constexpr int kCharWidth = 7;

    explicit RecordingCanvas(PixelRect clip) : clip_(clip) {}

    PixelRect Clip() const override { return clip_; }
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

    // In the order they were drawn.
    const std::vector<Operation>& Operations() const { return operations_; }

private:
    Operation& Record(Kind kind, const PixelRect& rect);

    PixelRect clip_;
    std::vector<Operation> operations_;
};

}  // namespace tavrik::vcl
