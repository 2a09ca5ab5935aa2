#include "Canvas.h"

#include <algorithm>
#include <cmath>

namespace tavrik::media {
namespace {

// Samples per pixel side; 8 x 8 gives smooth edges on 24-pixel glyphs.
constexpr int kSamples = 8;

std::uint8_t ToByte(double value) {
    return static_cast<std::uint8_t>(std::lround(std::clamp(value, 0.0, 255.0)));
}

}  // namespace

Colour ColourOf(Rgb rgb) { return {double(rgb.r), double(rgb.g), double(rgb.b)}; }

Colour Mix(Colour a, Colour b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Canvas::Canvas(int width, int height, Colour background)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      colour_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), background),
      coverage_(colour_.size(), 0.0) {}

void Canvas::Paint(const std::function<Colour(double x, double y)>& colourAt) {
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) colour_[Index(x, y)] = colourAt(x + 0.5, y + 0.5);
    }
}

void Canvas::Fill(const Shape& shape, Colour colour, double opacity) {
    const int left = std::max(0, static_cast<int>(std::floor(shape.bounds.left)) - 1);
    const int top = std::max(0, static_cast<int>(std::floor(shape.bounds.top)) - 1);
    const int right = std::min(width_, static_cast<int>(std::ceil(shape.bounds.right)) + 1);
    const int bottom = std::min(height_, static_cast<int>(std::ceil(shape.bounds.bottom)) + 1);
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            int inside = 0;
            for (int sy = 0; sy < kSamples; ++sy) {
                for (int sx = 0; sx < kSamples; ++sx) {
                    if (shape.contains(x + (sx + 0.5) / kSamples, y + (sy + 0.5) / kSamples)) {
                        ++inside;
                    }
                }
            }
            if (inside == 0) continue;
            const double share = double(inside) / (kSamples * kSamples);
            const std::size_t i = Index(x, y);
            colour_[i] = Mix(colour_[i], colour, share * opacity);
            coverage_[i] += (1.0 - coverage_[i]) * share;
        }
    }
}

Image Canvas::ToImage() const {
    Image image(width_, height_);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const Colour c = colour_[Index(x, y)];
            image.Set(x, y, {ToByte(c.r), ToByte(c.g), ToByte(c.b)});
        }
    }
    return image;
}

}  // namespace tavrik::media
