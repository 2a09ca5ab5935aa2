// The four button glyphs of the BMP folder. The wizard sizes each button to
// the glyph's width and height minus one and takes black as the glyph's
// transparent colour, so everything around the drawing is pure black and
// nothing inside it is.
#pragma once

#include <string>

#include "Image.h"

namespace tavrik::media {

constexpr int kGlyphWidth = 24;
constexpr int kGlyphHeight = 23;

enum class Glyph { Validate, Exit, Yes, No };

constexpr Glyph kAllGlyphs[] = {Glyph::Validate, Glyph::Exit, Glyph::Yes, Glyph::No};

// valid.bmp, sortie.bmp, yes.bmp, no.bmp.
std::string GlyphFileName(Glyph glyph);

// The glyph with its edges blended into the colour it will be shown on.
Image MakeGlyph(Glyph glyph, Rgb background);

}  // namespace tavrik::media
