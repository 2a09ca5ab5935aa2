#include "vcl/headless/RecordingCanvas.h"

#include <cstdlib>

#include "vcl/Bitmap.h"
#include "vcl/Font.h"

namespace tavrik::vcl {
namespace {

// Lines a text takes: one per line break, and with word wrap one more each
// time the next word would pass `width`.
int LineCount(const std::string& text, int width, bool wordWrap) {
    int lines = 1;
    int used = 0;
    std::size_t at = 0;
    while (at < text.size()) {
        if (text[at] == '\n') {
            ++lines;
            used = 0;
            ++at;
            continue;
        }
        std::size_t end = text.find_first_of(" \n", at);
        if (end == std::string::npos) end = text.size();
        const int word = static_cast<int>(end - at) * RecordingCanvas::kCharWidth;
        if (wordWrap && used > 0 && used + word > width) {
            ++lines;
            used = 0;
        }
        used += word + (end < text.size() && text[end] == ' ' ? RecordingCanvas::kCharWidth : 0);
        at = end < text.size() && text[end] == ' ' ? end + 1 : end;
    }
    return lines;
}

}  // namespace

int RecordingCanvas::LineHeight(const TFont& font) { return std::abs(font.Height()); }

int RecordingCanvas::TextWidth(const TFont&, const std::string& text) {
    return static_cast<int>(text.size()) * kCharWidth;
}

int RecordingCanvas::TextHeight(const TFont& font, const std::string& text, const PixelRect& box,
                                const TextFormat& format) {
    const int lines = format.singleLine ? 1 : LineCount(text, box.Width(), format.wordWrap);
    return lines * LineHeight(font);
}

void RecordingCanvas::Fill(const PixelRect& rect, TColor color) {
    Record(Kind::Fill, rect).color = color;
}

void RecordingCanvas::PaintFrame(const PixelRect& rect, FrameStyle style) {
    Record(Kind::Frame, rect).frame = style;
}

void RecordingCanvas::PaintText(const TFont&, const std::string& text, const PixelRect& box,
                                const PixelRect& clip, const TextFormat& format, bool enabled) {
    Operation& operation = Record(Kind::Text, box);
    operation.clip = clip;
    operation.text = text;
    operation.format = format;
    operation.enabled = enabled;
}

void RecordingCanvas::PaintGlyph(const TBitmap& glyph, int left, int top, const PixelRect& clip,
                                 bool enabled) {
    Operation& operation =
        Record(Kind::Glyph, PixelRect{left, top, left + glyph.Width(), top + glyph.Height()});
    operation.clip = clip;
    operation.enabled = enabled;
}

RecordingCanvas::Operation& RecordingCanvas::Record(Kind kind, const PixelRect& rect) {
    operations_.emplace_back();
    operations_.back().kind = kind;
    operations_.back().rect = rect;
    return operations_.back();
}

}  // namespace tavrik::vcl
