#include "vcl/win32/PixelOps.h"

#include <algorithm>

namespace tavrik::vcl::win32 {
namespace {

constexpr Pixel kRgbMask = 0x00FFFFFFu;

void PutPixel(Surface& surface, int x, int y, const PixelRect& clip, Pixel color) {
    if (x < clip.left || x >= clip.right || y < clip.top || y >= clip.bottom) return;
    surface.pixels[static_cast<std::size_t>(y - surface.top) *
                       static_cast<std::size_t>(surface.width) +
                   static_cast<std::size_t>(x)] = color;
}

PixelRect SurfaceRect(const Surface& surface) {
    return {0, surface.top, surface.width, surface.top + surface.height};
}

Pixel* RowOf(Surface& surface, int y) {
    return surface.pixels + static_cast<std::size_t>(y - surface.top) * surface.width;
}

}  // namespace

Pixel PixelSource::At(int x, int y) const {
    const std::size_t rowLength = static_cast<std::size_t>(stride > 0 ? stride : width);
    const std::uint8_t* p =
        bgra + (static_cast<std::size_t>(y) * rowLength + static_cast<std::size_t>(x)) * 4;
    return (Pixel{p[2]} << 16) | (Pixel{p[1]} << 8) | Pixel{p[0]};
}

Pixel PixelFromColorRef(std::uint32_t colorRef) {
    const Pixel red = colorRef & 0xFFu;
    const Pixel green = (colorRef >> 8) & 0xFFu;
    const Pixel blue = (colorRef >> 16) & 0xFFu;
    return (red << 16) | (green << 8) | blue;
}

bool SameColor(Pixel a, Pixel b) { return ((a ^ b) & kRgbMask) == 0; }

void FillPixels(Surface& surface, const PixelRect& rect, Pixel color) {
    PixelRect area = Intersect(rect, SurfaceRect(surface));
    for (int y = area.top; y < area.bottom; ++y) {
        Pixel* row = RowOf(surface, y);
        std::fill(row + area.left, row + area.right, color);
    }
}

void DrawScaled(Surface& surface, const PixelRect& target, const PixelRect& clip,
                const PixelSource& source, std::optional<Pixel> transparent) {
    if (target.Empty() || source.width <= 0 || source.height <= 0 || source.bgra == nullptr) {
        return;
    }
    PixelRect area = Intersect(Intersect(target, clip), SurfaceRect(surface));
    const long long tw = target.Width();
    const long long th = target.Height();
    for (int y = area.top; y < area.bottom; ++y) {
        // Centre of the target pixel mapped into the source, in 64 bits so
        // that huge pictures cannot overflow.
        const long long sy = ((2LL * (y - target.top) + 1) * source.height) / (2 * th);
        Pixel* to = RowOf(surface, y);
        for (int x = area.left; x < area.right; ++x) {
            const long long sx = ((2LL * (x - target.left) + 1) * source.width) / (2 * tw);
            const Pixel pixel = source.At(static_cast<int>(sx), static_cast<int>(sy));
            if (transparent && SameColor(pixel, *transparent)) continue;
            to[x] = pixel;
        }
    }
}

void DrawDisabled(Surface& surface, int left, int top, const PixelRect& clip,
                  const PixelSource& source, Pixel transparent, Pixel highlight, Pixel shadow) {
    if (source.bgra == nullptr) return;
    PixelRect area = Intersect(clip, SurfaceRect(surface));
    for (int pass = 0; pass < 2; ++pass) {
        const int offset = pass == 0 ? 1 : 0;
        const Pixel color = pass == 0 ? highlight : shadow;
        for (int y = 0; y < source.height; ++y) {
            for (int x = 0; x < source.width; ++x) {
                if (SameColor(source.At(x, y), transparent)) continue;
                PutPixel(surface, left + x + offset, top + y + offset, area, color);
            }
        }
    }
}

}  // namespace tavrik::vcl::win32
