// A rectangle of pixels, as painters and canvases place things.
#pragma once

#include <algorithm>

namespace tavrik::vcl {

// Window client coordinates, right and bottom exclusive.
struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool Empty() const { return right <= left || bottom <= top; }
    bool operator==(const PixelRect& other) const {
        return left == other.left && top == other.top && right == other.right &&
               bottom == other.bottom;
    }
};

inline PixelRect Intersect(const PixelRect& a, const PixelRect& b) {
    const PixelRect r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                      std::min(a.bottom, b.bottom)};
    return r.Empty() ? PixelRect{} : r;
}

inline PixelRect Offset(PixelRect rect, int dx, int dy) {
    return PixelRect{rect.left + dx, rect.top + dy, rect.right + dx, rect.bottom + dy};
}

}  // namespace tavrik::vcl
