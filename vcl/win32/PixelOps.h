// Pixel work on 32-bit surfaces (bytes blue, green, red, unused; rows top
// first), done by hand so that transparency and scaling behave the same on
// every Windows version, with no imports beyond GDI's basics. Portable: no
// <windows.h>, unit-tested natively.
#pragma once

#include <cstdint>
#include <optional>

#include "vcl/PixelRect.h"

namespace tavrik::vcl::win32 {

// A pixel as the surface stores it: 0x00RRGGBB in a little-endian word.
using Pixel = std::uint32_t;

using vcl::Intersect;
using vcl::PixelRect;

// A surface the painter draws on (the back buffer): `height` rows of the
// window from row `top` on.
struct Surface {
    Pixel* pixels = nullptr;
    int width = 0;
    int height = 0;
    int top = 0;
};

// A picture to draw from: a decoded bitmap's bytes, blue, green, red,
// alpha per pixel, rows top first.
struct PixelSource {
    const std::uint8_t* bgra = nullptr;
    int width = 0;
    int height = 0;
    // Pixels from one row to the next in memory; 0 means `width` (a view
    // of part of a wider picture has the picture's width).
    int stride = 0;
    Pixel At(int x, int y) const;
};

// The surface pixel for a colour given as the framework stores it
// (0x00BBGGRR), and back; only red, green and blue count.
Pixel PixelFromColorRef(std::uint32_t colorRef);
bool SameColor(Pixel a, Pixel b);

void FillPixels(Surface& surface, const PixelRect& rect, Pixel color);

// Draws `source` scaled (nearest pixel) to fill `target`, touching only
// pixels inside `clip`. Source pixels of the transparent colour are left
// out, so what was beneath shows through.
void DrawScaled(Surface& surface, const PixelRect& target, const PixelRect& clip,
                const PixelSource& source, std::optional<Pixel> transparent);

// Draws `source` at its own size as a disabled glyph: every pixel that is
// not transparent becomes an etched shape, highlight offset by one pixel
// under a shadow.
void DrawDisabled(Surface& surface, int left, int top, const PixelRect& clip,
                  const PixelSource& source, Pixel transparent, Pixel highlight, Pixel shadow);

}  // namespace tavrik::vcl::win32
