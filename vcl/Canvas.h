// What the faces of windowless controls are drawn on. The portable painters
// (ControlFaces.h) decide where every rectangle, text and glyph goes; a
// canvas only draws there: GDI in the Win32 host, a recording in tests.
#pragma once

#include <string>

#include "vcl/Color.h"
#include "vcl/PixelRect.h"
#include "vcl/TextLayout.h"

namespace tavrik::vcl {

class TBitmap;
class TFont;

// How a text sits in the box it is given.
struct TextFormat {
    TAlignment alignment = TAlignment::taLeftJustify;
    bool singleLine = false;
    // A single line sits midway between the box's top and bottom.
    bool middle = false;
    // Lines break at word boundaries to fit the box's width.
    bool wordWrap = false;
    // Tabs expand to the font's tab stops (labels).
    bool expandTabs = false;
    bool operator==(const TextFormat& other) const {
        return alignment == other.alignment && singleLine == other.singleLine &&
               middle == other.middle && wordWrap == other.wordWrap &&
               expandTabs == other.expandTabs;
    }
};

// The 3-D borders of buttons and frames.
enum class FrameStyle {
    Raised,       // a button at rest
    Sunken,       // a button held down
    RaisedInner,  // a flat button under the mouse
    SunkenOuter,  // a flat button held down
    Etched,       // a group box's frame
};

class Canvas {
public:
    virtual ~Canvas() = default;

    // The area being repainted; nothing is drawn outside it.
    virtual PixelRect Clip() const = 0;

    // Measuring in `font`: the height of one line, the width of a one-line
    // text, and the height `text` takes laid out in `box`'s width.
    virtual int LineHeight(const TFont& font) = 0;
    virtual int TextWidth(const TFont& font, const std::string& text) = 0;
    virtual int TextHeight(const TFont& font, const std::string& text, const PixelRect& box,
                           const TextFormat& format) = 0;

    virtual void Fill(const PixelRect& rect, TColor color) = 0;
    virtual void PaintFrame(const PixelRect& rect, FrameStyle style) = 0;
    // `text` in `font` laid out in `box`, shown only inside `box` and
    // `clip`; grey and etched when not `enabled`.
    virtual void PaintText(const TFont& font, const std::string& text, const PixelRect& box,
                           const PixelRect& clip, const TextFormat& format, bool enabled) = 0;
    // `glyph` at its own size with its top-left corner at (left, top), its
    // transparent colour left out, shown only inside `clip`; etched when
    // not `enabled`.
    virtual void PaintGlyph(const TBitmap& glyph, int left, int top, const PixelRect& clip,
                            bool enabled) = 0;
};

}  // namespace tavrik::vcl
