// A floating-point drawing surface with anti-aliased shape filling. Besides
// the colour it keeps, per pixel, how much of it the filled shapes cover, so
// that a glyph can turn everything it never drew on into its transparent
// colour.
#pragma once

#include <functional>
#include <vector>

#include "Image.h"
#include "Shapes.h"

namespace tavrik::media {

struct Colour {
    double r = 0;
    double g = 0;
    double b = 0;
};

Colour ColourOf(Rgb rgb);
// t = 0 gives a, t = 1 gives b.
Colour Mix(Colour a, Colour b, double t);

class Canvas {
public:
    Canvas(int width, int height, Colour background);

    int Width() const { return width_; }
    int Height() const { return height_; }

    // Sets every pixel from a function of its centre; clears no coverage.
    void Paint(const std::function<Colour(double x, double y)>& colourAt);
    // Blends the colour over the shape, by the share of each pixel it covers.
    void Fill(const Shape& shape, Colour colour, double opacity = 1.0);

    Colour At(int x, int y) const { return colour_[Index(x, y)]; }
    // 0: no shape touched the pixel; 1: fully covered.
    double Coverage(int x, int y) const { return coverage_[Index(x, y)]; }

    Image ToImage() const;

private:
    std::size_t Index(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
               static_cast<std::size_t>(x);
    }

    int width_;
    int height_;
    std::vector<Colour> colour_;
    std::vector<double> coverage_;
};

}  // namespace tavrik::media
